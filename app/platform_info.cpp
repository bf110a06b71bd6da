#include "app/platform_info.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <sched.h>
#include <sstream>
#include <sys/stat.h>
#include <thread>
#include <vector>

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

bool is_directory(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// "name value" lines of a memory.stat text.
std::optional<std::uint64_t> stat_value(std::string_view text, std::string_view name) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t end = std::min(text.find('\n', pos), text.size());
        const std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        if (line.size() > name.size() && line.substr(0, name.size()) == name &&
            line[name.size()] == ' ') {
            return parse_unsigned(line.substr(name.size() + 1));
        }
    }
    return std::nullopt;
}

// The directory of the group at `path` under the hierarchy mounted at
// `mount`, then each group above it up to the mount's top. A mount that
// shows the hierarchy from one of the path's groups down (a container
// without its own group namespace) holds only the rest of the path: the
// longest tail of it that is there is the group.
std::vector<std::string> group_and_ancestors(const std::string& mount, std::string_view path) {
    std::vector<std::string> dirs;
    if (!is_directory(mount)) {
        return dirs;
    }
    std::string_view tail = path == "/" ? std::string_view() : path;
    while (!tail.empty() && !is_directory(mount + std::string(tail))) {
        const std::size_t next = tail.find('/', 1);
        tail = next == std::string_view::npos ? std::string_view() : tail.substr(next);
    }
    std::string dir = mount + std::string(tail);
    while (true) {
        dirs.push_back(dir);
        if (dir.size() <= mount.size()) {
            break;
        }
        dir.erase(dir.rfind('/'));
    }
    return dirs;
}

// Caps the figures by one group: its limit, and in the older hierarchy also
// the least limit of it and every group above it, which a mount that shows
// only part of the hierarchy still gives. What the group holds counts
// against the limit less the file cache it could drop (usage less inactive
// file pages; the older hierarchy's totals include the groups below, as its
// usage does).
void cap_by_group(PhysicalMemory& memory, const std::string& dir, bool unified) {
    const std::string stat = read_file(dir + "/memory.stat");
    std::optional<std::uint64_t> held =
        parse_unsigned(read_file(dir + (unified ? "/memory.current" : "/memory.usage_in_bytes")));
    if (held) {
        std::optional<std::uint64_t> cache =
            stat_value(stat, unified ? "inactive_file" : "total_inactive_file");
        if (!cache && !unified) {
            cache = stat_value(stat, "inactive_file");
        }
        *held -= std::min(*held, cache.value_or(0));
    }
    if (const auto limit = parse_cgroup_limit(
            read_file(dir + (unified ? "/memory.max" : "/memory.limit_in_bytes")))) {
        memory = apply_cgroup_limit(memory, *limit, held);
    }
    if (!unified) {
        if (const auto limit = stat_value(stat, "hierarchical_memory_limit")) {
            memory = apply_cgroup_limit(memory, *limit, held);
        }
    }
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
        const std::size_t second =
            first == std::string_view::npos ? first : line.find(':', first + 1);
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
                                  std::optional<std::uint64_t> held) {
    // Each limit is one more minimum: one above what an earlier group left
    // changes nothing.
    memory.total_bytes = std::min(memory.total_bytes, limit);
    const std::uint64_t room = held ? (*held < limit ? limit - *held : 0) : limit;
    memory.available_bytes = std::min({memory.available_bytes, room, memory.total_bytes});
    return memory;
}

std::optional<PhysicalMemory> physical_memory_under(const std::string& root) {
    auto memory = parse_meminfo(read_file(root + "/proc/meminfo"));
    if (!memory) {
        return std::nullopt;
    }
    // The unified hierarchy (mounted alone, or beside the older one), then
    // the older memory hierarchy: every group from the process's own up to
    // the top that the mount shows caps the figures.
    const std::string groups = read_file(root + "/proc/self/cgroup");
    if (const auto path = parse_cgroup_path(groups)) {
        for (const char* mount : {"/sys/fs/cgroup", "/sys/fs/cgroup/unified"}) {
            for (const std::string& dir : group_and_ancestors(root + mount, *path)) {
                cap_by_group(*memory, dir, true);
            }
        }
    }
    if (const auto path = parse_cgroup_path(groups, "memory")) {
        for (const std::string& dir : group_and_ancestors(root + "/sys/fs/cgroup/memory", *path)) {
            cap_by_group(*memory, dir, false);
        }
    }
    return memory;
}

std::optional<PhysicalMemory> physical_memory() {
    return physical_memory_under(std::string());
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
