#include "session/action_labels.h"

#include "core/card.h"
#include "expect_throw_message.h"

#include <map>

#include <gtest/gtest.h>

namespace quendal_app {
namespace {

using quendal::PlanAction;

TEST(ActionLabels, TypeCodesOfEveryKind) {
    const char* expected[] = {"none",  "fold",  "check",  "call", "bet",
                              "raise", "allin", "chance", "none"};
    for (int kind = 0; kind <= 8; ++kind) {
        EXPECT_EQ(action_type_code(static_cast<std::uint8_t>(kind)), expected[kind]) << kind;
    }
}

TEST(ActionLabels, LabelsAndCodesAtAPot) {
    const struct {
        std::uint8_t kind;
        std::int32_t amount, pot;
        const char* label;
        const char* code;
    } cases[] = {
        {quendal::kFold, 0, 1000, "Fold", "fold"},
        {quendal::kCheck, 0, 1000, "Check", "check"},
        {quendal::kCall, 500, 1000, "Call", "call"},
        {quendal::kAllInAction, 12345, 1000, "All-In", "allin"},
        {quendal::kAllInAction, 0, -5, "All-In", "allin"},
        {quendal::kBet, 3300, 10000, "Bet 33%", "bet 33%"},
        {quendal::kRaise, 2000, 3000, "Raise 67%", "raise 67%"},  // 66.67 rounds up
        {quendal::kRaise, 750, 300, "Raise 250%", "raise 250%"},
        {quendal::kBet, 0, 1000, "Bet 0%", "bet 0%"},
        {quendal::kBet, 500, 0, "Bet", "bet"},
        {quendal::kRaise, 500, -100, "Raise", "raise"},
        {quendal::kDeal, 51, 1000, "As", "chance"},
        {quendal::kDeal, 0, 0, "2c", "chance"},
        {0, 0, 1000, "Action", "none"},
        {8, 0, 1000, "Action", "none"},
    };
    for (const auto& c : cases) {
        const PlanAction action{c.kind, c.amount};
        EXPECT_EQ(action_display_label(action, c.pot), c.label) << int(c.kind) << " " << c.amount;
        EXPECT_EQ(action_code(action, c.pot), c.code) << int(c.kind) << " " << c.amount;
    }
}

TEST(ActionLabels, DealOfAnInvalidCardFails) {
    // 300 would be a valid card if narrowed to a byte.
    for (const std::int32_t amount : {52, 300, -1}) {
        EXPECT_THROW_MSG(action_display_label(PlanAction{quendal::kDeal, amount}, 100),
                         std::out_of_range, "Card code must be in [0, 52)");
    }
    EXPECT_EQ(action_code(PlanAction{quendal::kDeal, 300}, 100), "chance");
}

TEST(ActionLabels, TheGridOf169Classes) {
    const std::vector<std::string> labels = hand_class_labels_169();
    ASSERT_EQ(labels.size(), 169u);
    EXPECT_EQ(labels[0], "AA");
    EXPECT_EQ(labels[1], "AKs");
    EXPECT_EQ(labels[2], "AQs");
    EXPECT_EQ(labels[13], "AKo");
    EXPECT_EQ(labels[14], "KK");
    EXPECT_EQ(labels[15], "KQs");
    EXPECT_EQ(labels[155], "32s");
    EXPECT_EQ(labels[167], "32o");
    EXPECT_EQ(labels[168], "22");
    // Every two-card hand's class is a grid entry: 13 pairs × 6, 78 suited × 4, 78 offsuit × 12.
    std::map<std::string, int> count;
    for (int a = 0; a < 52; ++a) {
        for (int b = a + 1; b < 52; ++b) {
            ++count[hand_class_label(quendal::make_pocket(a, b))];
        }
    }
    ASSERT_EQ(count.size(), 169u);
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const int row = static_cast<int>(i) / 13, column = static_cast<int>(i) % 13;
        const int expected = row == column ? 6 : row < column ? 4 : 12;
        EXPECT_EQ(count[labels[i]], expected) << labels[i];
    }
}

TEST(ActionLabels, ClassOfAHandIgnoresCardOrder) {
    const auto card = [](const char* text) { return quendal::parse_card(text); };
    EXPECT_EQ(hand_class_label(quendal::pack_hole_cards(card("As"), card("Ks"))), "AKs");
    EXPECT_EQ(hand_class_label(quendal::pack_hole_cards(card("Ks"), card("As"))), "AKs");
    EXPECT_EQ(hand_class_label(quendal::make_pocket(card("Kd"), card("Kh"))), "KK");
    EXPECT_EQ(hand_class_label(quendal::make_pocket(card("2c"), card("3h"))), "32o");
}

}  // namespace
}  // namespace quendal_app
