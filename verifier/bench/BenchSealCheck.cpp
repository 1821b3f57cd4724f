// bench_sealcheck [runs]: times SealCheck and `openssl dgst -sha256 -verify` on
// the same 40 MB signed .vdr file, alternating runs, and prints the median of
// each and their ratio. Goal: SealCheck takes at most 1.5 times openssl's time.
// It then times SealCheck's steps in this process: reading the file, hashing it,
// and the RSA check, to show where the time goes.
#include "verifier/EmbeddedPublicKey.h"
#include "verifier/PublicKey.h"
#include "verifier/RecordLayout.h"
#include "verifier/Sha256.h"
#include "verifier/SignatureTest.h"
#include "verifier/WholeFile.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <random>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

constexpr std::size_t kBlockBytes = 20u << 20; // two blocks: 40 MB of records

struct Timing {
    double wall = 0; // seconds
    double cpu = 0;  // user + system seconds of the child
};

int Run(const std::vector<std::string>& argv, bool quiet, double* cpu = nullptr) {
    std::vector<char*> args;
    for (const std::string& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (quiet) {
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    }
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return -1;
    int status = 0;
    struct rusage usage {};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status)) return -1;
    if (cpu)
        *cpu = usage.ru_utime.tv_sec + usage.ru_utime.tv_usec * 1e-6 + usage.ru_stime.tv_sec +
               usage.ru_stime.tv_usec * 1e-6;
    return WEXITSTATUS(status);
}

Timing Time(const std::vector<std::string>& argv, int& exitCode) {
    Timing timing;
    const auto start = std::chrono::steady_clock::now();
    exitCode = Run(argv, true, &timing.cpu);
    timing.wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return timing;
}

template <typename F> double SecondsOf(F&& step) {
    const auto start = std::chrono::steady_clock::now();
    step();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void AppendBlock(std::vector<unsigned char>& file, unsigned char code, std::mt19937& random) {
    file.push_back(code);
    file.insert(file.end(), 18, ' ');
    for (int shift = 24; shift >= 0; shift -= 8)
        file.push_back(static_cast<unsigned char>(kBlockBytes >> shift));
    for (std::size_t i = 0; i < kBlockBytes; i += 4) {
        const auto value = random();
        for (int b = 0; b < 4; ++b)
            file.push_back(static_cast<unsigned char>(value >> (8 * b)));
    }
}

double Median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    char folder[] = "/tmp/bench_sealcheck_XXXXXX";
    if (!mkdtemp(folder)) return 1;
    const std::string vdr = std::string(folder) + "/record.vdr";
    const std::string signature = std::string(folder) + "/record.sig";

    std::mt19937 random(20240115);
    std::vector<unsigned char> file{0x00, 0x02};
    AppendBlock(file, 0x01, random);
    AppendBlock(file, 0x04, random);
    unsigned sum = 0;
    for (std::size_t i = 2; i < file.size(); ++i)
        sum += file[i];
    file.push_back(static_cast<unsigned char>(sum));
    if (FILE* out = std::fopen(vdr.c_str(), "wb")) {
        std::fwrite(file.data(), 1, file.size(), out);
        std::fclose(out);
    }

    int code = Run({SEALSIGN_PROGRAM, "--key", DEV_PRIVATE_KEY_FILE, vdr}, false);
    if (code == 0)
        code =
            Run({"openssl", "dgst", "-sha256", "-sign", DEV_PRIVATE_KEY_FILE, "-out", signature, vdr}, false);
    if (code != 0) {
        std::fprintf(stderr, "bench_sealcheck: cannot sign the record (%d)\n", code);
        return 1;
    }

    const std::vector<std::string> sealcheck{SEALCHECK_PROGRAM, vdr};
    const std::vector<std::string> openssl{"openssl",       "dgst",       "-sha256", "-verify",
                                           PUBLIC_KEY_FILE, "-signature", signature, vdr};
    std::vector<double> oursWall, theirsWall, oursCpu, theirsCpu;
    int oursCode = 0, theirsCode = 0;
    Time(sealcheck, oursCode); // warm the page cache
    Time(openssl, theirsCode);
    for (int i = 0; i < runs && oursCode == 0 && theirsCode == 0; ++i) {
        const Timing a = Time(sealcheck, oursCode);
        const Timing b = Time(openssl, theirsCode);
        oursWall.push_back(a.wall);
        oursCpu.push_back(a.cpu);
        theirsWall.push_back(b.wall);
        theirsCpu.push_back(b.cpu);
    }

    // SealCheck's steps, in this process.
    std::vector<double> readTimes, hashTimes, rsaTimes;
    const auto key = sealcheck::PublicKey::FromPem(sealcheck::EmbeddedPublicKeyPem());
    for (int i = 0; i < runs; ++i) {
        std::vector<std::uint8_t> bytes;
        readTimes.push_back(SecondsOf([&] { sealcheck::ReadWholeFile(vdr.c_str(), 0, bytes); }));
        hashTimes.push_back(SecondsOf([&] { sealcheck::Sha256(bytes); }));
        // The signature test on a one-byte range: all RSA and padding, no hashing to speak of.
        const std::span<const std::uint8_t> file(bytes);
        rsaTimes.push_back(SecondsOf([&] {
            sealcheck::PassesSignatureTest(key, file.first(1),
                                           file.last(257).first(sealcheck::kSignatureBytes));
        }));
    }
    std::remove(vdr.c_str());
    std::remove(signature.c_str());
    rmdir(folder);
    if (oursCode != 0 || theirsCode != 0) {
        std::fprintf(stderr, "bench_sealcheck: verification failed (SealCheck %d, openssl %d)\n", oursCode,
                     theirsCode);
        return 1;
    }

    const double mb = file.size() / 1e6;
    std::printf("record file: %.1f MB, %d runs each, medians\n", mb, runs);
    std::printf("  %-30s wall %7.1f ms  cpu %7.1f ms\n", "SealCheck", Median(oursWall) * 1e3,
                Median(oursCpu) * 1e3);
    std::printf("  %-30s wall %7.1f ms  cpu %7.1f ms\n", "openssl dgst -sha256 -verify",
                Median(theirsWall) * 1e3, Median(theirsCpu) * 1e3);
    std::printf("ratio SealCheck / openssl: wall %.2f, cpu %.2f (goal: at most 1.50)\n",
                Median(oursWall) / Median(theirsWall), Median(oursCpu) / Median(theirsCpu));
    std::printf("SealCheck's steps: read %.1f ms, SHA-256 %.1f ms (%.0f MB/s), RSA check %.2f ms\n",
                Median(readTimes) * 1e3, Median(hashTimes) * 1e3, mb / Median(hashTimes),
                Median(rsaTimes) * 1e3);
    return 0;
}
