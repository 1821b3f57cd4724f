// Decoding the detailed speed and GPS position blocks at their largest: 65,535
// minute records (eight MB) and 49,000 hour records (about 32 MB), models and
// day lists included, views excluded. Also the look-ups the charts and the
// detail text make over such blocks, and the longest stretch without a point
// where the loading run lets the window process events ("gap_ms", the median
// over the runs of each run's longest gap; "gap_worst_ms" also counts the
// moments another process had the processor).
#include "analysis/GpsDecoder.h"
#include "analysis/GpsDetailQuery.h"
#include "analysis/SpeedDecoder.h"
#include "analysis/SpeedTreeModel.h"
#include "fixtures/GpsBuilder.h"
#include "fixtures/SpeedBuilder.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cmath>
#include <functional>
#include <vector>

namespace {
constexpr int kSpeedRecords = 65535;
constexpr int kGpsRecords = 49000;
// The loading run's progress ranges: speed 61 .. 95 (35 positions) and
// positions 33 .. 60; the position decoder pumps events every 100 hours.
constexpr int kSpeedSpan = 35;
constexpr int kGpsPumpEvery = 100;

Bytes view(const QByteArray& b) {
    return Bytes(reinterpret_cast<const std::uint8_t*>(b.constData()), static_cast<std::size_t>(b.size()));
}

DateTimeValue start() {
    return *DateTimeValue::fromParts(2024, 1, 1, 5, 0, 0);
}

// Driving days: a minute record every minute, speeds drifting with the hour.
const QByteArray& speedBlock() {
    static const QByteArray block = [] {
        SpeedBuilder b;
        for (int i = 0; i < kSpeedRecords; ++i) {
            SpeedBuilder::Samples s;
            for (int j = 0; j < 120; ++j)
                s[static_cast<std::size_t>(j)] =
                    static_cast<std::uint8_t>(60 + 40 * std::sin((i * 120 + j) / 900.0));
            b.minute(start() + i * DateTimeValue::kMsPerMinute, s);
        }
        return b.bytes();
    }();
    return block;
}

// Consecutive hours with a fix in every minute, wandering around Taipei.
const QByteArray& gpsBlock() {
    static const QByteArray block = [] {
        GpsBuilder b;
        for (int h = 0; h < kGpsRecords; ++h) {
            b.hour(start() + h * DateTimeValue::kMsPerHour);
            for (int m = 0; m < 60; ++m) {
                const double t = (h * 60 + m) / 500.0;
                b.fix(m, 25.033964 + 0.2 * std::sin(t), 121.56446 + 0.2 * std::cos(t), 35 + (m % 40),
                      40 + (m % 60));
            }
        }
        return b.bytes();
    }();
    return block;
}

void BM_DecodeSpeed65535(benchmark::State& state) {
    const Bytes block = view(speedBlock());
    std::size_t days = 0;
    for (auto _ : state) {
        auto model = DecodeSpeedRecord(block);
        days = static_cast<std::size_t>(model->dayItems().size());
        benchmark::DoNotOptimize(model);
    }
    state.counters["minutes"] = kSpeedRecords;
    state.counters["day_items"] = static_cast<double>(days);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(block.size()));
}
BENCHMARK(BM_DecodeSpeed65535)->Unit(benchmark::kMillisecond);

void BM_DecodeGps49000(benchmark::State& state) {
    const Bytes block = view(gpsBlock());
    std::size_t days = 0;
    for (auto _ : state) {
        auto model = DecodeGpsRecord(block);
        days = static_cast<std::size_t>(model->days().size());
        benchmark::DoNotOptimize(model);
    }
    state.counters["hours"] = kGpsRecords;
    state.counters["days"] = static_cast<double>(days);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(block.size()));
}
BENCHMARK(BM_DecodeGps49000)->Unit(benchmark::kMillisecond);

// The longest time between two points where the loading run would let the
// window process events (every `every` records of the decoder's callback),
// one decode per iteration; reports the median and the worst gap.
template <typename Decode> void measureGaps(benchmark::State& state, Decode decode, int every) {
    std::vector<double> gaps;
    for (auto _ : state) {
        QElapsedTimer t;
        t.start();
        qint64 last = 0, gap = 0;
        decode([&](int i) {
            if (i % every != 0) return;
            const qint64 now = t.nsecsElapsed();
            gap = std::max(gap, now - last);
            last = now;
        });
        gap = std::max(gap, t.nsecsElapsed() - last);
        gaps.push_back(gap / 1e6);
    }
    if (gaps.empty()) return;
    std::sort(gaps.begin(), gaps.end());
    state.counters["gap_ms"] = gaps[gaps.size() / 2];
    state.counters["gap_worst_ms"] = gaps.back();
}

void BM_SpeedDecodeEventGap(benchmark::State& state) {
    const Bytes block = view(speedBlock());
    measureGaps(
        state, [&](const std::function<void(int)>& onRecord) { DecodeSpeedRecord(block, onRecord); },
        kSpeedRecords / kSpeedSpan);
}
BENCHMARK(BM_SpeedDecodeEventGap)->Unit(benchmark::kMillisecond);

void BM_GpsDecodeEventGap(benchmark::State& state) {
    const Bytes block = view(gpsBlock());
    measureGaps(
        state, [&](const std::function<void(int)>& onRecord) { DecodeGpsRecord(block, onRecord); },
        kGpsPumpEvery);
}
BENCHMARK(BM_GpsDecodeEventGap)->Unit(benchmark::kMillisecond);

// The whole-day chart looks every minute up by its time text.
void BM_SpeedLookupEveryMinute(benchmark::State& state) {
    const auto model = DecodeSpeedRecord(view(speedBlock()));
    const QStringList texts = model->texts();
    for (auto _ : state) {
        std::int64_t sum = 0;
        for (const QString& t : texts)
            sum += model->AnalyseSpeedData(t)[0];
        benchmark::DoNotOptimize(sum);
    }
    state.counters["minutes"] = static_cast<double>(texts.size());
}
BENCHMARK(BM_SpeedLookupEveryMinute)->Unit(benchmark::kMillisecond);

// The test-centre tree of four million nodes: setting it up and reading the
// nodes a view shows on one screen.
void BM_SpeedTreeScreen(benchmark::State& state) {
    const auto model = DecodeSpeedRecord(view(speedBlock()));
    SpeedTreeModel tree;
    for (auto _ : state) {
        tree.setSpeedModel(model);
        const QModelIndex root = tree.index(0, 0);
        const QModelIndex minute = tree.index(kSpeedRecords / 2, 0, root);
        for (int s = 0; s < 40; ++s)
            benchmark::DoNotOptimize(tree.data(tree.index(s, 0, minute)));
        benchmark::DoNotOptimize(tree.rowCount(root));
    }
}
BENCHMARK(BM_SpeedTreeScreen)->Unit(benchmark::kMicrosecond);

// A detail query over the whole record (2,940,000 lines): the query itself
// (the window's only step before it shows the text) and one screen of lines.
void BM_GpsDetailWholeRecord(benchmark::State& state) {
    const auto model = DecodeGpsRecord(view(gpsBlock()));
    const QString from = GpsDetailQuery::RangeKey(model->days().first(), u"00");
    const QString to = GpsDetailQuery::RangeKey(model->days().last(), u"23");
    qsizetype lines = 0;
    for (auto _ : state) {
        GpsDetailQuery query(model, from, to);
        lines = query.lineCount();
        for (qsizetype i = lines / 2; i < lines / 2 + 40; ++i)
            benchmark::DoNotOptimize(query.line(i));
    }
    state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(BM_GpsDetailWholeRecord)->Unit(benchmark::kMillisecond);

// Writing a whole day (1,440 lines) as code page 950 text.
void BM_GpsDetailWriteDay(benchmark::State& state) {
    const auto model = DecodeGpsRecord(view(gpsBlock()));
    const QString day = model->days().at(model->days().size() / 2);
    GpsDetailQuery query(model, GpsDetailQuery::RangeKey(day, u"00"), GpsDetailQuery::RangeKey(day, u"23"));
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        query.WriteText(buffer);
        benchmark::DoNotOptimize(buffer.data().size());
    }
    state.counters["lines"] = static_cast<double>(query.lineCount());
}
BENCHMARK(BM_GpsDetailWriteDay)->Unit(benchmark::kMillisecond);
} // namespace

BENCHMARK_MAIN();
