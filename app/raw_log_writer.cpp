#include "app/raw_log_writer.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/uio.h>
#include <unistd.h>

namespace quendal_app {

namespace {

constexpr std::size_t kPathCapacity = 4096;

struct FatalPath {
    char text[kPathCapacity] = {};
    std::atomic<bool> set{false};
};

FatalPath fatal_paths[2];

void store_path(FatalPath& slot, const char* path) {
    slot.set.store(false);
    const std::size_t length = path == nullptr ? 0 : std::strlen(path);
    if (length == 0 || length >= kPathCapacity) {
        slot.text[0] = '\0';
        return;
    }
    std::memcpy(slot.text, path, length + 1);
    slot.set.store(true);
}

}  // namespace

void append_line_raw(const char* path, const char* text, std::size_t length) {
    if (path == nullptr || path[0] == '\0') {
        return;
    }
    int fd = -1;
    do {
        fd = ::open(path, O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        return;
    }
    char newline = '\n';
    iovec parts[2] = {{const_cast<char*>(text), text == nullptr ? 0 : length}, {&newline, 1}};
    ssize_t written = 0;
    do {
        written = ::writev(fd, parts, 2);
    } while (written < 0 && errno == EINTR);
    ::close(fd);
}

void set_fatal_line_paths(const char* app_dir_path, const char* temp_path) {
    store_path(fatal_paths[0], app_dir_path);
    store_path(fatal_paths[1], temp_path);
}

void write_fatal_line(const char* text, std::size_t length) {
    for (const FatalPath& slot : fatal_paths) {
        if (slot.set.load()) {
            append_line_raw(slot.text, text, length);
        }
    }
}

}  // namespace quendal_app
