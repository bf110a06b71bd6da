// Practice and solve-activity statistics, kept in the settings store only.
#include "app/app_controller.h"

#include <QSettings>
#include <algorithm>
#include <cmath>

namespace quendal_app {

namespace {

const QString kPracticeGroup = QStringLiteral("playVsSolution");
const QString kActivityGroup = QStringLiteral("solveActivity");
const QString kFirstSolveKey = QStringLiteral("solveActivity/firstSolveDate");

QString iso(const QDate& day) {
    return day.toString(Qt::ISODate);
}

QString practicePrefix(const QString& part) {
    return kPracticeGroup + "/" + part + "/";
}

QString activityPrefix(const QDate& day) {
    return kActivityGroup + "/" + iso(day) + "/";
}

struct PracticeCounters {
    int hands = 0;
    int mistakes = 0;
    double evLossSum = 0.0;

    static PracticeCounters read(QSettings& s, const QString& prefix) {
        return {s.value(prefix + "hands", 0).toInt(), s.value(prefix + "mistakes", 0).toInt(),
                s.value(prefix + "evLossSum", 0.0).toDouble()};
    }
    double accuracy() const {
        return hands > 0 ? std::max(hands - mistakes, 0) / static_cast<double>(hands) * 100.0 : 0.0;
    }
    double averageLoss() const { return hands > 0 ? evLossSum / hands : 0.0; }
};

struct ActivityDay {
    int solves = 0;
    qint64 iterationsSum = 0;
    double exploitabilitySum = 0.0;
    qint64 runtimeMsSum = 0;

    static ActivityDay read(QSettings& s, const QDate& day) {
        const QString prefix = activityPrefix(day);
        return {s.value(prefix + "solves", 0).toInt(),
                s.value(prefix + "iterationsSum", 0).toLongLong(),
                s.value(prefix + "exploitabilitySum", 0.0).toDouble(),
                s.value(prefix + "runtimeMsSum", 0).toLongLong()};
    }
};

}  // namespace

void AppController::recordPlayVsSolutionHand(bool isMistake, double evLoss) {
    const double loss = std::isfinite(evLoss) && evLoss > 0.0 ? evLoss : 0.0;
    const bool mistake = isMistake || loss > 0.0;
    QSettings settings;
    for (const QString& prefix : {practicePrefix("total"), practicePrefix(iso(today()))}) {
        const PracticeCounters c = PracticeCounters::read(settings, prefix);
        settings.setValue(prefix + "hands", c.hands + 1);
        settings.setValue(prefix + "mistakes", c.mistakes + (mistake ? 1 : 0));
        settings.setValue(prefix + "evLossSum", c.evLossSum + loss);
    }
    settings.sync();
    emit playVsSolutionStatsChanged();
}

QVariantMap AppController::playVsSolutionStats() const {
    QSettings settings;
    const PracticeCounters total = PracticeCounters::read(settings, practicePrefix("total"));
    const PracticeCounters day = PracticeCounters::read(settings, practicePrefix(iso(today())));
    return {{"totalHands", total.hands},
            {"totalMistakes", total.mistakes},
            {"totalAccuracyPct", total.accuracy()},
            {"totalAvgEvLoss", total.averageLoss()},
            {"todayHands", day.hands},
            {"todayMistakes", day.mistakes},
            {"todayAccuracyPct", day.accuracy()},
            {"todayAvgEvLoss", day.averageLoss()}};
}

void AppController::clearPlayVsSolutionStats() {
    QSettings settings;
    settings.remove(kPracticeGroup);
    settings.sync();
    emit playVsSolutionStatsChanged();
}

void AppController::recordSolveActivity(int iterations, double exploitability, qint64 runtimeMs) {
    QSettings settings;
    const QDate day = today();
    const ActivityDay d = ActivityDay::read(settings, day);
    const QString prefix = activityPrefix(day);
    settings.setValue(prefix + "solves", d.solves + 1);
    settings.setValue(prefix + "iterationsSum", d.iterationsSum + std::max(iterations, 0));
    settings.setValue(prefix + "exploitabilitySum", d.exploitabilitySum + exploitability);
    settings.setValue(prefix + "runtimeMsSum", d.runtimeMsSum + std::max<qint64>(runtimeMs, 0));
    settings.sync();
}

QString AppController::firstSolveDateIso() const {
    // A found day is kept; "none yet" is not, so a first solve of this run shows.
    if (!firstSolveDate_.isEmpty()) {
        return firstSolveDate_;
    }
    QSettings settings;
    const QString stored = settings.value(kFirstSolveKey).toString().trimmed();
    if (QDate::fromString(stored, Qt::ISODate).isValid()) {
        firstSolveDate_ = stored;
        return stored;
    }
    settings.beginGroup(kActivityGroup);
    const QStringList groups = settings.childGroups();
    settings.endGroup();
    QDate earliest;
    for (const QString& name : groups) {
        const QDate day = QDate::fromString(name, Qt::ISODate);
        if (day.isValid() && ActivityDay::read(settings, day).solves >= 1 &&
            (!earliest.isValid() || day < earliest)) {
            earliest = day;
        }
    }
    if (!earliest.isValid()) {
        return {};
    }
    firstSolveDate_ = iso(earliest);
    settings.setValue(kFirstSolveKey, firstSolveDate_);
    settings.sync();
    return firstSolveDate_;
}

QVariantList AppController::solveHistoryDaily() const {
    const QDate first = QDate::fromString(firstSolveDateIso(), Qt::ISODate);
    const QDate last = today();
    QVariantList days;
    if (!first.isValid() || first > last) {
        return days;
    }
    QSettings settings;
    for (QDate day = first; day <= last; day = day.addDays(1)) {
        const ActivityDay d = ActivityDay::read(settings, day);
        days.append(QVariantMap{
            {"date", iso(day)}, {"solves", d.solves}, {"runtimeMsSum", d.runtimeMsSum}});
    }
    return days;
}

QVariantList AppController::activityGrid(int span) const {
    const QDate now = today();
    const QDate last = now.addDays((7 - now.dayOfWeek()) % 7);  // the coming Sunday
    const QDate first = last.addDays(-(span - 1));
    QVariantList cells;
    for (int i = 1; i < first.dayOfWeek(); ++i) {
        cells.append(QVariantMap{{"isPadding", true}});
    }
    QSettings settings;
    for (QDate day = first; day <= last; day = day.addDays(1)) {
        const ActivityDay d = ActivityDay::read(settings, day);
        const double solves = d.solves;
        cells.append(QVariantMap{
            {"isPadding", false},
            {"date", iso(day)},
            {"isFuture", day > now},
            {"solves", d.solves},
            {"avgIterations", d.solves > 0 ? d.iterationsSum / solves : 0.0},
            {"avgExploitability", d.solves > 0 ? d.exploitabilitySum / solves : 0.0},
            {"runtimeMsSum", d.runtimeMsSum},
            {"avgRuntimeSec",
             d.solves > 0 && d.runtimeMsSum > 0 ? d.runtimeMsSum / 1000.0 / solves : 0.0}});
    }
    while (cells.size() % 7 != 0) {
        cells.append(QVariantMap{{"isPadding", true}});
    }
    return cells;
}

QVariantList AppController::solveActivityGridLastYear() const {
    return activityGrid(364);
}

QVariantList AppController::solveActivityGridLastSixMonths() const {
    return activityGrid(182);
}

int AppController::solvesToday() const {
    QSettings settings;
    return ActivityDay::read(settings, today()).solves;
}

}  // namespace quendal_app
