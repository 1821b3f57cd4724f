#pragma once
// Value helpers shared by every decoder: record bytes to numbers, texts and dates.
// Each reads bytes[nOffset] .. bytes[nOffset + nLength - 1]; an nLength of 0 or
// less reads nothing. Ranges are checked: a helper asked for bytes outside the
// block reads nothing and gives the empty result (0, empty text, the zero date).
#include "settings/DateTimeValue.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <span>

using Bytes = std::span<const std::uint8_t>;

// True when bytes[nOffset .. nOffset + nLength - 1] lie inside the block.
bool InRange(Bytes bytes, int nLength, long long nOffset);

std::int32_t ToLong(Bytes bytes, int nLength, long long nOffset);
// The four bytes at nOffset, little-endian.
std::int32_t ToUnixTime(Bytes bytes, long long nOffset = 0);
std::int32_t ToBCD(Bytes bytes, int nLength, long long nOffset);
QString ToStringBCD(Bytes bytes, int nLength, long long nOffset);
QString ToStringHEX(Bytes bytes, int nLength, long long nOffset);
// 8-bit text, trimmed of every leading and trailing byte of 20H or less.
QByteArray ToString(Bytes bytes, int nLength, long long nOffset);

// 14 digits yyyymmddhhnnss to a date-time; anything else, or a date-time
// outside the calendar, gives the zero date-time.
DateTimeValue BCDToDateTime(const QString& szBCDDate);
// "yyyy/mm/dd hh:nn:ss" assembled from the 14 characters without any check;
// "1970/01/01 00:00:00" unless there are 14 characters.
QString BCDToDateTimeString(const QString& szBCDDate);
// BCDToDateTime(ToStringBCD(...)) as "yyyy/mm/dd hh:nn:ss".
QString ToStringBCDDateTime(Bytes bytes, int nLength, long long nOffset);

// The record time text of seven BCD bytes: "%.2X%.2X/%.2X/%.2X %.2X:%.2X:%.2X".
QString BCDTimeText(Bytes bytes, long long nOffset);
// The seven BCD time bytes at nOffset as a date-time, when their text is a real
// date and time.
bool BCDTimeValue(Bytes bytes, long long nOffset, DateTimeValue& out);

// "yyyy/mm/dd hh:nn:ss" of a date-time value.
QString FormatDateTime(const DateTimeValue& value);
