// MakeDemo OUT.vdr: writes the demo record, a few days of a plausible vehicle
// in every block kind, made from one scenario so the blocks agree.
#include "fixtures/DemoBlocks.h"
#include "fixtures/VdrFileBuilder.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fputs("Usage: MakeDemo OUT.vdr\n", stderr);
        return 2;
    }
    const DemoScenario s = MakeDemoScenario();
    VdrFileBuilder file;
    file.add(kBlockTechnicalData, DemoTechnicalDataBlock(s))
        .add(kBlockEventsAndFaults, DemoEventsAndFaultsBlock(s))
        .add(kBlockDriverActivity, DemoDriverActivityBlock(s))
        .add(kBlockDetailedSpeed, DemoDetailedSpeedBlock(s))
        .add(kBlockGpsPositions, DemoGpsPositionsBlock(s))
        .add(kBlockControlLog, DemoControlLogBlock(s));
    if (!file.write(args[1])) {
        std::fprintf(stderr, "MakeDemo: cannot write %s\n", qPrintable(args[1]));
        return 1;
    }
    return 0;
}
