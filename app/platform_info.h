// What the machine offers the process: physical memory and processors.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quendal_app {

struct PhysicalMemory {
    std::uint64_t total_bytes = 0;
    std::uint64_t available_bytes = 0;
};

// MemTotal and MemAvailable of a /proc/meminfo text, in bytes; nothing when
// either line is missing or unreadable.
std::optional<PhysicalMemory> parse_meminfo(std::string_view text);

// A cgroup memory limit file ("max" or a byte count): the limit, or nothing
// when unlimited or unreadable.
std::optional<std::uint64_t> parse_cgroup_limit(std::string_view text);

// The path of the process's cgroup from a /proc/self/cgroup text: in the
// unified hierarchy (the "0::" line) when `controller` is empty, else in the
// older hierarchy that holds the controller ("4:memory:/x"); nothing when
// there is none.
std::optional<std::string> parse_cgroup_path(std::string_view text,
                                             std::string_view controller = {});

// A memory limit, when lower than the machine's memory, caps the total, and
// the limit less what the group holds that cannot be reclaimed caps what is
// available.
PhysicalMemory apply_cgroup_limit(PhysicalMemory memory, std::uint64_t limit,
                                  std::optional<std::uint64_t> held);

// Physical memory of the machine whose files lie under `root` (proc/meminfo,
// proc/self/cgroup, the groups under sys/fs/cgroup) as the process may use
// it: the least of the machine's figures and those that the memory limit of
// the process's own group and of each group above it leave. Nothing when
// meminfo cannot be read.
std::optional<PhysicalMemory> physical_memory_under(const std::string& root);

// The same for this machine.
std::optional<PhysicalMemory> physical_memory();

// The processors the process may run on (its affinity mask), at least 1.
int processor_count();

}  // namespace quendal_app
