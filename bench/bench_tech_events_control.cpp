// Decoding the technical data, events and faults, and system control blocks at
// their largest: 65535 calibration records, 255 faults and 255 events, 65535
// control entries, each with the texts the window lists.
#include "analysis/ControlLogDecoder.h"
#include "analysis/EventFaultDecoder.h"
#include "analysis/TechDataDecoder.h"
#include "fixtures/ControlLogBuilder.h"
#include "fixtures/EventFaultBuilder.h"
#include "fixtures/TechDataBuilder.h"

#include <benchmark/benchmark.h>

namespace {
Bytes span(const QByteArray& b) {
    return {reinterpret_cast<const std::uint8_t*>(b.constData()), static_cast<std::size_t>(b.size())};
}

QByteArray techBlock(int calibrations) {
    TechDataBuilder b;
    for (int i = 0; i < calibrations; ++i)
        b.calibrations.push_back({QStringLiteral("校正員%1").arg(i),
                                  std::uint32_t(1000000 + i),
                                  std::uint32_t(1000005 + i),
                                  BcdTime(2021, 6, 1 + i % 28, i % 24, i % 60, 0),
                                  BcdTime(2021, 6, 1 + i % 28, i % 24, i % 60, 30),
                                  {}});
    for (int i = 0; i < 255; ++i) {
        b.clockAdjustments.push_back({BcdTime(2021, 7, 1, 0, 0, 0), BcdTime(2021, 7, 1, 0, 0, 30)});
        b.drivingThresholds.push_back({BcdTime(2021, 7, 2, 0, 0, 0), BcdTime(2021, 7, 2, 0, 1, 0), 240, 230});
        b.restThresholds.push_back({BcdTime(2021, 7, 3, 0, 0, 0), BcdTime(2021, 7, 3, 0, 1, 0), 30, 45});
    }
    return b.bytes();
}

void BM_DecodeTechData(benchmark::State& state) {
    const QByteArray block = techBlock(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        TechData d = DecodeTechData(span(block));
        benchmark::DoNotOptimize(d);
    }
    state.SetBytesProcessed(state.iterations() * block.size());
}
BENCHMARK(BM_DecodeTechData)->Arg(300)->Arg(65535)->Unit(benchmark::kMillisecond);

void BM_DecodeEventsAndFaults(benchmark::State& state) {
    EventFaultBuilder b;
    for (int i = 0; i < 255; ++i) {
        b.fault(static_cast<char>('a' + i % 9), BcdTime(2023, 1, 1 + i % 28, i % 24, 0, 0),
                BcdTime(2023, 1, 1 + i % 28, i % 24, 30, 0));
        b.event(static_cast<char>('A' + i % 2), BcdTime(2023, 2, 1 + i % 28, 0, i % 60, 0),
                QByteArray(7, '\0'), i);
    }
    const QByteArray block = b.bytes();
    for (auto _ : state) {
        const std::vector<EventFaultRow> rows = DecodeEventsAndFaults(span(block));
        for (const EventFaultRow& r : rows)
            benchmark::DoNotOptimize(r.texts());
    }
    state.SetItemsProcessed(state.iterations() * 510);
}
BENCHMARK(BM_DecodeEventsAndFaults)->Unit(benchmark::kMicrosecond);

void BM_DecodeControlLog(benchmark::State& state) {
    ControlLogBuilder b;
    for (std::uint32_t k = 0; k < 65535; ++k)
        b.add(1600000000u + k * 97u, static_cast<std::uint8_t>(k % 103));
    const QByteArray block = b.bytes();
    for (auto _ : state) {
        const std::vector<TControlInfo> info = DecodeControlLog(span(block));
        for (std::size_t i = 0; i < info.size(); ++i)
            benchmark::DoNotOptimize(ControlLogTexts(i, info[i]));
    }
    state.SetItemsProcessed(state.iterations() * 65535);
}
BENCHMARK(BM_DecodeControlLog)->Unit(benchmark::kMillisecond);
} // namespace

BENCHMARK_MAIN();
