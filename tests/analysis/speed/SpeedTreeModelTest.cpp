// The test-centre edition's speed tree: its shape and node texts, produced
// from the speed model on demand.
#include "analysis/SpeedTreeModel.h"
#include "analysis/SpeedDecoder.h"
#include "fixtures/SpeedBuilder.h"

#include <gtest/gtest.h>

namespace {
Bytes view(const QByteArray& b) {
    return Bytes(reinterpret_cast<const std::uint8_t*>(b.constData()), static_cast<std::size_t>(b.size()));
}
QString text(const QAbstractItemModel& m, const QModelIndex& i) {
    return m.data(i).toString();
}
} // namespace

TEST(SpeedTree, HalfSecondNodeText) {
    struct Case {
        int second, at0, at5;
        const char* expected;
    };
    const Case cases[] = {
        {0, 0, 120, "00.0:(  0)  00.5:(120)"},
        {7, 5, 65, "07.0:(  5)  07.5:( 65)"},
        {59, 255, 9, "59.0:(255)  59.5:(  9)"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SpeedModel::HalfSecondText(c.second, c.at0, c.at5), QString::fromLatin1(c.expected));
}

TEST(SpeedTree, RootMinutesAndSecondsFromTheBlock) {
    SpeedBuilder::Samples first{};
    first[0] = 0x00; // offset 7: speed at 00.0
    first[1] = 0x78; // offset 8: speed at 00.5, 120 km/h
    first[118] = 33;
    first[119] = 44;
    const QByteArray block = SpeedBuilder()
                                 .minute(2021, 6, 7, 10, 0, 0, first)
                                 .rawMinute({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF})
                                 .minute(2021, 6, 7, 10, 1, 0, SpeedBuilder::Constant(61))
                                 .bytes();
    SpeedTreeModel tree;
    tree.setSpeedModel(DecodeSpeedRecord(view(block)));

    ASSERT_EQ(tree.rowCount(), 1);
    const QModelIndex root = tree.index(0, 0);
    // The root counts every record of the block, the fill record included.
    EXPECT_EQ(text(tree, root), QStringLiteral("詳細車速資料：[3] 筆"));
    EXPECT_FALSE(tree.parent(root).isValid());
    ASSERT_EQ(tree.rowCount(root), 2);

    const QModelIndex m0 = tree.index(0, 0, root), m1 = tree.index(1, 0, root);
    EXPECT_EQ(text(tree, m0), QStringLiteral("2021/06/07 10:00:00"));
    EXPECT_EQ(text(tree, m1), QStringLiteral("2021/06/07 10:01:00"));
    EXPECT_EQ(tree.parent(m1), root);
    ASSERT_EQ(tree.rowCount(m0), 60);

    EXPECT_EQ(text(tree, tree.index(0, 0, m0)), QStringLiteral("00.0:(  0)  00.5:(120)"));
    EXPECT_EQ(text(tree, tree.index(59, 0, m0)), QStringLiteral("59.0:( 33)  59.5:( 44)"));
    EXPECT_EQ(text(tree, tree.index(30, 0, m1)), QStringLiteral("30.0:( 61)  30.5:( 61)"));

    const QModelIndex s = tree.index(59, 0, m1);
    EXPECT_EQ(tree.parent(s), m1);
    EXPECT_EQ(tree.rowCount(s), 0);
    EXPECT_FALSE(tree.hasChildren(s));
    EXPECT_EQ(tree.minuteOf(s), 1);
    EXPECT_EQ(tree.minuteOf(m1), 1);
    EXPECT_EQ(tree.minuteOf(root), -1);
    // Out-of-range rows give no node.
    EXPECT_FALSE(tree.index(60, 0, m0).isValid());
    EXPECT_FALSE(tree.index(2, 0, root).isValid());
    EXPECT_FALSE(tree.index(1, 0).isValid());
}

TEST(SpeedTree, SecondNodesShowTheirOwnRecordEvenForARepeatedMinute) {
    const QByteArray block = SpeedBuilder()
                                 .minute(2021, 6, 7, 10, 0, 0, SpeedBuilder::Constant(10))
                                 .minute(2021, 6, 7, 10, 0, 0, SpeedBuilder::Constant(20))
                                 .bytes();
    SpeedTreeModel tree;
    tree.setSpeedModel(DecodeSpeedRecord(view(block)));
    const QModelIndex second = tree.index(1, 0, tree.rootIndex());
    EXPECT_EQ(text(tree, tree.index(0, 0, second)), QStringLiteral("00.0:( 20)  00.5:( 20)"));
}

TEST(SpeedTree, EmptyWithoutAValidBlock) {
    SpeedTreeModel tree;
    EXPECT_EQ(tree.rowCount(), 0);
    tree.setSpeedModel(DecodeSpeedRecord(view(SpeedBuilder().minute(2021, 6, 7, 10, 0).count(2).bytes())));
    EXPECT_EQ(tree.rowCount(), 0);
    tree.setSpeedModel(DecodeSpeedRecord(view(SpeedBuilder().minute(2021, 6, 7, 10, 0).bytes())));
    EXPECT_EQ(tree.rowCount(), 1);
    tree.clear();
    EXPECT_EQ(tree.rowCount(), 0);
}
