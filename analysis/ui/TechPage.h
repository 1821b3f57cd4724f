#pragma once
// The technical data tab: the tree of the unit's data and change logs.
#include <QWidget>

class QTreeWidget;
class QTreeWidgetItem;
struct TechData;

class TechPage : public QWidget {
    Q_OBJECT
  public:
    // Fills the tab sheet it is created in.
    explicit TechPage(QWidget* tabSheet);

    void Clear();
    // Shows the decoded tree (nothing when it has none) and selects the
    // maker's name node.
    void Show(const TechData& data);

    QTreeWidget* TV4Tech = nullptr;

  private:
    // Automatic expansion: the node becoming current opens (with its
    // ancestors), the one losing the selection closes unless it holds the new one.
    void AutoExpand(QTreeWidgetItem* current, QTreeWidgetItem* previous);
};
