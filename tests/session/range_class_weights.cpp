#include "range_class_weights.h"

#include "session/action_labels.h"
#include "session/sizing_text.h"

#include <cstdio>
#include <map>

namespace quendal_app::testing {

namespace {

// Presets of the interface, as the shell writes them.
constexpr const char* kPresetA =
    "88+,A8s+,A5s-A2s:0.5,AJo+,ATo:0.75,K9s+,KQo,KJo:0.75,KTo:0.25,Q9s+,QJo:0.5,"
    "J8s+,JTo:0.25,T8s+,T7s:0.45,97s+,96s:0.45,87s,86s:0.75,85s:0.45,75s+:0.75,74s:0.45,"
    "65s:0.75,64s:0.5,63s:0.45,54s:0.75,53s:0.5,52s:0.45,43s:0.5,42s:0.45,32s:0.45";
constexpr const char* kPresetB =
    "AA:0.25,99-22,AJs-A2s,AQo-A8o,K2s+,K9o+,Q2s+,Q9o+,J6s+,J9o+,T6s+,T9o,96s+,95s:0.5,"
    "98o,86s+,85s:0.5,75s+,74s:0.5,64s+,63s:0.5,54s,53s:0.5,43s";

std::string json_string(const std::string& s) {
    std::string out = "\"";
    for (const char c : s) {
        if (c == '"' || c == '\\') {
            out += '\\';
        }
        out += c;
    }
    return out + "\"";
}

std::string json_number(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.9g", v);
    return buf;
}

}  // namespace

const std::vector<std::string>& range_grammar_texts() {
    static const std::vector<std::string> texts = {
        // Single classes, either case.
        "AA",
        "aa",
        "AK",
        "ak",
        "AKs",
        "akS",
        "AKo",
        "T9o",
        "32",
        // "+": pairs, a kicker under a fixed rank, connectors and gappers.
        "JJ+",
        "22+",
        "AA+",
        "A8s+",
        "K9o+",
        "AKs+",
        "AK+",
        "A2+",
        "T9s+",
        "65s+",
        "T9o+",
        "98+",
        "86s+",
        "Q2s+",
        // Spans: pairs either way, kickers, connectors, and blocks.
        "99-22",
        "22-99",
        "A5s-A2s",
        "A2s-A5s",
        "KTo-K7o",
        "AK-AT",
        "T9s-65s",
        "65s-T9s",
        "K9s-QTs",
        "A5s-K2s",
        "J9o-T7o",
        // Exact combos, alone and over their class.
        "AhKs",
        "AsAh",
        "AhKh",
        "QhJs+",
        "AhKh-AhQh",
        "AKo:0.5,AhKs",
        "AhKs,AKo:0.5",
        "2c2d+",
        // Weights, the last mention of a combo winning.
        "AA:0.5",
        "AA:0.5,AA",
        "AA,AA:0.5",
        "QQ+:0.5,AA",
        "AA:.5",
        "AA:1",
        "AA:0,KK",
        "AA:1e-1",
        "AA:0x0.8",
        "AA:0.3",
        "A5s-A2s:0.5",
        "T9s+:0.25",
        "JJ-88:0.75,TT",
        // Whole-deck percentages.
        "50%",
        "100%",
        "12.5%",
        " 50% ",
        "5.%",
        "33.3%",
        "0%",
        // White space inside items and empty items.
        "A K",
        "A5s - A2s",
        "QQ + , AK",
        "AA : 0.5",
        "Ah Ks",
        "AA,,KK",
        "AA, KK,",
        ",AA",
        // The presets.
        kPresetA,
        kPresetB,
    };
    return texts;
}

std::string range_class_weights_json() {
    const std::vector<std::string> labels = hand_class_labels_169();
    std::string out = "[\n";
    const std::vector<std::string>& texts = range_grammar_texts();
    for (std::size_t t = 0; t < texts.size(); ++t) {
        const quendal::RangeWeights range = parse_range_text(texts[t]);
        std::map<std::string, std::pair<double, int>> sums;
        for (int a = 0; a < quendal::kCardCount; ++a) {
            for (int b = a + 1; b < quendal::kCardCount; ++b) {
                const auto ca = static_cast<quendal::CardCode>(a);
                const auto cb = static_cast<quendal::CardCode>(b);
                auto& sum = sums[hand_class_label(quendal::make_pocket(ca, cb))];
                sum.first += range[quendal::combo_index(ca, cb)];
                sum.second += 1;
            }
        }
        std::string weights;
        for (const std::string& label : labels) {
            const auto& sum = sums.at(label);
            const double mean = sum.first / sum.second;
            if (mean > 0.0) {
                weights +=
                    (weights.empty() ? "" : ", ") + json_string(label) + ": " + json_number(mean);
            }
        }
        out += "  {\"text\": " + json_string(texts[t]) + ", \"weights\": {" + weights + "}}";
        out += t + 1 < texts.size() ? ",\n" : "\n";
    }
    return out + "]\n";
}

}  // namespace quendal_app::testing
