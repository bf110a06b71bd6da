// The benchmark spots, fixed in code.
#pragma once

#include "core/game.h"

#include <memory>
#include <string>
#include <vector>

namespace quendal::bench {

struct BenchSpot {
    std::string name;
    std::string board;
    TreeConfig config;
    std::string oop_range;
    std::string ip_range;
};

std::vector<BenchSpot> bench_spots();
const BenchSpot* find_spot(const std::string& name);
Board board_from_text(const std::string& text);

}  // namespace quendal::bench
