// Any bytes as a technical data block: the decoder gives a tree or none, and
// never reads outside the block.
#include "analysis/TechDataDecoder.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const TechData d = DecodeTechData(Bytes(data, size));
    if (!d.root && d.mszVechileID != kUnknownPlate) __builtin_trap();
    if (d.mszVechileID.isEmpty()) __builtin_trap();
    (void)DecodeTechPlate(Bytes(data, size));
    return 0;
}
