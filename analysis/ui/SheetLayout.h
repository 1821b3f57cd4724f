#pragma once
// The vertical layout of a tab sheet, made on first use, so that two pages can
// share one sheet.
#include <QVBoxLayout>
#include <QWidget>

inline QVBoxLayout* sheetLayout(QWidget* sheet) {
    if (auto* layout = qobject_cast<QVBoxLayout*>(sheet->layout())) return layout;
    auto* layout = new QVBoxLayout(sheet);
    layout->setContentsMargins(0, 0, 0, 0);
    return layout;
}
