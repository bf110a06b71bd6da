// Where the controller's machine figures and dates come from: the real
// machine and clock by default, fixed ones in tests.
#pragma once

#include "app/platform_info.h"

#include <QDateTime>
#include <functional>
#include <optional>

namespace quendal_app {

struct ControllerEnvironment {
    // Physical memory, or nothing when it cannot be read.
    std::function<std::optional<PhysicalMemory>()> memory = physical_memory;
    // Processors the process may use; 0 when unknown.
    std::function<int()> processors = processor_count;
    // The local date and time.
    std::function<QDateTime()> now = [] { return QDateTime::currentDateTime(); };
};

}  // namespace quendal_app
