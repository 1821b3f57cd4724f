#pragma once
// One listed row of the events and faults block: a fault or event record
// whose start is a real date and time and whose end is one too or means "not ended".
#include "settings/DateTimeValue.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

struct EventFaultRow {
    int nNo = 0;             // running number of the listed rows, from 1
    bool bEvent = false;     // event record (else fault record)
    std::uint8_t u8Code = 0; // the code byte as stored
    QString szCode;          // the code as text
    QString szDescription;   // the code's description, empty for an unknown code
    QString szStart;         // start time text, the digits as stored
    QString szEnd;           // end time text, or "未結束"
    DateTimeValue start;
    std::optional<DateTimeValue> end; // absent when not ended
    int nCount = 0;                   // occurrences of the same event (events only)

    // The seven column texts of the list, in column order.
    QStringList texts() const;
};
