#pragma once
// Reads a regular file whole into memory, in one piece. Anything that is not a
// regular file (a folder, a device, a pipe) is refused without reading from it,
// so that nothing can make the reader wait or read forever.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace sealcheck {

enum class WholeFileStatus {
    Read,       // bytes hold the whole file
    TooShort,   // the file is smaller than the minimum; it was not opened
    CannotRead, // missing, not a regular file, no access, changed while read, out of memory
};

// The size comes from the file system; a file that does not yield exactly that
// many bytes fails with CannotRead.
WholeFileStatus ReadWholeFile(const char* path, std::size_t minimumSize, std::vector<std::uint8_t>& bytes);

} // namespace sealcheck
