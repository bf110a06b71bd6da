// What the benches read beside the page: the GUI thread's processor time,
// the frames a window draws and the time spent drawing them, and, under
// callgrind, the instructions of a stretch of the GUI thread.
#pragma once

#include <QElapsedTimer>
#include <QEventLoop>
#include <QObject>
#include <QPointer>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTimer>
#include <QVariantMap>
#include <algorithm>
#include <ctime>
#include <vector>

#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#define BENCH_PROBE_CALLGRIND 1
#endif

class BenchProbe : public QObject {
    Q_OBJECT
    Q_PROPERTY(QQuickWindow* window READ window WRITE setWindow NOTIFY windowChanged)
    Q_PROPERTY(int frames READ frames NOTIFY framesChanged)
    Q_PROPERTY(bool underCallgrind READ underCallgrind CONSTANT)

public:
    explicit BenchProbe(QObject* parent = nullptr) : QObject(parent) { clock_.start(); }

    QQuickWindow* window() const { return window_; }
    void setWindow(QQuickWindow* w) {
        if (w == window_) {
            return;
        }
        if (window_) {
            disconnect(window_, nullptr, this, nullptr);
        }
        window_ = w;
        if (w) {
            // Direct: the software renderer draws on the GUI thread, and the
            // threaded one is timed where it draws.
            connect(w, &QQuickWindow::beforeSynchronizing, this, &BenchProbe::frameBegins,
                    Qt::DirectConnection);
            connect(w, &QQuickWindow::frameSwapped, this, &BenchProbe::frameEnds,
                    Qt::DirectConnection);
        }
        emit windowChanged();
    }

    int frames() const { return frames_; }

    // From here on, turns off the animated changes (Behavior) of every item
    // in the window, hover and selection effects among them, now and after
    // every frame (for the items it made), so that the frames that follow
    // are those the changes themselves draw. The time this takes on the
    // GUI thread is kept apart (stillCpuMs).
    Q_INVOKABLE void stillBehaviors() {
        stillBehaviors_ = true;
        stillAll();
    }
    Q_INVOKABLE double stillCpuMs() const { return stillCpuMs_; }

    // Milliseconds since the probe was made.
    Q_INVOKABLE double nowMs() const { return clock_.nsecsElapsed() / 1e6; }
    // Processor time of the calling thread, and of the whole process.
    Q_INVOKABLE double threadCpuMs() const { return cpuMs(CLOCK_THREAD_CPUTIME_ID); }
    Q_INVOKABLE double processCpuMs() const { return cpuMs(CLOCK_PROCESS_CPUTIME_ID); }
    // Summed over the frames drawn so far: the drawing thread's processor
    // time from the synchronisation to the swap, and the end of the last.
    Q_INVOKABLE double drawCpuMs() const { return drawCpuMs_; }
    Q_INVOKABLE double lastFrameEndMs() const { return lastFrameEndMs_; }

    // Runs the event loop until nothing has been drawn for `quietMs` (or
    // `maxMs` have passed); returns when the last frame ended (nowMs's
    // clock), or the start when none was drawn.
    Q_INVOKABLE double settle(int quietMs, int maxMs) {
        const double start = nowMs();
        QEventLoop loop;
        QTimer check;
        check.setInterval(std::max(1, quietMs / 8));
        connect(&check, &QTimer::timeout, &loop, [&] {
            const double now = nowMs();
            if (now - std::max(start, lastFrameEndMs_) >= quietMs || now - start >= maxMs) {
                loop.quit();
            }
        });
        check.start();
        loop.exec();
        return std::max(start, lastFrameEndMs_);
    }

    // When each frame drawn since `sinceMs` ended.
    Q_INVOKABLE QVariantList frameEndsSince(double sinceMs) const {
        QVariantList out;
        for (const double t : frameEnds_) {
            if (t >= sinceMs) {
                out.append(t);
            }
        }
        return out;
    }

    // An environment variable, empty when unset.
    Q_INVOKABLE QString env(const QString& name) const {
        return qEnvironmentVariable(name.toUtf8().constData());
    }

    bool underCallgrind() const {
#ifdef BENCH_PROBE_CALLGRIND
        return RUNNING_ON_VALGRIND != 0;
#else
        return false;
#endif
    }
    // Collects instructions from here (run with --instr-atstart=no
    // --collect-atstart=no) ...
    Q_INVOKABLE void callgrindStart() {
#ifdef BENCH_PROBE_CALLGRIND
        if (!instrumented_) {
            CALLGRIND_START_INSTRUMENTATION;
            instrumented_ = true;
        }
        CALLGRIND_TOGGLE_COLLECT;
        collecting_ = true;
#endif
    }
    // ... to here, and writes them out as one part named `label`.
    Q_INVOKABLE void callgrindStop(const QString& label) {
#ifdef BENCH_PROBE_CALLGRIND
        CALLGRIND_TOGGLE_COLLECT;
        collecting_ = false;
        const QByteArray name = label.toUtf8();
        CALLGRIND_DUMP_STATS_AT(name.constData());
#else
        Q_UNUSED(label);
#endif
    }

signals:
    void windowChanged();
    void framesChanged();

private:
    static double cpuMs(clockid_t clock) {
        timespec t{};
        clock_gettime(clock, &t);
        return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
    }

    // Below an object in both trees: its children, and an item's visual
    // children (delegates and loaded items belong to their makers).
    static void stillBehaviorsBelow(QObject* object, int& count) {
        if (object->inherits("QQuickBehavior") && object->property("enabled").toBool()) {
            object->setProperty("enabled", false);
            ++count;
        }
        for (QObject* child : object->children()) {
            stillBehaviorsBelow(child, count);
        }
        if (auto* item = qobject_cast<QQuickItem*>(object)) {
            for (QQuickItem* child : item->childItems()) {
                if (child->parent() != object) {
                    stillBehaviorsBelow(child, count);
                }
            }
        }
    }

    void frameBegins() {
        frameCpuStart_ = threadCpuMs();
    }
    // Not counted as the click's: out of the clock and of callgrind's count.
    void stillAll() {
#ifdef BENCH_PROBE_CALLGRIND
        if (collecting_) {
            CALLGRIND_TOGGLE_COLLECT;
        }
#endif
        const double start = threadCpuMs();
        int count = 0;
        if (window_) {
            stillBehaviorsBelow(window_->contentItem(), count);
        }
        stillCpuMs_ += threadCpuMs() - start;
#ifdef BENCH_PROBE_CALLGRIND
        if (collecting_) {
            CALLGRIND_TOGGLE_COLLECT;
        }
#endif
    }

    void frameEnds() {
        drawCpuMs_ += threadCpuMs() - frameCpuStart_;
        if (stillBehaviors_) {
            stillAll();
        }
        lastFrameEndMs_ = nowMs();
        frameEnds_.push_back(lastFrameEndMs_);
        ++frames_;
        QMetaObject::invokeMethod(this, &BenchProbe::framesChanged, Qt::QueuedConnection);
    }

    QElapsedTimer clock_;
    QPointer<QQuickWindow> window_;
    int frames_ = 0;
    double frameCpuStart_ = 0.0;
    double drawCpuMs_ = 0.0;
    double lastFrameEndMs_ = 0.0;
    std::vector<double> frameEnds_;
    bool instrumented_ = false;
    bool collecting_ = false;
    bool stillBehaviors_ = false;
    double stillCpuMs_ = 0.0;
};
