// Decoding and marking of driver activity blocks: a realistic month of a
// delivery vehicle (about 3,000 changes), and full blocks of 65,535 records in
// shapes that make the marking's walks long.
#include "analysis/DriverActivity.h"
#include "fixtures/DriverActivityBuilder.h"

#include <QStringList>
#include <benchmark/benchmark.h>
#include <map>
#include <random>

namespace {
constexpr int kFullBlock = 65535;
constexpr std::int64_t kMinute = DateTimeValue::kMsPerMinute;

const QString kIds[] = {QStringLiteral("A123456789"), QStringLiteral("B223344556"),
                        QStringLiteral("C998877665"), QStringLiteral("D102030405"),
                        QStringLiteral("E555666777")};
const QString kNames[] = {QStringLiteral("王小明"), QStringLiteral("李美華"), QStringLiteral("陳志強"),
                          QStringLiteral("林一"), QStringLiteral("張三")};

DateTimeValue start() {
    return *DateTimeValue::fromParts(2024, 5, 1, 6, 0, 0);
}

// A month of two drivers sharing a vehicle: short drives and stops all day,
// rests of 15 to 45 minutes now and then, powered off at night.
QByteArray realisticMonth() {
    DriverActivityBuilder b;
    std::mt19937 rng(31);
    std::uniform_int_distribution<int> drive(4, 25), stop(1, 8), rest(15, 45), chance(0, 9);
    for (int day = 0; day < 30; ++day) {
        DateTimeValue t = start() + day * DateTimeValue::kMsPerDay;
        for (int shift = 0; shift < 2; ++shift) {
            const int d = (day + shift) % 2;
            b.add(kIds[d], kNames[d], DriverActivityBuilder::Activity('3', shift == 0), t);
            t = t + 2 * kMinute;
            for (int k = 0; k < 24; ++k) {
                b.add(kIds[d], kNames[d], '1', t);
                t = t + drive(rng) * kMinute;
                const bool resting = chance(rng) == 0;
                b.add(kIds[d], kNames[d], resting ? '4' : '2', t);
                t = t + (resting ? rest(rng) : stop(rng)) * kMinute;
            }
        }
        b.add(QString(), QString(), 0x70, t);
    }
    return b.bytes();
}

using Shape = QByteArray (*)();

// One driver resting without end: standby and resting in turn, a minute apart.
QByteArray oneLongRest() {
    DriverActivityBuilder b;
    b.add(kIds[0], kNames[0], '1', start());
    for (int i = 1; i < kFullBlock; ++i)
        b.add(kIds[0], kNames[0], i % 2 ? '3' : '4', start() + i * kMinute);
    return b.bytes();
}

// Rests each closed by a record of unknown state: every rest ends a run that
// reaches back to the first.
QByteArray restsBetweenUnknown() {
    DriverActivityBuilder b;
    b.add(kIds[0], kNames[0], '1', start());
    for (int i = 1; i < kFullBlock; ++i)
        b.add(kIds[0], kNames[0], i % 2 ? '4' : '0', start() + i * kMinute);
    return b.bytes();
}

// Short rest pieces between short drives: every piece sums over the ones before.
QByteArray splitRestPieces() {
    DriverActivityBuilder b;
    for (int i = 0; i < kFullBlock; ++i)
        b.add(kIds[0], kNames[0], i % 2 ? '4' : '1', start() + i * 10 * kMinute);
    return b.bytes();
}

// Chained rest pieces of several drivers, each piece at least 15 minutes.
QByteArray chainedPieces() {
    DriverActivityBuilder b;
    for (int i = 0; i < kFullBlock; ++i)
        b.add(kIds[i % 3], kNames[i % 3], '4', start() + i * 16 * kMinute);
    return b.bytes();
}

// A driver drives once and then only other drivers' records follow.
QByteArray driverNeverDrivesAgain() {
    DriverActivityBuilder b;
    b.add(kIds[0], kNames[0], '4', start());
    b.add(kIds[0], kNames[0], '4', start() + 50 * kMinute);
    for (int i = 2; i < kFullBlock; ++i)
        b.add(kIds[1], kNames[1], i % 2 ? '2' : '4', start() + i * kMinute);
    return b.bytes();
}

// Random states, drivers and gaps, some going back in time.
QByteArray randomMix() {
    DriverActivityBuilder b;
    std::mt19937 rng(5);
    std::uniform_int_distribution<int> driver(0, 4), code(0, 4), gap(-5, 60);
    DateTimeValue t = start();
    for (int i = 0; i < kFullBlock; ++i) {
        const int d = driver(rng);
        b.add(kIds[d], kNames[d], static_cast<std::uint8_t>('0' + code(rng)), t);
        t = t + gap(rng) * kMinute;
    }
    return b.bytes();
}

// Every record another driver: no two driver texts alike.
QByteArray everyRecordAnotherDriver() {
    DriverActivityBuilder b;
    for (int i = 0; i < kFullBlock; ++i)
        b.add(QStringLiteral("X%1").arg(i, 9, 10, QLatin1Char('0')), kNames[i % 5], i % 2 ? '4' : '1',
              start() + i * kMinute);
    return b.bytes();
}

void runAnalyse(benchmark::State& state, const QByteArray& block) {
    const Bytes bytes(reinterpret_cast<const std::uint8_t*>(block.constData()),
                      static_cast<std::size_t>(block.size()));
    for (auto _ : state) {
        DriverActivity a;
        const bool ok = a.Analyse(bytes);
        benchmark::DoNotOptimize(ok);
        benchmark::DoNotOptimize(a.gmDI().data());
    }
    state.counters["records"] = static_cast<double>((block.size() - 2) / 26);
}

void BM_DriverDecodeAndMark(benchmark::State& state, Shape shape) {
    static std::map<Shape, QByteArray> blocks;
    auto it = blocks.find(shape);
    if (it == blocks.end()) it = blocks.emplace(shape, shape()).first;
    runAnalyse(state, it->second);
}

// The rows of the whole month, as the query over every date lists them.
void BM_DriverMonthRows(benchmark::State& state) {
    const QByteArray block = realisticMonth();
    DriverActivity a;
    a.Analyse(Bytes(reinterpret_cast<const std::uint8_t*>(block.constData()),
                    static_cast<std::size_t>(block.size())));
    for (auto _ : state) {
        const auto rows = a.Rows(a.wholeRange());
        benchmark::DoNotOptimize(rows.data());
    }
}

BENCHMARK_CAPTURE(BM_DriverDecodeAndMark, realisticMonth, realisticMonth)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DriverDecodeAndMark, oneLongRest, oneLongRest)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DriverDecodeAndMark, restsBetweenUnknown, restsBetweenUnknown)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DriverDecodeAndMark, splitRestPieces, splitRestPieces)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DriverDecodeAndMark, chainedPieces, chainedPieces)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DriverDecodeAndMark, driverNeverDrivesAgain, driverNeverDrivesAgain)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DriverDecodeAndMark, randomMix, randomMix)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DriverDecodeAndMark, everyRecordAnotherDriver, everyRecordAnotherDriver)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DriverMonthRows)->Unit(benchmark::kMillisecond);
} // namespace

BENCHMARK_MAIN();
