// VdrExport FILE: one JSON document on standard output describing a record file
// and every view the analysis window would show for it.
#include "recordfile/TVDR.h"
#include "settings/Big5Codec.h"
#include "tools/vdrexport/ExportSections.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

namespace {
int usage() {
    std::fputs("Usage: VdrExport [--samples] FILE.vdr\n", stderr);
    return 2;
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    ExportOptions options;
    QString file;
    for (const QString& a : args) {
        if (a == QLatin1String("--samples"))
            options.samples = true;
        else if (a.startsWith(QLatin1String("--")) || !file.isEmpty())
            return usage();
        else
            file = a;
    }
    if (file.isEmpty()) return usage();

    TVDR vdr;
    const bool loaded = vdr.LoadFile(file);
    QJsonObject doc;
    doc.insert(QStringLiteral("file"), QFileInfo(file).fileName());
    doc.insert(QStringLiteral("loaded"), loaded);
    QJsonArray blocks;
    if (loaded) {
        for (int i = 0; i < vdr.tableCount(); ++i) {
            const TDVRDataBlock& b = vdr.record().DataBlock[i];
            QJsonObject o;
            o.insert(QStringLiteral("code"), b.u8Code);
            o.insert(QStringLiteral("caption"), Big5Codec::toUnicode(b.Caption).trimmed());
            o.insert(QStringLiteral("length"), static_cast<qint64>(b.u32Len));
            blocks.append(o);
        }
    }
    doc.insert(QStringLiteral("blocks"), blocks);
    if (loaded) {
        for (ExportSection section : ExportSectionList())
            section(vdr, options, doc);
    }
    const QByteArray json = QJsonDocument(doc).toJson(QJsonDocument::Indented);
    std::fwrite(json.constData(), 1, static_cast<size_t>(json.size()), stdout);
    std::fflush(stdout);
    if (!loaded) {
        std::fprintf(stderr, "VdrExport: %s: not a well-formed record file\n",
                     qPrintable(QFileInfo(file).fileName()));
        return 1;
    }
    return 0;
}
