#include "tools/vdrexport/ExportSections.h"

const std::initializer_list<ExportSection>& ExportSectionList() {
    static const std::initializer_list<ExportSection> kSections = {ExportEvents, ExportTech,  ExportDriver,
                                                                   ExportGps,    ExportSpeed, ExportControl};
    return kSections;
}
