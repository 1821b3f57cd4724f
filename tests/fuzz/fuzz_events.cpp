// Any bytes as an events and faults block: rows numbered 1, 2, ... or none,
// never a read outside the block.
#include "analysis/EventFaultDecoder.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<EventFaultRow> rows = DecodeEventsAndFaults(Bytes(data, size));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].nNo != static_cast<int>(i) + 1) __builtin_trap();
        if (rows[i].texts().size() != 7) __builtin_trap();
    }
    return 0;
}
