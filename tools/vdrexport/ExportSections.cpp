#include "tools/vdrexport/ExportSections.h"

// Each decoder's export function is declared and listed here.

const std::initializer_list<ExportSection>& ExportSectionList() {
    static const std::initializer_list<ExportSection> kSections = {};
    return kSections;
}
