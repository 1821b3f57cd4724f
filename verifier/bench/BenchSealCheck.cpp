// bench_sealcheck [runs]: times SealCheck and `openssl dgst -sha256 -verify` on
// the same 40 MB signed .vdr file, alternating runs, and prints the median of
// each and their ratio. Goal: SealCheck takes at most 1.5 times openssl's time.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <random>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

constexpr std::size_t kBlockBytes = 20u << 20; // two blocks: 40 MB of records

int Run(const std::vector<std::string>& argv, bool quiet) {
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
    if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

double Seconds(const std::vector<std::string>& argv, int& exitCode) {
    const auto start = std::chrono::steady_clock::now();
    exitCode = Run(argv, true);
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
    std::vector<double> ours, theirs;
    int oursCode = 0, theirsCode = 0;
    Seconds(sealcheck, oursCode); // warm the page cache
    Seconds(openssl, theirsCode);
    for (int i = 0; i < runs && oursCode == 0 && theirsCode == 0; ++i) {
        ours.push_back(Seconds(sealcheck, oursCode));
        theirs.push_back(Seconds(openssl, theirsCode));
    }
    std::remove(vdr.c_str());
    std::remove(signature.c_str());
    rmdir(folder);
    if (oursCode != 0 || theirsCode != 0) {
        std::fprintf(stderr, "bench_sealcheck: verification failed (SealCheck %d, openssl %d)\n", oursCode,
                     theirsCode);
        return 1;
    }

    const double a = Median(ours), b = Median(theirs);
    std::printf("record file: %zu bytes, %d runs each\n", file.size(), runs);
    std::printf("SealCheck                   median %8.1f ms  best %8.1f ms\n", a * 1e3,
                *std::min_element(ours.begin(), ours.end()) * 1e3);
    std::printf("openssl dgst -sha256 -verify median %8.1f ms  best %8.1f ms\n", b * 1e3,
                *std::min_element(theirs.begin(), theirs.end()) * 1e3);
    std::printf("ratio SealCheck / openssl: %.2f (goal: at most 1.50)\n", a / b);
    return 0;
}
