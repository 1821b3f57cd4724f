#include "tools/vdrexport/ExportSections.h"

// Each decoder's export function is declared and listed here.
void ExportEvents(const TVDR&, const ExportOptions&, QJsonObject&);
void ExportTech(const TVDR&, const ExportOptions&, QJsonObject&);
void ExportDriver(const TVDR&, const ExportOptions&, QJsonObject&);
void ExportGps(const TVDR&, const ExportOptions&, QJsonObject&);
void ExportSpeed(const TVDR&, const ExportOptions&, QJsonObject&);
void ExportControl(const TVDR&, const ExportOptions&, QJsonObject&);

const std::initializer_list<ExportSection>& ExportSectionList() {
    static const std::initializer_list<ExportSection> kSections = {ExportEvents, ExportTech, ExportDriver, ExportGps,
                                                                   ExportSpeed, ExportControl};
    return kSections;
}
