// Any bytes as a driver activity block: the decoder takes it or leaves the
// model empty, never reads outside the block, and its marks equal those of
// the passes written out literally; the rows and colours follow for any model.
#include "../analysis/driver/LiteralDriverMarking.h"
#include "analysis/DriverActivity.h"
#include "analysis/DriverActivityMarking.h"
#include "analysis/DriverRowColours.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    DriverActivity a;
    const bool ok = a.Analyse(Bytes(data, size));
    const std::size_t n = a.gmDI().size();
    if (!ok && (n != 0 || !a.dates().isEmpty())) __builtin_trap();
    if (ok && size != 2 + 26 * n) __builtin_trap();
    if (n > 0 && a.dates().isEmpty()) __builtin_trap();

    std::vector<TDriverInfo> literal;
    for (const TDriverInfo& r : a.gmDI())
        literal.push_back(TDriverInfo{r.ActiveDate, r.ActiveType, r.szDriver});
    LiteralDriverMarkTemp(literal, static_cast<int>(n) - 1);
    for (std::size_t i = 0; i < n; ++i) {
        const TDriverInfo& e = literal[i];
        const TDriverInfo& p = a.gmDI()[i];
        if (e.RestValidFlag != p.RestValidFlag || e.IsTempFlag != p.IsTempFlag || e.TempRest != p.TempRest ||
            e.Continue != p.Continue || e.ContinueDriving != p.ContinueDriving ||
            e.ContinueRest != p.ContinueRest)
            __builtin_trap();
    }

    const std::vector<DriverRow> rows = a.Rows(a.wholeRange());
    if (n > 0 && rows.size() != n + 1) __builtin_trap();
    for (const DriverRow& row : rows)
        (void)DriverRowColour(row, false);
    (void)a.Rows(a.defaultRange());
    return 0;
}
