// Runs this process for one scope under a memory limit set above it, as a
// desktop session's slice or a container sets one, which the kernel enforces
// by killing: below the process's own memory group it makes a group with the
// limit and an unlimited group below that, and moves the process into the
// lower one; at the end of the scope the process goes back and both groups
// go. Groups left by a run that died are removed when the next one starts.
// Inactive, with the reason, where the machine lets the process make no
// such groups (not allowed, no memory controller, or a unified hierarchy
// whose own group holds other processes and so cannot pass the memory
// controller on).
#pragma once

#include "app/platform_info.h"

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <dirent.h>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

class ScopedMemoryGroup {
public:
    explicit ScopedMemoryGroup(std::uint64_t limit_bytes) {
        const std::string groups = read("/proc/self/cgroup");
        std::string limit_file;
        if (const auto v1 = quendal_app::parse_cgroup_path(groups, "memory")) {
            own_ = "/sys/fs/cgroup/memory" + (*v1 == "/" ? std::string() : *v1);
            limit_file = "memory.limit_in_bytes";
        } else if (const auto v2 = quendal_app::parse_cgroup_path(groups)) {
            own_ = "/sys/fs/cgroup" + (*v2 == "/" ? std::string() : *v2);
            unified_ = true;
            limit_file = "memory.max";
            if (!has_word(read(own_ + "/cgroup.controllers"), "memory")) {
                reason_ = "no memory controller in " + own_;
                return;
            }
        } else {
            reason_ = "no memory group";
            return;
        }
        remove_left_behind();
        limited_ = own_ + "/" + kPrefix + std::to_string(::getpid());
        inner_ = limited_ + "/run";
        if (::mkdir(limited_.c_str(), 0755) != 0 || ::mkdir(inner_.c_str(), 0755) != 0) {
            reason_ = "cannot make a group below " + own_ + ": " + std::strerror(errno);
            return;
        }
        if (unified_ && !exists(limited_ + "/" + limit_file)) {
            // The own group passes the memory controller on only once no
            // process is left in it.
            if (!move_here(inner_)) {
                reason_ = "cannot move into " + inner_ + ": " + std::strerror(errno);
                return;
            }
            if (!write(own_ + "/cgroup.subtree_control", "+memory")) {
                reason_ = own_ + " holds other processes: it cannot pass the memory controller on";
                return;
            }
            passed_on_ = true;
        }
        if (!write(limited_ + "/" + limit_file, std::to_string(limit_bytes))) {
            reason_ = "cannot set a limit in " + limited_ + ": " + std::strerror(errno);
            return;
        }
        if (!moved_ && !move_here(inner_)) {
            reason_ = "cannot move into " + inner_ + ": " + std::strerror(errno);
            return;
        }
        active_ = true;
    }
    ~ScopedMemoryGroup() {
        if (passed_on_) {
            write(own_ + "/cgroup.subtree_control", "-memory");
        }
        if (moved_) {
            move_here(own_);
        }
        remove(inner_);
        remove(limited_);
    }
    ScopedMemoryGroup(const ScopedMemoryGroup&) = delete;
    ScopedMemoryGroup& operator=(const ScopedMemoryGroup&) = delete;

    bool active() const { return active_; }
    // Why the scope is inactive.
    const std::string& reason() const { return reason_; }

private:
    static constexpr const char* kPrefix = "tessaval-test-";

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
    static bool exists(const std::string& path) {
        struct stat st {};
        return ::stat(path.c_str(), &st) == 0;
    }
    static bool has_word(const std::string& text, const std::string& word) {
        std::istringstream words(text);
        std::string w;
        while (words >> w) {
            if (w == word) {
                return true;
            }
        }
        return false;
    }
    static void remove(const std::string& dir) {
        if (!dir.empty()) {
            ::rmdir(dir.c_str());
        }
    }

    bool move_here(const std::string& dir) {
        const bool done = write(dir + "/cgroup.procs", std::to_string(::getpid()));
        if (done) {
            moved_ = dir != own_;
        }
        return done;
    }

    // The groups of runs whose process is gone: the group below first.
    void remove_left_behind() const {
        DIR* dir = ::opendir(own_.c_str());
        if (dir == nullptr) {
            return;
        }
        std::vector<std::string> stale;
        while (const dirent* entry = ::readdir(dir)) {
            const std::string name = entry->d_name;
            if (name.rfind(kPrefix, 0) != 0) {
                continue;
            }
            const long pid = std::strtol(name.c_str() + std::strlen(kPrefix), nullptr, 10);
            if (pid > 0 && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH) {
                stale.push_back(own_ + "/" + name);
            }
        }
        ::closedir(dir);
        for (const std::string& group : stale) {
            remove(group + "/run");
            remove(group);
        }
    }

    std::string own_;
    std::string limited_;
    std::string inner_;
    std::string reason_;
    bool unified_ = false;
    bool passed_on_ = false;
    bool moved_ = false;
    bool active_ = false;
};
