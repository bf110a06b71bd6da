#include "core/float_arena.h"

#include <cstdlib>
#include <cstring>
#include <new>
#include <utility>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace quendal {

namespace {

#if defined(__linux__)
constexpr std::size_t kHugePage = std::size_t{2} << 20;
#endif

}  // namespace

FloatArena::FloatArena(std::size_t count) : size_(count) {
    if (count == 0) {
        return;
    }
    if (count > static_cast<std::size_t>(-1) / sizeof(float)) {
        throw std::bad_alloc();
    }
    const std::size_t bytes = count * sizeof(float);
#if defined(__linux__)
    if (bytes >= kHugePage) {
        // Anonymous pages come zeroed and are touched only when used.
        void* p = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (p == MAP_FAILED) {
            throw std::bad_alloc();
        }
        madvise(p, bytes, MADV_HUGEPAGE);  // a hint; without it the block still serves
        data_ = static_cast<float*>(p);
        bytes_ = bytes;
        return;
    }
#endif
    data_ = static_cast<float*>(std::calloc(count, sizeof(float)));
    if (data_ == nullptr) {
        throw std::bad_alloc();
    }
}

FloatArena::~FloatArena() {
    release();
}

FloatArena::FloatArena(FloatArena&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)),
      size_(std::exchange(other.size_, 0)),
      bytes_(std::exchange(other.bytes_, 0)) {}

FloatArena& FloatArena::operator=(FloatArena&& other) noexcept {
    if (this != &other) {
        release();
        data_ = std::exchange(other.data_, nullptr);
        size_ = std::exchange(other.size_, 0);
        bytes_ = std::exchange(other.bytes_, 0);
    }
    return *this;
}

void FloatArena::release() noexcept {
    if (data_ == nullptr) {
        return;
    }
#if defined(__linux__)
    if (bytes_ != 0) {
        munmap(data_, bytes_);
    } else {
        std::free(data_);
    }
#else
    std::free(data_);
#endif
    data_ = nullptr;
    size_ = 0;
    bytes_ = 0;
}

}  // namespace quendal
