#pragma once
// The decoded technical data block: the tree the window shows (absent when the
// block is missing or too short for its head and counts) and the vehicle plate.
#include "analysis/TechDataNode.h"

#include <QString>
#include <optional>

inline const QString kUnknownPlate = QStringLiteral("未知車牌");

struct TechData {
    // The root node "技術資料" with everything under it, or nothing.
    std::optional<TechDataNode> root;
    // The plate, "未知車牌" when the block gives none.
    QString mszVechileID = kUnknownPlate;
};
