#include "app/app_controller.h"
#include "test_settings.h"

#include <QtTest>

using namespace quendal_app;

class ShowdownWinnerTest : public QObject {
    Q_OBJECT

    QTemporaryDir settingsDir_;

private slots:
    void initTestCase() { test::isolateSettings(settingsDir_); }

    void table_data() {
        QTest::addColumn<QString>("board");
        QTest::addColumn<QString>("oop");
        QTest::addColumn<QString>("ip");
        QTest::addColumn<QString>("winner");
        QTest::newRow("blanks dropped") << "Ah Ks Qd 7c 2s"
                                        << "AsAd"
                                        << "KhKd"
                                        << "OOP";
        QTest::newRow("IP wins") << "AhKsQd7c2s"
                                 << "3c4d"
                                 << "KhKd"
                                 << "IP";
        QTest::newRow("royal board") << "AhKhQhJhTh"
                                     << "2c3d"
                                     << "4s5s"
                                     << "TIE";
        QTest::newRow("four cards") << "AhKsQd7c"
                                    << "AsAd"
                                    << "KhKd"
                                    << "UNKNOWN";
        QTest::newRow("one card") << "AhKsQd7c2s"
                                  << "As"
                                  << "KhKd"
                                  << "UNKNOWN";
        QTest::newRow("sixth card ignored") << "AhKsQd7c2s9d"
                                            << "9s9c"
                                            << "KhKd"
                                            << "IP";
        QTest::newRow("bad rank") << "AhKsQd7c2s"
                                  << "AsXd"
                                  << "KhKd"
                                  << "UNKNOWN";
        QTest::newRow("lower case") << "ahksqd7c2s"
                                    << "asad"
                                    << "khkd"
                                    << "OOP";
        QTest::newRow("not Latin-1") << QString("AhKsQd7c2") + QChar(0x2660) << "AsAd"
                                     << "KhKd"
                                     << "UNKNOWN";
    }

    void table() {
        QFETCH(QString, board);
        QFETCH(QString, oop);
        QFETCH(QString, ip);
        QFETCH(QString, winner);
        ControllerEnvironment env;
        env.memory = [] { return std::optional<PhysicalMemory>(); };
        AppController controller(env);
        const QVariantMap r = controller.showdownWinner(board, oop, ip);
        QCOMPARE(r["winner"].toString(), winner);
        const int o = r["oopStrength"].toInt(), i = r["ipStrength"].toInt();
        if (winner == "UNKNOWN") {
            QCOMPARE(o, 0);
            QCOMPARE(i, 0);
        } else {
            QVERIFY(o > 0 && i > 0);
            QCOMPARE(o > i, winner == "OOP");
            QCOMPARE(o == i, winner == "TIE");
        }
    }
};

QTEST_GUILESS_MAIN(ShowdownWinnerTest)
#include "showdown_winner_test.moc"
