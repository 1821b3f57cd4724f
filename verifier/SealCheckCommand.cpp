#include "verifier/SealCheckCommand.h"

#include "verifier/EmbeddedPublicKey.h"
#include "verifier/PublicKey.h"
#include "verifier/RecordVerifier.h"
#include "verifier/VerifyResult.h"

#include <cerrno>
#include <string>
#include <sys/stat.h>

namespace sealcheck {

namespace {

constexpr std::string_view kDefaultProgramName = "SealCheck";

std::string_view LastElementOf(std::string_view path) {
#ifdef _WIN32
    const auto slash = path.find_last_of("/\\");
#else
    const auto slash = path.find_last_of('/');
#endif
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

bool EqualsIgnoringCase(std::string_view text, std::string_view lowerCase) {
    if (text.size() != lowerCase.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != lowerCase[i]) return false;
    }
    return true;
}

// Only a missing path counts as "not existed"; a path that exists but cannot be
// looked at goes on to the check, which reports that it cannot be opened.
bool NothingExistsAt(const char* path) {
    struct stat info {};
    if (::stat(path, &info) == 0) return false;
    return errno == ENOENT || errno == ENOTDIR;
}

int Say(std::FILE* out, std::string_view line, int status) {
    std::fwrite(line.data(), 1, line.size(), out);
    std::fputc('\n', out);
    std::fflush(out);
    return status;
}

} // namespace

std::string_view ExtensionOf(std::string_view path) {
    const std::string_view element = LastElementOf(path);
    const auto dot = element.find_last_of('.');
    if (dot == std::string_view::npos || dot == 0) return {};
    return element.substr(dot);
}

std::string_view BaseNameOf(std::string_view path) {
    const std::string_view element = LastElementOf(path);
    return element.substr(0, element.size() - ExtensionOf(element).size());
}

RecordFileType FileTypeOf(std::string_view path) {
    const std::string_view extension = ExtensionOf(path);
    if (EqualsIgnoringCase(extension, ".vdr")) return RecordFileType::Vdr;
    if (EqualsIgnoringCase(extension, ".dat")) return RecordFileType::Dat;
    return RecordFileType::Unsupported;
}

int RunSealCheck(int argc, const char* const* argv, std::FILE* out) {
    if (argc < 2 || argv[1] == nullptr) {
        std::string_view name = argc >= 1 && argv[0] != nullptr ? BaseNameOf(argv[0]) : std::string_view{};
        if (name.empty()) name = kDefaultProgramName;
        return Say(out, "Usage: " + std::string(name) + " <filename>", kExitUsage);
    }
    const char* path = argv[1];
    const RecordFileType type = FileTypeOf(path);
    if (type == RecordFileType::Unsupported) return Say(out, "Unsupported file type", kExitUnsupportedType);
    if (NothingExistsAt(path)) return Say(out, "File not existed", kExitFileNotExisted);

    const PublicKey key = PublicKey::FromPem(EmbeddedPublicKeyPem());
    const int code = type == RecordFileType::Vdr ? VerifyVdr(key, path) : VerifyDat(key, path);
    if (code == kVerifyGenuine) return Say(out, "Verification SUCCESS", 0);
    return Say(out, "Verification FAILED: " + std::to_string(code), kExitVerificationFailed);
}

} // namespace sealcheck
