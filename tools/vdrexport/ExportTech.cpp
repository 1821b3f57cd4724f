// "tech": the technical data tree as nested {"text", "children"} objects from
// the root node, or null when the tree stays empty; "plate": the vehicle plate.
#include "analysis/TechDataDecoder.h"
#include "tools/vdrexport/ExportSections.h"

#include <QJsonArray>

namespace {
QJsonObject node(const TechDataNode& n) {
    QJsonArray children;
    for (const TechDataNode& c : n.children)
        children.append(node(c));
    QJsonObject o;
    o.insert(QStringLiteral("text"), n.text);
    o.insert(QStringLiteral("children"), children);
    return o;
}
} // namespace

void ExportTech(const TVDR& vdr, const ExportOptions&, QJsonObject& out) {
    const TechData data = DecodeTechData(vdr.GetData(kBlockTechnicalData));
    out.insert(QStringLiteral("tech"),
               data.root ? QJsonValue(node(*data.root)) : QJsonValue(QJsonValue::Null));
    out.insert(QStringLiteral("plate"), data.mszVechileID);
}
