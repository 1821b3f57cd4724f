// Loading a 40 MB record (a 32 MB position block and an 8 MB speed block)
// against reading the same file whole into memory.
#include "fixtures/VdrFileBuilder.h"
#include "recordfile/TVDR.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>
#include <sys/stat.h>

namespace {
const QString& recordPath() {
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString p = dir.path() + QStringLiteral("/month.vdr");
        QByteArray gps(32 * 1024 * 1024, '\0');
        QByteArray speed(8 * 1024 * 1024, '\0');
        for (qsizetype i = 0; i < gps.size(); ++i)
            gps[i] = static_cast<char>(i * 31 + (i >> 9));
        for (qsizetype i = 0; i < speed.size(); ++i)
            speed[i] = static_cast<char>(i * 17 + (i >> 7));
        VdrFileBuilder().add(0x02, QByteArray(125, '\x20')).add(0x04, gps).add(0x01, speed).write(p);
        return p;
    }();
    return path;
}

void BM_PlainRead(benchmark::State& state) {
    const QByteArray name = QFile::encodeName(recordPath());
    for (auto _ : state) {
        std::FILE* f = std::fopen(name.constData(), "rb");
        struct stat st {};
        fstat(fileno(f), &st);
        auto buffer = std::make_unique_for_overwrite<char[]>(static_cast<std::size_t>(st.st_size));
        const std::size_t got = std::fread(buffer.get(), 1, static_cast<std::size_t>(st.st_size), f);
        std::fclose(f);
        benchmark::DoNotOptimize(buffer.get());
        if (got != static_cast<std::size_t>(st.st_size)) state.SkipWithError("short read");
    }
    state.SetBytesProcessed(state.iterations() * QFileInfo(recordPath()).size());
}
BENCHMARK(BM_PlainRead)->Unit(benchmark::kMillisecond);

void BM_LoadFile(benchmark::State& state) {
    TVDR vdr;
    for (auto _ : state) {
        if (!vdr.LoadFile(recordPath())) state.SkipWithError("load failed");
        benchmark::DoNotOptimize(vdr.GetData(0x04).data());
    }
    state.SetBytesProcessed(state.iterations() * QFileInfo(recordPath()).size());
}
BENCHMARK(BM_LoadFile)->Unit(benchmark::kMillisecond);
} // namespace

BENCHMARK_MAIN();
