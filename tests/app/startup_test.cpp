#include "app/startup.h"

#include <QProcess>
#include <QtTest>

using namespace quendal_app;

class StartupTest : public QObject {
    Q_OBJECT

    QTemporaryDir home_;

    QString appDirLog() const { return QString(STARTUP_PROBE_DIR) + "/tessaval.log"; }
    QString tempLog() const { return home_.filePath("tmp/tessaval.log"); }

    QStringList readLines(const QString& path) {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly)) {
            return {};
        }
        return QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts);
    }

    // Runs the start-up probe to its end; returns its exit code and output.
    int run(const QByteArray& logSwitch, QByteArray* output) {
        QFile::remove(appDirLog());
        QFile::remove(tempLog());
        QDir(home_.path()).mkpath("tmp");
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("HOME", home_.path());
        env.insert("XDG_CONFIG_HOME", home_.filePath("config"));
        env.insert("XDG_DATA_HOME", home_.filePath("data"));
        env.insert("TMPDIR", home_.filePath("tmp"));
        // Under LeakSanitizer: the images Qt's software renderer keeps at exit.
        env.insert("LSAN_OPTIONS", "suppressions=" + QString(LSAN_SUPPRESSIONS));
        env.remove("QUENDAL_ENABLE_LOGS");
        env.remove("TESSAVAL_ENABLE_LOGS");
        if (!logSwitch.isNull()) {
            env.insert("TESSAVAL_ENABLE_LOGS", QString::fromLatin1(logSwitch));
        }
        process.setProcessEnvironment(env);
        process.start(STARTUP_PROBE, {});
        if (!process.waitForFinished(60000)) {
            process.kill();
            return -999;
        }
        *output = process.readAllStandardOutput();
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -998;
    }

private slots:
    void envFlagTable_data() {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<bool>("on");
        QTest::newRow("unset") << QByteArray() << false;
        QTest::newRow("1") << QByteArray("1") << true;
        QTest::newRow("ON with blanks") << QByteArray(" ON ") << true;
        QTest::newRow("True") << QByteArray("True") << true;
        QTest::newRow("yes") << QByteArray("yes") << true;
        QTest::newRow("2") << QByteArray("2") << false;
        QTest::newRow("off") << QByteArray("off") << false;
        QTest::newRow("blank") << QByteArray("   ") << false;
    }

    void envFlagTable() {
        QFETCH(QByteArray, value);
        QFETCH(bool, on);
        if (value.isNull()) {
            qunsetenv("TESSAVAL_TEST_FLAG");
        } else {
            qputenv("TESSAVAL_TEST_FLAG", value);
        }
        QCOMPARE(envFlagEnabled("TESSAVAL_TEST_FLAG"), on);
        qunsetenv("TESSAVAL_TEST_FLAG");
    }

    void startsQuietlyWithLoggingOff() {
        QByteArray output;
        QCOMPARE(run(QByteArray(), &output), 0);  // closing the window ends the program cleanly
        for (const QString& path : {appDirLog(), tempLog()}) {
            const QStringList lines = readLines(path);
            QCOMPARE(lines.size(), 2);
            QVERIFY(lines[0].endsWith(" [INFO] Crash handlers installed (v2)"));
            QVERIFY(lines[1].endsWith(" [INFO] --- Tessaval starting (pre-QFile) ---"));
        }
        QVERIFY(output.contains("published languageManager"));
        QVERIFY(output.contains("published appController"));
        QVERIFY(output.contains("published updates"));
    }

    void startsWithLogging() {
        QByteArray output;
        QCOMPARE(run(" ON ", &output), 0);
        for (const QString& path : {appDirLog(), tempLog()}) {
            const QStringList lines = readLines(path);
            QVERIFY2(lines.size() >= 9, qPrintable(lines.join('\n')));
            QVERIFY(lines[0].endsWith("Crash handlers installed (v2)"));
            QVERIFY(lines[2].endsWith(" [INFO] Starting Tessaval"));
            QVERIFY(lines[3].contains(" [INFO] appDir= \""));
            QVERIFY(lines[4].contains(" [INFO] cwd= \""));
            QVERIFY(lines[5].contains(" [INFO] log_appDir= \"" + appDirLog() + "\""));
            QVERIFY(lines[6].contains(" [INFO] log_temp= \"" + tempLog() + "\""));
            QVERIFY(lines[7].endsWith(" [INFO] QuickControlsStyle= \"Basic\""));
            bool loaded = false;
            for (const QString& line : lines) {
                loaded = loaded || line.endsWith(" [INFO] QML loaded. rootObjects= 1");
            }
            QVERIFY(loaded);
        }
        // A value of 2 is not a switch.
        QCOMPARE(run("2", &output), 0);
        QCOMPARE(readLines(tempLog()).size(), 2);
    }
};

QTEST_GUILESS_MAIN(StartupTest)
#include "startup_test.moc"
