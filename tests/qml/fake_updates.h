// A stand-in for the update service in QML tests: every property is
// writable, so a test can put the service in any state, and the two actions
// are counted.
#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>

class FakeUpdates : public QObject {
    Q_OBJECT

#define FAKE_PROPERTY(type, name, signal, init)        \
    Q_PROPERTY(type name MEMBER name##_ NOTIFY signal) \
                                                       \
public:                                                \
    type name##_ = init;                               \
                                                       \
private:

    FAKE_PROPERTY(QString, currentVersion, stateChanged, QStringLiteral("1.0.4"))
    FAKE_PROPERTY(QDateTime, lastCheckedAt, stateChanged, QDateTime())
    FAKE_PROPERTY(QString, lastError, stateChanged, QString())
    FAKE_PROPERTY(bool, updateAvailable, stateChanged, false)
    FAKE_PROPERTY(QString, latestVersion, stateChanged, QString())
    FAKE_PROPERTY(QString, releaseNotes, stateChanged, QString())
    FAKE_PROPERTY(bool, busy, busyChanged, false)
    FAKE_PROPERTY(bool, downloadBusy, stateChanged, false)
    FAKE_PROPERTY(bool, downloaded, stateChanged, false)
    FAKE_PROPERTY(double, downloadProgress, stateChanged, 0.0)
    FAKE_PROPERTY(qlonglong, downloadBytesTotal, stateChanged, 0)
    FAKE_PROPERTY(int, checkCount, callsChanged, 0)
    FAKE_PROPERTY(int, updateCount, callsChanged, 0)
#undef FAKE_PROPERTY

public:
    using QObject::QObject;

    // Counted only; the test sets the state that would follow.
    Q_INVOKABLE void checkNow() {
        ++checkCount_;
        emit callsChanged();
    }
    Q_INVOKABLE void updateNow() {
        ++updateCount_;
        emit callsChanged();
    }
    // An invalid time again: no check made in this run.
    Q_INVOKABLE void forgetLastCheck() {
        lastCheckedAt_ = QDateTime();
        emit stateChanged();
    }

signals:
    void stateChanged();
    void busyChanged();
    void callsChanged();
};
