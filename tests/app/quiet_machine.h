// A machine with fixed figures for controller tests: 16 GiB, 8 GiB free, 4 processors.
#pragma once

#include "app/system_figures.h"

namespace quendal_app::test {

inline ControllerEnvironment quietMachine() {
    ControllerEnvironment env;
    env.memory = [] {
        return std::optional<PhysicalMemory>(PhysicalMemory{16ull << 30, 8ull << 30});
    };
    env.processors = [] { return 4; };
    return env;
}

}  // namespace quendal_app::test
