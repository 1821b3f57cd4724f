#include "analysis/GpsModel.h"

#include "analysis/BlockReader.h"

TGPSMinute GpsModel::minute(int i, int m) const {
    TGPSMinute out;
    if (i < 0 || i >= hourCount() || m < 0 || m >= GpsLayout::kMinutesPerHour) return out;
    const BlockReader reader(own());
    const long long at = GpsLayout::MinuteOffset(i, m);
    out.Latitude =
        reader.toBCD(GpsLayout::kLatitudeBytes, at + GpsLayout::kLatitudeOffset) * GpsLayout::kLatitudeScale;
    out.Longitude = reader.toBCD(GpsLayout::kLongitudeBytes, at + GpsLayout::kLongitudeOffset) *
                    GpsLayout::kLongitudeScale;
    out.Altitude = reader.toBCD(GpsLayout::kAltitudeBytes, at + GpsLayout::kAltitudeOffset);
    out.Speed = reader.u8(at + GpsLayout::kSpeedOffset);
    return out;
}

TGPSHour GpsModel::hour(int i) const {
    TGPSHour out;
    if (i < 0 || i >= hourCount()) return out;
    out.szStartDate = szStartDate(i);
    for (int m = 0; m < GpsLayout::kMinutesPerHour; ++m)
        out.GPS[static_cast<std::size_t>(m)] = minute(i, m);
    return out;
}

QString GpsModel::szStartDate(int i) const {
    if (i < 0 || i >= hourCount()) return {};
    return BlockReader(own()).toStringBCD(GpsLayout::kStartBytes,
                                          GpsLayout::RecordOffset(i) + GpsLayout::kStartOffset);
}

QString GpsModel::hourKey(int i) const {
    if (i < 0 || i >= hourCount()) return {};
    // Year (two bytes), month, day and hour: the first five bytes, ten digits.
    return BlockReader(own()).toStringBCD(5, GpsLayout::RecordOffset(i) + GpsLayout::kStartOffset);
}

std::vector<int> GpsModel::hoursOfDay(QStringView yyyymmdd) const {
    std::vector<int> out;
    for (int i = 0; i < hourCount(); ++i)
        if (szStartDate(i).startsWith(yyyymmdd)) out.push_back(i);
    return out;
}
