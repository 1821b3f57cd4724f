#pragma once
// One function per decoded view; each adds its key to the export document with
// the same texts the analysis window shows.
#include "recordfile/TVDR.h"

#include <QJsonObject>

struct ExportOptions {
    bool samples = false; // --samples: the speed minutes' 120 values
};

using ExportSection = void (*)(const TVDR& vdr, const ExportOptions& options, QJsonObject& out);

void ExportEvents(const TVDR& vdr, const ExportOptions& options, QJsonObject& out);  // "events"
void ExportTech(const TVDR& vdr, const ExportOptions& options, QJsonObject& out);    // "tech", "plate"
void ExportDriver(const TVDR& vdr, const ExportOptions& options, QJsonObject& out);  // "driver", "driverAll"
void ExportGps(const TVDR& vdr, const ExportOptions& options, QJsonObject& out);     // "gps"
void ExportSpeed(const TVDR& vdr, const ExportOptions& options, QJsonObject& out);   // "speed"
void ExportControl(const TVDR& vdr, const ExportOptions& options, QJsonObject& out); // "control"

// The sections in the order the loading run decodes them.
const std::initializer_list<ExportSection>& ExportSectionList();
