// One block of zeroed floats, given back whole when the arena goes: the
// solver's arrays live in one, so that preparing and dropping a solve are
// one allocation each rather than one per node. A large block asks the
// system for huge pages where it offers them (fewer page faults and address
// translations over arrays that every iteration streams through).
#pragma once

#include <cstddef>

namespace quendal {

class FloatArena {
public:
    FloatArena() = default;
    // Throws std::bad_alloc when the block cannot be had.
    explicit FloatArena(std::size_t count);
    ~FloatArena();
    FloatArena(FloatArena&& other) noexcept;
    FloatArena& operator=(FloatArena&& other) noexcept;
    FloatArena(const FloatArena&) = delete;
    FloatArena& operator=(const FloatArena&) = delete;

    float* data() const { return data_; }
    std::size_t size() const { return size_; }

private:
    void release() noexcept;

    float* data_ = nullptr;
    std::size_t size_ = 0;
    std::size_t bytes_ = 0;  // mapped bytes; 0 when held by the heap
};

}  // namespace quendal
