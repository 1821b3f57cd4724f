// SealSign --key <private key.pem> [--out <signed file>] <file.vdr | file.dat>
// Signs a record file with a development key, in place unless --out names
// another file. Exit status 0 when the signed file was written, 1 otherwise.
#include "tools/sealsign/PrivateKey.h"
#include "tools/sealsign/RecordSigner.h"
#include "verifier/SealCheckCommand.h"
#include "verifier/WholeFile.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kFailed = 1;

int Fail(const std::string& message) {
    std::fprintf(stderr, "SealSign: %s\n", message.c_str());
    return kFailed;
}

bool WriteAll(int fd, const std::vector<std::uint8_t>& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Writes next to the target and renames, so that a failed write leaves the
// target as it was.
bool WriteFileReplacing(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    const std::string temporary = path + ".sealsign-tmp";
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    const bool written = WriteAll(fd, bytes);
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    std::string keyPath;
    std::string outPath;
    std::string inPath;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if ((arg == "--key" || arg == "--out") && i + 1 < argc)
            (arg == "--key" ? keyPath : outPath) = argv[++i];
        else if (!arg.empty() && arg[0] != '-' && inPath.empty())
            inPath = arg;
        else
            return Fail("usage: SealSign --key <private key.pem> [--out <signed file>] <file.vdr|file.dat>");
    }
    if (keyPath.empty() || inPath.empty())
        return Fail("usage: SealSign --key <private key.pem> [--out <signed file>] <file.vdr|file.dat>");
    if (outPath.empty()) outPath = inPath;

    const auto type = sealcheck::FileTypeOf(inPath);
    if (type == sealcheck::RecordFileType::Unsupported) return Fail(inPath + ": not a .vdr or .dat file");

    std::vector<std::uint8_t> keyBytes;
    if (sealcheck::ReadWholeFile(keyPath.c_str(), 1, keyBytes) != sealcheck::WholeFileStatus::Read)
        return Fail(keyPath + ": cannot read the key file");
    std::string error;
    const auto key = sealsign::PrivateKey::FromPem(
        std::string_view(reinterpret_cast<const char*>(keyBytes.data()), keyBytes.size()), error);
    if (!key) return Fail(keyPath + ": " + error);

    std::vector<std::uint8_t> input;
    if (sealcheck::ReadWholeFile(inPath.c_str(), 0, input) != sealcheck::WholeFileStatus::Read)
        return Fail(inPath + ": cannot read the file");

    const auto output = type == sealcheck::RecordFileType::Vdr ? sealsign::SignVdr(input, *key, error)
                                                               : sealsign::SignDat(input, *key, error);
    if (!output) return Fail(inPath + ": " + error);
    if (!WriteFileReplacing(outPath, *output)) return Fail(outPath + ": cannot write the signed file");
    return 0;
}
