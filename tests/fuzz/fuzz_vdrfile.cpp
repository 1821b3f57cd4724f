// Any bytes as a record file: the container loads or refuses them without
// reading outside the file, and every block it keeps lies inside the file.
#include "recordfile/TVDR.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto bytes = std::make_unique<std::uint8_t[]>(size + 1);
    if (size) std::memcpy(bytes.get(), data, size);
    const std::uint8_t* begin = bytes.get();
    TVDR vdr;
    const bool loaded = vdr.LoadBytes(std::move(bytes), size);
    if (!loaded) return 0;
    std::size_t covered = 2 + 1;
    for (int i = 0; i < vdr.tableCount(); ++i) {
        const TDVRDataBlock& b = vdr.record().DataBlock[i];
        covered += kBlockHeadBytes + b.u32Len;
        if (b.u32Len && (b.Data < begin || b.Data + b.u32Len > begin + size)) std::abort();
    }
    // A loaded file is exactly its count, its blocks and the check byte.
    if (covered != size) std::abort();
    for (int code = 0; code < 256; ++code)
        (void)vdr.GetData(static_cast<std::uint8_t>(code));
    return 0;
}
