#include "analysis/EventFaultRow.h"

QStringList EventFaultRow::texts() const {
    return {QString::number(nNo),
            bEvent ? QStringLiteral("事件") : QStringLiteral("故障"),
            szCode,
            szDescription,
            szStart,
            szEnd,
            bEvent ? QString::number(nCount) : QString()};
}
