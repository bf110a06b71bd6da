// Moves this process into a new memory cgroup with a limit for one scope,
// and back into its own group afterwards: the limit a desktop session or a
// container sets, which the kernel enforces by killing. Inactive where the
// machine does not let the process make a group (not root, no memory
// controller).
#pragma once

#include "app/platform_info.h"

#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

class ScopedMemoryGroup {
public:
    explicit ScopedMemoryGroup(std::uint64_t limit_bytes) {
        const std::string groups = read("/proc/self/cgroup");
        const std::string name = "/tessaval-test-" + std::to_string(::getpid());
        const auto v1 = quendal_app::parse_cgroup_path(groups, "memory");
        const auto v2 = quendal_app::parse_cgroup_path(groups);
        std::string limit_file;
        if (v1) {
            own_ = "/sys/fs/cgroup/memory" + (*v1 == "/" ? std::string() : *v1);
            dir_ = "/sys/fs/cgroup/memory" + name;
            limit_file = "/memory.limit_in_bytes";
        } else if (v2) {
            own_ = "/sys/fs/cgroup" + (*v2 == "/" ? std::string() : *v2);
            dir_ = "/sys/fs/cgroup" + name;
            limit_file = "/memory.max";
        } else {
            return;
        }
        if (::mkdir(dir_.c_str(), 0755) != 0) {
            dir_.clear();
            return;
        }
        active_ = write(dir_ + limit_file, std::to_string(limit_bytes)) &&
                  write(dir_ + "/cgroup.procs", std::to_string(::getpid()));
    }
    ~ScopedMemoryGroup() {
        if (active_) {
            write(own_ + "/cgroup.procs", std::to_string(::getpid()));
        }
        if (!dir_.empty()) {
            ::rmdir(dir_.c_str());
        }
    }
    ScopedMemoryGroup(const ScopedMemoryGroup&) = delete;
    ScopedMemoryGroup& operator=(const ScopedMemoryGroup&) = delete;

    bool active() const { return active_; }

private:
    static std::string read(const std::string& path) {
        std::ifstream in(path);
        std::ostringstream out;
        out << in.rdbuf();
        return out.str();
    }
    static bool write(const std::string& path, const std::string& text) {
        std::ofstream out(path);
        out << text << std::flush;
        return static_cast<bool>(out);
    }

    std::string own_;
    std::string dir_;
    bool active_ = false;
};
