// Any bytes as a detailed speed block: the decoder takes it exactly when its
// length fits its count, never reads outside it, and every minute of the list
// finds 120 samples by its own time text; the tree gives a text for any node.
#include "analysis/SpeedDecoder.h"
#include "analysis/SpeedTreeModel.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Bytes block(data, size);
    const auto model = DecodeSpeedRecord(block);
    const std::size_t n = size >= 2 ? (std::size_t(data[0]) << 8 | data[1]) : 0;
    const bool fits = n != 0 && size == 2 + 127 * n;
    if (model->isValid() != fits) __builtin_trap();
    if (model->dayItems().isEmpty() || model->dayItems().first() != SpeedModel::kAllDays) __builtin_trap();
    if (static_cast<std::size_t>(model->count()) > n) __builtin_trap();
    for (int r = 0; r < model->count(); ++r) {
        const QString text = model->text(r);
        if (text.size() != 19) __builtin_trap();
        const Bytes found = model->AnalyseSpeedData(text);
        const Bytes own = model->minuteSamples(r);
        if (found.size() != 120 || own.size() != 120 || !std::equal(found.begin(), found.end(), own.begin()))
            __builtin_trap();
        if (model->recordOf(r) < 0 || model->recordOf(r) >= model->recordCount()) __builtin_trap();
    }
    SpeedTreeModel tree;
    tree.setSpeedModel(model);
    const QModelIndex root = tree.index(0, 0);
    const int minutes = tree.rowCount(root);
    for (int r : {0, minutes / 2, minutes - 1}) {
        const QModelIndex minute = tree.index(r, 0, root);
        if (!minute.isValid()) continue;
        (void)tree.data(minute);
        for (int s : {0, 59})
            if (tree.data(tree.index(s, 0, minute)).toString().size() != 22) __builtin_trap();
    }
    (void)model->AnalyseSpeedData(
        QString::fromLatin1(reinterpret_cast<const char*>(data), qsizetype(std::min<std::size_t>(size, 40))));
    return 0;
}
