#pragma once
// The SealCheck command: one argument, the path of a .vdr or .dat file; one line
// on standard output; exit status 0 for a genuine file, -1 to -4 otherwise.
#include <cstdio>
#include <string_view>

namespace sealcheck {

enum class RecordFileType { Unsupported = 0, Vdr = 1, Dat = 2 };

inline constexpr int kExitUsage = -1;
inline constexpr int kExitUnsupportedType = -2;
inline constexpr int kExitFileNotExisted = -3;
inline constexpr int kExitVerificationFailed = -4;

// The last path element from its last dot on; a dot that starts the element does
// not count, so ".vdr" has no extension. Empty when there is none.
std::string_view ExtensionOf(std::string_view path);
// The last path element without its extension.
std::string_view BaseNameOf(std::string_view path);
// ".vdr" or ".dat", letters in any case; anything else is Unsupported.
RecordFileType FileTypeOf(std::string_view path);

// Runs the whole command and writes its line to out; returns the exit status.
int RunSealCheck(int argc, const char* const* argv, std::FILE* out);

} // namespace sealcheck
