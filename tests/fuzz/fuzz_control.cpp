// Any bytes as a system control block: all entries or none, never a read
// outside the block.
#include "analysis/ControlLogDecoder.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<TControlInfo> info = DecodeControlLog(Bytes(data, size));
    if (!info.empty() && size != 2 + 5 * info.size()) __builtin_trap();
    for (std::size_t i = 0; i < info.size(); ++i)
        if (ControlLogTexts(i, info[i]).size() != 3) __builtin_trap();
    return 0;
}
