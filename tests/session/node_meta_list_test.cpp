#include "session/solve_records.h"

#include <gtest/gtest.h>

namespace quendal_app {
namespace {

SolveNodeMeta decision_node() {
    SolveNodeMeta meta;
    meta.kind = "decision";
    meta.player = "OOP";
    meta.pot = 1000;
    meta.invested_oop = 100;
    meta.actions = {{"Check", "check", 0.25f, 1}, {"Bet 50%", "bet 50%", 0.75f, 2}};
    return meta;
}

SolveNodeMeta chance_node() {
    SolveNodeMeta meta;
    meta.kind = "chance";
    meta.street = "turn";
    meta.pot = 2000;
    meta.actions = {{"Ah", "chance", 1.0f, 4}};
    return meta;
}

void expect_same(const SolveNodeMeta& got, const SolveNodeMeta& want) {
    EXPECT_EQ(
        std::tie(got.kind, got.street, got.player, got.pot, got.invested_oop, got.invested_ip),
        std::tie(want.kind, want.street, want.player, want.pot, want.invested_oop,
                 want.invested_ip));
    ASSERT_EQ(got.actions.size(), want.actions.size());
    for (std::size_t j = 0; j < want.actions.size(); ++j) {
        EXPECT_EQ(std::tie(got.actions[j].label, got.actions[j].code, got.actions[j].frequency,
                           got.actions[j].child),
                  std::tie(want.actions[j].label, want.actions[j].code, want.actions[j].frequency,
                           want.actions[j].child));
    }
}

TEST(NodeMetaList, GivesBackEveryRecordByIndexAndInOrder) {
    const std::vector<SolveNodeMeta> records = {decision_node(), chance_node(), SolveNodeMeta{},
                                                decision_node()};
    NodeMetaList list;
    for (const SolveNodeMeta& meta : records) {
        list.push_back(meta);
    }
    ASSERT_EQ(list.size(), records.size());
    std::size_t i = 0;
    for (const SolveNodeMeta& meta : list) {
        expect_same(meta, records[i]);
        expect_same(list[i], records[i]);
        ++i;
    }
    EXPECT_EQ(i, records.size());
    // Each text is held once: the two decision nodes name the same ids.
    EXPECT_EQ(list.node(0).kind, list.node(3).kind);
    EXPECT_EQ(list.action(0, 1).label, list.action(3, 1).label);
    EXPECT_EQ(list.text(list.node(2).kind), "");
    EXPECT_EQ(list.action_total(), 5u);
}

TEST(NodeMetaList, ACopyKeepsItsRecordsWhenTheOtherChanges) {
    NodeMetaList list;
    list.push_back(decision_node());
    const NodeMetaList copy = list;
    list.mutable_action(0, 0).frequency = 0.5f;
    list.push_back(chance_node());
    EXPECT_EQ(copy.size(), 1u);
    EXPECT_EQ(copy.action(0, 0).frequency, 0.25f);
    EXPECT_EQ(list.action(0, 0).frequency, 0.5f);
    expect_same(list[1], chance_node());
    const NodeMetaList none;
    EXPECT_TRUE(none.empty());
    EXPECT_EQ(none.begin(), none.end());
}

}  // namespace
}  // namespace quendal_app
