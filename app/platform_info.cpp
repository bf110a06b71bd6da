#include "app/platform_info.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <sched.h>
#include <sstream>
#include <thread>

namespace quendal_app {

namespace {

std::string read_file(const std::string& path) {
    std::ifstream in(path);
    if (!in) {
        return {};
    }
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

std::string_view trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

std::optional<std::uint64_t> parse_unsigned(std::string_view text) {
    text = trim(text);
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end == text.data()) {
        return std::nullopt;
    }
    return value;
}

// "Name:   12345 kB" → bytes.
std::optional<std::uint64_t> meminfo_value(std::string_view text, std::string_view name) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t end = std::min(text.find('\n', pos), text.size());
        const std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        if (line.size() <= name.size() || line.substr(0, name.size()) != name ||
            line[name.size()] != ':') {
            continue;
        }
        std::string_view rest = trim(line.substr(name.size() + 1));
        std::uint64_t multiplier = 1;
        if (rest.size() >= 2 && rest.substr(rest.size() - 2) == "kB") {
            multiplier = 1024;
            rest = trim(rest.substr(0, rest.size() - 2));
        }
        const auto value = parse_unsigned(rest);
        if (!value || *value > UINT64_MAX / multiplier) {
            return std::nullopt;
        }
        return *value * multiplier;
    }
    return std::nullopt;
}

}  // namespace

std::optional<PhysicalMemory> parse_meminfo(std::string_view text) {
    const auto total = meminfo_value(text, "MemTotal");
    const auto available = meminfo_value(text, "MemAvailable");
    if (!total || !available) {
        return std::nullopt;
    }
    return PhysicalMemory{*total, std::min(*available, *total)};
}

std::optional<std::uint64_t> parse_cgroup_limit(std::string_view text) {
    if (trim(text) == "max") {
        return std::nullopt;
    }
    return parse_unsigned(text);
}

std::optional<std::string> parse_cgroup_path(std::string_view text, std::string_view controller) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t end = std::min(text.find('\n', pos), text.size());
        const std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        // "id:controllers:path"; the unified hierarchy has id 0 and no controllers.
        const std::size_t first = line.find(':');
        const std::size_t second = first == std::string_view::npos ? first : line.find(':', first + 1);
        if (second == std::string_view::npos) {
            continue;
        }
        const std::string_view id = line.substr(0, first);
        const std::string_view list = line.substr(first + 1, second - first - 1);
        bool match = controller.empty() ? id == "0" && list.empty() : false;
        for (std::size_t at = 0; !controller.empty() && at <= list.size();) {
            const std::size_t comma = std::min(list.find(',', at), list.size());
            match = match || list.substr(at, comma - at) == controller;
            at = comma + 1;
        }
        const std::string_view path = trim(line.substr(second + 1));
        if (match && !path.empty() && path.front() == '/' &&
            path.find("..") == std::string_view::npos) {
            return std::string(path);
        }
    }
    return std::nullopt;
}

PhysicalMemory apply_cgroup_limit(PhysicalMemory memory, std::uint64_t limit,
                                  std::optional<std::uint64_t> usage) {
    if (limit >= memory.total_bytes) {
        return memory;
    }
    memory.total_bytes = limit;
    const std::uint64_t room = usage ? (*usage < limit ? limit - *usage : 0) : limit;
    memory.available_bytes = std::min({memory.available_bytes, room, limit});
    return memory;
}

std::optional<PhysicalMemory> physical_memory() {
    auto memory = parse_meminfo(read_file("/proc/meminfo"));
    if (!memory) {
        return std::nullopt;
    }
    // The unified hierarchy (mounted alone, or beside the older one), then
    // the older memory hierarchy; each limit that is lower caps the figures.
    const std::string groups = read_file("/proc/self/cgroup");
    const auto cap = [&](const std::string& dir, const char* limit_file, const char* usage_file) {
        if (const auto limit = parse_cgroup_limit(read_file(dir + limit_file))) {
            *memory = apply_cgroup_limit(*memory, *limit, parse_unsigned(read_file(dir + usage_file)));
        }
    };
    if (const auto path = parse_cgroup_path(groups)) {
        const std::string sub = *path == "/" ? std::string() : *path;
        for (const char* root : {"/sys/fs/cgroup", "/sys/fs/cgroup/unified"}) {
            cap(root + sub, "/memory.max", "/memory.current");
        }
    }
    if (const auto path = parse_cgroup_path(groups, "memory")) {
        cap("/sys/fs/cgroup/memory" + (*path == "/" ? std::string() : *path),
            "/memory.limit_in_bytes", "/memory.usage_in_bytes");
    }
    return memory;
}

int processor_count() {
    cpu_set_t set;
    CPU_ZERO(&set);
    if (sched_getaffinity(0, sizeof(set), &set) == 0) {
        return std::max(1, CPU_COUNT(&set));
    }
    // More processors than the fixed mask holds: count what the library sees.
    return std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
}

}  // namespace quendal_app
