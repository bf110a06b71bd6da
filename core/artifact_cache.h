// Process-wide cache of a card context's derived tables.
//
// Entries are weak: the cache never keeps tables alive by itself, so a lookup
// only hits while another construction of the same spot still holds them.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <unordered_map>

namespace quendal {

template <typename Artifacts>
class ArtifactCache {
public:
    // The live tables of the key, or null. An expired entry is erased.
    std::shared_ptr<const Artifacts> lookup(std::uint64_t key) {
        std::lock_guard lock(mutex_);
        const auto it = entries_.find(key);
        if (it == entries_.end()) {
            return nullptr;
        }
        std::shared_ptr<const Artifacts> live = it->second.lock();
        if (!live) {
            entries_.erase(it);
        }
        return live;
    }

    void insert(std::uint64_t key, const std::shared_ptr<const Artifacts>& artifacts) {
        std::lock_guard lock(mutex_);
        entries_[key] = artifacts;
    }

    std::size_t size() const {
        std::lock_guard lock(mutex_);
        return entries_.size();
    }

private:
    mutable std::mutex mutex_;
    std::unordered_map<std::uint64_t, std::weak_ptr<const Artifacts>> entries_;
};

}  // namespace quendal
