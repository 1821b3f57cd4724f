#include "analysis/TechDataDecoder.h"

#include "analysis/BlockReader.h"
#include "settings/Big5Codec.h"

using namespace TechLayout;

namespace {
QString text(const BlockReader& r, int size, long long offset) {
    return Big5Codec::toUnicode(r.toString(size, offset));
}

QString digits(const BlockReader& r, int size, long long offset) {
    return r.toStringBCD(size, offset);
}

QString countCaption(const char16_t* format, long long count) {
    return QString::fromUtf16(format).arg(count);
}

void addCalibrations(TechDataNode& group, const BlockReader& r, long long from, int count) {
    for (int k = 0; k < count; ++k) {
        const BlockReader rec = r.sub(from + static_cast<long long>(k) * kCalibrationSize, kCalibrationSize);
        group.add(QStringLiteral("校正前日期時間：[%1] 公里數：[%2] --> 校正後日期時間：[%3] 公里數：[%4] "
                                 "調校者姓名：[%5] ")
                      .arg(digits(rec, kTimeSize, kCalTimeBeforeOffset),
                           FormatOdometer(rec.slice(kCalOdometerBeforeOffset, kCalOdometerSize)),
                           digits(rec, kTimeSize, kCalTimeAfterOffset),
                           FormatOdometer(rec.slice(kCalOdometerAfterOffset, kCalOdometerSize)),
                           text(rec, kCalNameSize, kCalNameOffset)));
    }
}

void addClockAdjustments(TechDataNode& group, const BlockReader& r, long long from, int count) {
    for (int k = 0; k < count; ++k) {
        const BlockReader rec = r.sub(from + static_cast<long long>(k) * kClockSize, kClockSize);
        group.add(QStringLiteral("調整前日期時間：[%1] --> 調整後日期時間：[%2] ")
                      .arg(digits(rec, kTimeSize, kClockTimeBeforeOffset),
                           digits(rec, kTimeSize, kClockTimeAfterOffset)));
    }
}

void addThresholds(TechDataNode& group, const BlockReader& r, long long from, int count) {
    for (int k = 0; k < count; ++k) {
        const BlockReader rec = r.sub(from + static_cast<long long>(k) * kThresholdSize, kThresholdSize);
        group.add(QStringLiteral("調整前日期時間：[%1] 門檻值：[%2] --> 調整後日期時間：[%3] 門檻值：[%4]")
                      .arg(digits(rec, kTimeSize, kThrTimeBeforeOffset),
                           digits(rec, kThrValueSize, kThrValueBeforeOffset),
                           digits(rec, kTimeSize, kThrTimeAfterOffset),
                           digits(rec, kThrValueSize, kThrValueAfterOffset)));
    }
}
} // namespace

QString FormatOdometer(Bytes field) {
    const std::int32_t tenths = ToBCD(field, static_cast<int>(field.size()), 0);
    return (QString::number(tenths / 10) + QLatin1Char('.') + QString::number(tenths % 10))
        .rightJustified(9, QLatin1Char(' '));
}

QString DecodeTechPlate(Bytes block) {
    return text(BlockReader(block), kPlateSize, kPlateOffset);
}

TechData DecodeTechData(Bytes block) {
    TechData out;
    const BlockReader r(block);
    const long long length = static_cast<long long>(r.size());

    // The head and every count must lie inside the block.
    if (length < kHeadSize) return out;
    const int c1 = static_cast<int>(r.be(kCalibrationCountSize, kCalibrationCountOffset));
    const long long c2At = kHeadSize + static_cast<long long>(kCalibrationSize) * c1;
    if (length <= c2At) return out;
    const int c2 = r.u8(c2At);
    const long long c3At = c2At + kCountSize + static_cast<long long>(kClockSize) * c2;
    if (length <= c3At) return out;
    const int c3 = r.u8(c3At);
    const long long c4At = c3At + kCountSize + static_cast<long long>(kThresholdSize) * c3;
    if (length <= c4At) return out;
    const int c4 = r.u8(c4At);
    const long long expected = c4At + kCountSize + static_cast<long long>(kThresholdSize) * c4;

    const QString plate = text(r, kPlateSize, kPlateOffset);
    out.mszVechileID = plate.isEmpty() ? kUnknownPlate : plate;

    TechDataNode root{QStringLiteral("技術資料"), {}};
    root.add(QStringLiteral("車裝機體製造商名稱：") + text(r, kMakerNameSize, kMakerNameOffset));
    root.add(QStringLiteral("車裝機體製造商地址：") + text(r, kMakerAddressSize, kMakerAddressOffset));
    root.add(QStringLiteral("車裝機體序號：") + r.toStringHEX(kSerialSize, kSerialOffset));
    root.add(QStringLiteral("車裝機體軟體號碼：") + text(r, kSoftwareNumberSize, kSoftwareNumberOffset));
    root.add(QStringLiteral("車裝機體軟體版本安裝日期時間：") +
             r.toStringBCDDateTime(kInstallTimeSize, kInstallTimeOffset));
    root.add(QStringLiteral("車裝機體製造年份：") + digits(r, kYearSize, kYearOffset));
    root.add(QStringLiteral("車裝機體認證號碼：") + text(r, kApprovalSize, kApprovalOffset));
    root.add(QStringLiteral("車牌號碼：") + out.mszVechileID);

    if (length != expected) {
        root.add(QStringLiteral("區塊錯誤：區塊標示資料長度 [%1], 但應為 [%2]").arg(length).arg(expected));
    } else {
        addCalibrations(root.add(countCaption(u"校正紀錄：[%1] 筆", c1)), r, kHeadSize, c1);
        addClockAdjustments(root.add(countCaption(u"時間調整紀錄：[%1] 筆", c2)), r, c2At + kCountSize, c2);
        addThresholds(root.add(countCaption(u"連續行駛時間門檻值調整紀錄：[%1] 筆", c3)), r,
                      c3At + kCountSize, c3);
        addThresholds(root.add(countCaption(u"累計休息時間門檻值調整紀錄：[%1] 筆", c4)), r,
                      c4At + kCountSize, c4);
    }
    out.root = std::move(root);
    return out;
}
