#pragma once
// The system control tab: one list row per entry of the control log.
#include "analysis/ControlLogInfo.h"

#include <QWidget>
#include <vector>

class QTreeWidget;

class ControlPage : public QWidget {
    Q_OBJECT
  public:
    // Fills the tab sheet it is created in.
    explicit ControlPage(QWidget* tabSheet);

    void Clear();
    // Empties the list and adds one row per entry, in order.
    void LV4ControlShow(const std::vector<TControlInfo>& mControlInfo);

    QTreeWidget* LV4Control = nullptr;
};
