// The export tool's "speed" key: the day list and minute list the window shows,
// and with --samples the 120 looked-up speeds of every minute.
#include "fixtures/SpeedBuilder.h"
#include "fixtures/VdrFileBuilder.h"
#include "tests/support/ExportOf.h"
#include "tools/vdrexport/ExportSections.h"

#include <QJsonArray>
#include <QJsonObject>
#include <cstring>
#include <gtest/gtest.h>

namespace {
QJsonObject exportOf(const VdrFileBuilder& file, bool samples) {
    ExportOptions options;
    options.samples = samples;
    return ExportOf(ExportSpeed, file, options).value("speed").toObject();
}

QJsonArray jsonSamples(const SpeedBuilder::Samples& s) {
    QJsonArray a;
    for (std::uint8_t v : s)
        a.append(v);
    return a;
}
} // namespace

TEST(SpeedExport, DaysMinutesAndSamples) {
    const auto a = SpeedBuilder::Ramp(0), b = SpeedBuilder::Constant(88);
    const VdrFileBuilder file =
        VdrFileBuilder().add(kBlockDetailedSpeed, SpeedBuilder()
                                                      .minute(2021, 6, 7, 23, 59, 0, a)
                                                      .minute(2021, 6, 8, 0, 0, 0, b)
                                                      .minute(2021, 6, 7, 23, 59, 0, b)
                                                      .bytes());
    const QJsonObject plain = exportOf(file, false);
    EXPECT_EQ(plain.value("days").toArray(), QJsonArray({"全部", "2021/06/07", "2021/06/08", "2021/06/07"}));
    EXPECT_EQ(plain.value("minutes").toArray(),
              QJsonArray({"2021/06/07 23:59:00", "2021/06/08 00:00:00", "2021/06/07 23:59:00"}));
    EXPECT_FALSE(plain.contains("samples"));

    const QJsonArray samples = exportOf(file, true).value("samples").toArray();
    ASSERT_EQ(samples.size(), 3);
    EXPECT_EQ(samples[0].toArray(), jsonSamples(a));
    EXPECT_EQ(samples[1].toArray(), jsonSamples(b));
    EXPECT_EQ(samples[2].toArray(), jsonSamples(a)); // the repeated minute looks up the first record
}

TEST(SpeedExport, WithoutAUsableBlockOnlyTheAllItem) {
    const QByteArray wrongLength = SpeedBuilder().minute(2021, 6, 7, 10, 0).trailing("x").bytes();
    for (const VdrFileBuilder& file :
         {VdrFileBuilder(), VdrFileBuilder().add(kBlockDetailedSpeed, wrongLength)}) {
        const QJsonObject speed = exportOf(file, true);
        EXPECT_EQ(speed.value("days").toArray(), QJsonArray({"全部"}));
        EXPECT_TRUE(speed.value("minutes").toArray().isEmpty());
        EXPECT_TRUE(speed.value("samples").toArray().isEmpty());
    }
}
