// Hands work done on other threads to an object on the GUI thread, and stops
// doing so, for good, once the object is closing: a post after close() is
// dropped, and close() waits for a post in progress.
#pragma once

#include <QMetaObject>
#include <QObject>
#include <memory>
#include <mutex>
#include <utility>

namespace quendal_app {

class DeliveryGate {
public:
    explicit DeliveryGate(QObject* target) : target_(target) {}

    // Queues `functor` to run on the target's thread; false when closed.
    template <typename Functor>
    bool post(Functor&& functor) {
        std::lock_guard lock(mutex_);
        if (target_ == nullptr) {
            return false;
        }
        return QMetaObject::invokeMethod(target_, std::forward<Functor>(functor),
                                         Qt::QueuedConnection);
    }

    void close() {
        std::lock_guard lock(mutex_);
        target_ = nullptr;
    }

private:
    std::mutex mutex_;
    QObject* target_;
};

}  // namespace quendal_app
