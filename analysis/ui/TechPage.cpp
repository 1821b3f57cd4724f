#include "analysis/ui/TechPage.h"

#include "analysis/TechData.h"

#include <QHeaderView>
#include <QLayout>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
QTreeWidgetItem* makeItem(const TechDataNode& node) {
    auto* item = new QTreeWidgetItem(QStringList{node.text});
    QList<QTreeWidgetItem*> children;
    children.reserve(static_cast<qsizetype>(node.children.size()));
    for (const TechDataNode& c : node.children)
        children.append(makeItem(c));
    item->addChildren(children);
    return item;
}

bool isAncestor(const QTreeWidgetItem* ancestor, const QTreeWidgetItem* item) {
    for (const QTreeWidgetItem* p = item ? item->parent() : nullptr; p; p = p->parent())
        if (p == ancestor) return true;
    return false;
}

void fillTabSheet(QWidget* tabSheet, QWidget* page) {
    QLayout* layout = tabSheet->layout();
    if (!layout) {
        layout = new QVBoxLayout(tabSheet);
        layout->setContentsMargins(0, 0, 0, 0);
    }
    layout->addWidget(page);
}
} // namespace

TechPage::TechPage(QWidget* tabSheet) : QWidget(tabSheet) {
    setObjectName(QStringLiteral("TechPage"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    TV4Tech = new QTreeWidget(this);
    TV4Tech->setObjectName(QStringLiteral("TV4Tech"));
    TV4Tech->setColumnCount(1);
    TV4Tech->setHeaderHidden(true);
    TV4Tech->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TV4Tech->setUniformRowHeights(true);
    layout->addWidget(TV4Tech);
    fillTabSheet(tabSheet, this);
    connect(TV4Tech, &QTreeWidget::currentItemChanged, this, &TechPage::AutoExpand);
}

void TechPage::Clear() {
    TV4Tech->clear();
}

void TechPage::Show(const TechData& data) {
    TV4Tech->clear();
    if (!data.root) return;
    QTreeWidgetItem* root = makeItem(*data.root);
    TV4Tech->addTopLevelItem(root);
    if (root->childCount() > 0) TV4Tech->setCurrentItem(root->child(0));
}

void TechPage::AutoExpand(QTreeWidgetItem* current, QTreeWidgetItem* previous) {
    if (previous && previous != current && !isAncestor(previous, current)) previous->setExpanded(false);
    for (QTreeWidgetItem* p = current; p; p = p->parent())
        p->setExpanded(true);
}
