#include "bench_spots.h"

namespace quendal::bench {

namespace {

constexpr const char* kWideRange =
    "22+, A2+, K2s+, K7o+, Q4s+, Q9o+, J7s+, J9o+, T7s+, T9o, 97s+, 86s+, 75s+, 64s+, 54s";
constexpr const char* kNarrowRange =
    "22+, A2s+, A7o+, K8s+, KTo+, Q9s+, QTo+, J9s+, JTo, T8s+, 97s+, 87s, 76s, 65s, 54s";

TreeConfig sized(std::uint8_t street, std::int32_t pot, std::int32_t stack, const char* bets,
                 const char* raises, bool leads) {
    TreeConfig c;
    c.start_street = street;
    c.starting_pot = pot;
    c.effective_stack = stack;
    for (StreetConfig* s : {&c.flop, &c.turn, &c.river}) {
        s->oop = s->ip = parse_street_sizes(bets, raises);
        if (leads) {
            s->oop_lead = s->oop.bets;
        }
    }
    return c;
}

}  // namespace

std::vector<BenchSpot> bench_spots() {
    std::vector<BenchSpot> spots;
    spots.push_back({"river", "KsQd7h4c2s", sized(2, 10000, 10000, "33%, 75%", "60%, 100%", false),
                     kWideRange, kNarrowRange});
    spots.push_back({"turn", "KsQd7h4c", sized(1, 10000, 10000, "33%, 75%", "60%, 100%", false),
                     kWideRange, kNarrowRange});
    spots.push_back({"flop", "Ah8d3c", sized(0, 10000, 10000, "33%, 75%", "50%, 100%", false),
                     kWideRange, kNarrowRange});
    BenchSpot raked = spots.back();
    raked.name = "flop-rake";
    raked.config.rake_rate = 0.05;
    raked.config.rake_cap = 300;
    spots.push_back(raked);
    spots.push_back({"flop-twotone", "Kh8h3c",
                     sized(0, 10000, 10000, "33%, 75%", "50%, 100%", false),
                     "22+, A2s+, K9s+, QTs+, JTs, ATo+, KJo+", "22+, A2s+, KTs+, QJs, AJo+, KQo"});
    // The tests' tiny flop: a few hands each, a pot bet is all-in.
    spots.push_back({"tiny-flop", "Ah8d3c", sized(0, 1000, 1000, "100%", "", false),
                     "AA, 88, A8s, KQs, 76s", "33, AKs, QJs, T9s"});
    spots.push_back(
        {"3bet-pot", "QsJh2h", sized(0, 1000, 9500, "100%, a", "50%, a", true),
         "AA,KK,QQ,JJ,TT,99,88,AK,AQ,AJ,ATs,ATo:0.75,A9s,A8s,A5s:0.5,A4s:0.5,A3s:0.5,A2s:0.5,KQ,"
         "KJs,KJo:0.75,KTs,KTo:0.25,K9s,QJs,QJo:0.5,QTs,Q9s,JTs,JTo:0.25,J9s,J8s,T9s,T8s,T7s:0.45,"
         "98s,97s,96s:0.45,87s,86s:0.75,85s:0.45,76s:0.75,75s:0.75,74s:0.45,65s:0.75,64s:0.5,63s:"
         "0.45,54s:0.75,53s:0.5,52s:0.45,43s:0.5,42s:0.45,32s:0.45",
         "AA:0.25,99,88,77,66,55,44,33,22,AQo,AJ,AT,A9,A8,A7s,A6s,A5s,A4s,A3s,A2s,KQ,KJ,KT,K9,K8s,"
         "K7s,K6s,K5s,K4s,K3s,K2s,QJ,QT,Q9,Q8s,Q7s,Q6s,Q5s,Q4s,Q3s,Q2s,JT,J9,J8s,J7s,J6s,T9,T8s,"
         "T7s,T6s,98,97s,96s,95s:0.5,87s,86s,85s:0.5,76s,75s,74s:0.5,65s,64s,63s:0.5,54s,53s:0.5,"
         "43s"});
    return spots;
}

const BenchSpot* find_spot(const std::string& name) {
    static const std::vector<BenchSpot> spots = bench_spots();
    for (const BenchSpot& spot : spots) {
        if (spot.name == name) {
            return &spot;
        }
    }
    return nullptr;
}

Board board_from_text(const std::string& text) {
    Board board{kNoCard, kNoCard, kNoCard, kNoCard, kNoCard};
    for (std::size_t i = 0; 2 * i + 1 < text.size() && i < 5; ++i) {
        board[i] = parse_card(text.substr(2 * i, 2));
    }
    return board;
}

}  // namespace quendal::bench
