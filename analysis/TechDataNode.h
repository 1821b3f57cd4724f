#pragma once
// One node of the technical data tree: its text and the nodes under it.
#include <QString>
#include <vector>

struct TechDataNode {
    QString text;
    std::vector<TechDataNode> children;

    TechDataNode& add(const QString& childText) {
        children.push_back({childText, {}});
        return children.back();
    }
};
