#include "fake_controller.h"

void FakeController::record(const QString& method, const QVariantList& args) {
    calls_.append(QVariantMap{{"method", method}, {"args", args}});
    emit callsChanged();
}

void FakeController::startSolveWithConfig(const QVariantMap& cfg) {
    record(QStringLiteral("startSolveWithConfig"), {cfg});
    if (running_) {
        return;
    }
    statusText_ = refuseStarts_ ? QStringLiteral("Not ready: enter a valid board first")
                                : QStringLiteral("Starting...");
    emit statusTextChanged();
    if (!refuseStarts_) {
        running_ = true;
        emit runningChanged();
    }
}

void FakeController::startSolve() {
    record(QStringLiteral("startSolve"), {});
}

void FakeController::cancelSolve() {
    record(QStringLiteral("cancelSolve"), {});
    statusText_ = QStringLiteral("Cancelling...");
    emit statusTextChanged();
}

void FakeController::clearResults() {
    record(QStringLiteral("clearResults"), {});
}

void FakeController::requestSolveMemoryEstimate(const QVariantMap& cfg) {
    record(QStringLiteral("requestSolveMemoryEstimate"), {cfg});
}

QVariantList FakeController::callsOf(const QString& method) const {
    QVariantList out;
    for (const QVariant& call : calls_) {
        const QVariantMap m = call.toMap();
        if (m.value("method").toString() == method) {
            out.append(QVariant(m.value("args")));
        }
    }
    return out;
}

void FakeController::clearCalls() {
    calls_.clear();
    emit callsChanged();
}
