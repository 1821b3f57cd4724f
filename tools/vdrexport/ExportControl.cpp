// "control": the rows of the system control list, each its three column texts.
#include "analysis/ControlLogDecoder.h"
#include "tools/vdrexport/ExportSections.h"

#include <QJsonArray>

void ExportControl(const TVDR& vdr, const ExportOptions&, QJsonObject& out) {
    const std::vector<TControlInfo> info = DecodeControlLog(vdr.GetData(kBlockControlLog));
    QJsonArray rows;
    for (std::size_t i = 0; i < info.size(); ++i)
        rows.append(QJsonArray::fromStringList(ControlLogTexts(i, info[i])));
    out.insert(QStringLiteral("control"), rows);
}
