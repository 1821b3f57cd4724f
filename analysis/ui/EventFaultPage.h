#pragma once
// The events and faults tab: one list row per listed fault or event record.
#include <QWidget>
#include <span>

class QTreeWidget;
struct EventFaultRow;

class EventFaultPage : public QWidget {
    Q_OBJECT
  public:
    // Fills the tab sheet it is created in.
    explicit EventFaultPage(QWidget* tabSheet);

    void Clear();
    // Appends the rows to the list.
    void AddRows(std::span<const EventFaultRow> rows);

    QTreeWidget* LV4EventAndFault = nullptr;
};
