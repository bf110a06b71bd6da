#include "app/diagnostic_log.h"

#include <QRegularExpression>
#include <QtTest>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

using namespace quendal_app;

namespace {

QStringList readLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray bytes = file.readAll();
    QStringList lines = QString::fromUtf8(bytes).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty()) {
        lines.removeLast();
    }
    return lines;
}

const QRegularExpression kLinePattern(
    QStringLiteral(R"(^\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d\.\d{3}(Z|[+-]\d\d:\d\d)? \[(\w+)\] (.*)$)"));

}  // namespace

class DiagnosticLogTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QFile* files_[2] = {nullptr, nullptr};

    QString path(int i) const {
        return dir_.filePath(i == 0 ? "app/tessaval.log" : "tmp/tessaval.log");
    }

private slots:
    void init() {
        QVERIFY(QDir(dir_.path()).mkpath("app"));
        QVERIFY(QDir(dir_.path()).mkpath("tmp"));
        QFile::remove(path(0));
        QFile::remove(path(1));
        openLogFiles.clear();
        setLogPaths(path(0), path(1));
    }

    void cleanup() {
        openLogFiles.clear();
        for (QFile*& f : files_) {
            delete f;
            f = nullptr;
        }
    }

    void formatsEveryLevel() {
        const QDateTime time(QDate(2026, 3, 4), QTime(5, 6, 7, 89));
        const struct {
            QtMsgType type;
            const char* word;
        } cases[] = {{QtDebugMsg, "DEBUG"},
                     {QtInfoMsg, "INFO"},
                     {QtWarningMsg, "WARN"},
                     {QtCriticalMsg, "ERROR"},
                     {QtFatalMsg, "FATAL"}};
        for (const auto& c : cases) {
            const QString line = formatLogLine(c.type, "hello", time);
            QVERIFY2(line.startsWith("2026-03-04T05:06:07.089"), qPrintable(line));
            QVERIFY2(line.endsWith(QString(" [%1] hello").arg(c.word)), qPrintable(line));
        }
    }

    void eachLineOnceToEveryOpenFile() {
        for (int i = 0; i < 2; ++i) {
            files_[i] = new QFile(path(i));
            QVERIFY(openLogFile(*files_[i]));
            openLogFiles.append(files_[i]);
        }
        const QMessageLogContext context;
        logMessageHandler(QtWarningMsg, context, "disk is full");
        logMessageHandler(QtInfoMsg, context, "second");
        for (int i = 0; i < 2; ++i) {
            const QStringList lines = readLines(path(i));
            QCOMPARE(lines.size(), 2);
            const auto m = kLinePattern.match(lines[0]);
            QVERIFY2(m.hasMatch(), qPrintable(lines[0]));
            QCOMPARE(m.captured(2), QString("WARN"));
            QCOMPARE(m.captured(3), QString("disk is full"));
            QVERIFY(lines[1].endsWith(" [INFO] second"));
            // Lines end with a line feed alone.
            QFile raw(path(i));
            QVERIFY(raw.open(QIODevice::ReadOnly));
            const QByteArray bytes = raw.readAll();
            QVERIFY(bytes.endsWith("second\n"));
            QVERIFY(!bytes.contains('\r'));
        }
    }

    void closedFileIsSkipped() {
        files_[0] = new QFile(path(0));
        QVERIFY(openLogFile(*files_[0]));
        openLogFiles.append(files_[0]);
        files_[1] = new QFile(path(1));  // never opened
        openLogFiles.append(files_[1]);
        logMessageHandler(QtCriticalMsg, QMessageLogContext(), "only one");
        QCOMPARE(readLines(path(0)).size(), 1);
        QVERIFY(readLines(path(0))[0].endsWith(" [ERROR] only one"));
        QVERIFY(!QFile::exists(path(1)));
    }

    void withoutOpenFilesLinesGoRawToBothPaths() {
        logMessageHandler(QtWarningMsg, QMessageLogContext(), "early");
        for (int i = 0; i < 2; ++i) {
            const QStringList lines = readLines(path(i));
            QCOMPARE(lines.size(), 1);
            QVERIFY(lines[0].endsWith(" [WARN] early"));
        }
        // An empty path writes nothing and does not fail.
        setLogPaths(QString(), path(1));
        writeFatalLine("FATAL: test");
        QCOMPARE(readLines(path(1)).size(), 2);
        QCOMPARE(readLines(path(1))[1], QString("FATAL: test"));
    }

    void manyThreadsNeverInterleave() {
        for (int i = 0; i < 2; ++i) {
            files_[i] = new QFile(path(i));
            QVERIFY(openLogFile(*files_[i]));
            openLogFiles.append(files_[i]);
        }
        constexpr int kThreads = 8, kLines = 200;
        const QString filler(300, QLatin1Char('x'));
        std::vector<std::thread> threads;
        for (int t = 0; t < kThreads; ++t) {
            threads.emplace_back([&, t] {
                for (int n = 0; n < kLines; ++n) {
                    logMessageHandler(QtInfoMsg, QMessageLogContext(),
                                      QString("t%1 n%2 %3 end").arg(t).arg(n).arg(filler));
                }
            });
        }
        for (std::thread& t : threads) {
            t.join();
        }
        for (int i = 0; i < 2; ++i) {
            const QStringList lines = readLines(path(i));
            QCOMPARE(lines.size(), kThreads * kLines);
            QSet<QString> seen;
            for (const QString& line : lines) {
                const auto m = kLinePattern.match(line);
                QVERIFY2(m.hasMatch() && m.captured(3).endsWith(filler + " end"), qPrintable(line));
                seen.insert(m.captured(3).section(' ', 0, 1));
            }
            QCOMPARE(seen.size(), kThreads * kLines);
        }
    }

    // The log file is created private and never written through a symbolic link.
    void logFileIsPrivateAndRefusesSymbolicLinks() {
        QFile file(path(1));
        QVERIFY(openLogFile(file));
        file.close();
        struct stat info {};
        QCOMPARE(::stat(QFile::encodeName(path(1)).constData(), &info), 0);
        QCOMPARE(int(info.st_mode & 0777), 0600);

        const QString target = dir_.filePath("target.txt");
        const QString link = dir_.filePath("tmp/linked.log");
        QVERIFY(QFile::link(target, link));
        QFile linked(link);
        QVERIFY(!openLogFile(linked));
        appendLineRaw(link, "must not arrive");
        QVERIFY(!QFile::exists(target));
    }
};

QTEST_GUILESS_MAIN(DiagnosticLogTest)
#include "diagnostic_log_test.moc"
