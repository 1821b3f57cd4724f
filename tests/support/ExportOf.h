#pragma once
// Runs one export section over a file built in memory, as VdrExport would.
#include "fixtures/VdrFileBuilder.h"
#include "tools/vdrexport/ExportSections.h"

#include <QJsonObject>
#include <gtest/gtest.h>

inline QJsonObject ExportOf(ExportSection section, const VdrFileBuilder& file,
                            const ExportOptions& options = {}) {
    TVDR vdr;
    EXPECT_TRUE(file.loadInto(vdr));
    QJsonObject out;
    section(vdr, options, out);
    return out;
}
