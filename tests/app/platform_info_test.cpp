#include "app/platform_info.h"

#include <QtTest>

using namespace quendal_app;

class PlatformInfoTest : public QObject {
    Q_OBJECT

private slots:
    void meminfoSamples() {
        const auto memory = parse_meminfo(
            "MemTotal:       24576000 kB\n"
            "MemFree:         1000000 kB\n"
            "MemAvailable:   20000000 kB\n"
            "Buffers:           12345 kB\n");
        QVERIFY(memory.has_value());
        QCOMPARE(memory->total_bytes, 24576000ull * 1024);
        QCOMPARE(memory->available_bytes, 20000000ull * 1024);

        // Order does not matter; a longer name sharing the prefix is not the line.
        const auto reordered = parse_meminfo(
            "MemAvailableX: 1 kB\nMemAvailable: 512 kB\nSwapTotal: 0 kB\nMemTotal: 1024 kB");
        QVERIFY(reordered.has_value());
        QCOMPARE(reordered->total_bytes, 1024ull * 1024);
        QCOMPARE(reordered->available_bytes, 512ull * 1024);

        // Available never exceeds the total.
        const auto inconsistent = parse_meminfo("MemTotal: 100 kB\nMemAvailable: 200 kB\n");
        QCOMPARE(inconsistent->available_bytes, inconsistent->total_bytes);

        // Missing or unreadable lines give nothing rather than a made-up figure.
        QVERIFY(!parse_meminfo("").has_value());
        QVERIFY(!parse_meminfo("MemTotal: 100 kB\n").has_value());
        QVERIFY(!parse_meminfo("MemTotal: lots kB\nMemAvailable: 5 kB\n").has_value());
        QVERIFY(
            !parse_meminfo("MemTotal: 99999999999999999999 kB\nMemAvailable: 5 kB\n").has_value());
    }

    void cgroupLimits() {
        QVERIFY(!parse_cgroup_limit("max\n").has_value());
        QCOMPARE(parse_cgroup_limit("2147483648\n").value(), 2147483648ull);
        QVERIFY(!parse_cgroup_limit("").has_value());

        QCOMPARE(parse_cgroup_path("0::/user.slice/app.scope\n").value(),
                 std::string("/user.slice/app.scope"));
        QCOMPARE(parse_cgroup_path("12:memory:/x\n0::/\n").value(), std::string("/"));
        QVERIFY(!parse_cgroup_path("12:memory:/x\n").has_value());
        QVERIFY(!parse_cgroup_path("0::/../etc\n").has_value());
        // The older hierarchy: the line whose controllers hold "memory".
        const char* hybrid = "5:cpu,cpuacct:/a\n4:memory:/process_api/7f\n0::/\n";
        QCOMPARE(parse_cgroup_path(hybrid, "memory").value(), std::string("/process_api/7f"));
        QCOMPARE(parse_cgroup_path("3:blkio,memory:/b\n", "memory").value(), std::string("/b"));
        QVERIFY(!parse_cgroup_path("6:memoryless:/c\n0::/d\n", "memory").has_value());

        const PhysicalMemory machine{16ull << 30, 10ull << 30};
        // A lower limit caps the total, and what the group still has caps the available.
        const PhysicalMemory capped = apply_cgroup_limit(machine, 4ull << 30, 3ull << 30);
        QCOMPARE(capped.total_bytes, 4ull << 30);
        QCOMPARE(capped.available_bytes, 1ull << 30);
        // Usage beyond the limit leaves nothing available, never a wrapped number.
        QCOMPARE(apply_cgroup_limit(machine, 4ull << 30, 5ull << 30).available_bytes, 0ull);
        QCOMPARE(apply_cgroup_limit(machine, 4ull << 30, std::nullopt).available_bytes, 4ull << 30);
        // A limit above the machine changes nothing.
        const PhysicalMemory loose = apply_cgroup_limit(machine, 64ull << 30, 1);
        QCOMPARE(loose.total_bytes, machine.total_bytes);
        QCOMPARE(loose.available_bytes, machine.available_bytes);
    }

    // A machine of 16 GiB with 10 GiB free, laid out in a folder: the least
    // of its figures and of what each group from the process's own up leaves.
    void limitsOfEveryGroupAboveTheProcess_data() {
        QTest::addColumn<QString>("groups");        // /proc/self/cgroup
        QTest::addColumn<QStringList>("files");     // "path under sys/fs/cgroup=text"
        QTest::addColumn<qulonglong>("total");      // GiB / 4
        QTest::addColumn<qulonglong>("available");  // GiB / 4
        QTest::newRow("a limit on the parent only")
            << "0::/a/b\n"
            << QStringList{"a/memory.max=4294967296", "a/memory.current=1073741824",
                           "a/b/memory.max=max", "a/b/memory.current=1073741824"}
            << 16ull << 12ull;
        QTest::newRow("a limit on the own group only")
            << "0::/a/b\n"
            << QStringList{"a/memory.max=max", "a/b/memory.max=2147483648",
                           "a/b/memory.current=536870912"}
            << 8ull << 6ull;
        QTest::newRow("usage that is mostly file cache")
            << "0::/a\n"
            << QStringList{"a/memory.max=4294967296", "a/memory.current=3221225472",
                           "a/memory.stat=anon 1073741824\nfile 2147483648\n"
                           "inactive_file 2147483648\nactive_file 0\n"}
            << 16ull << 12ull;
        QTest::newRow("the least room of several")
            << "0::/a/b\n"
            << QStringList{"a/memory.max=4294967296", "a/memory.current=3758096384",
                           "a/b/memory.max=2147483648", "a/b/memory.current=1073741824"}
            << 8ull << 2ull;
        QTest::newRow("no limit anywhere")
            << "0::/a/b\n"
            << QStringList{"a/memory.max=max", "a/b/memory.max=max", "a/b/memory.current=5"}
            << 64ull << 40ull;
        QTest::newRow("the older hierarchy")
            << "4:memory:/a/b\n0::/\n"
            << QStringList{"memory/a/memory.limit_in_bytes=3221225472",
                           "memory/a/memory.usage_in_bytes=2147483648",
                           "memory/a/memory.stat=inactive_file 0\ntotal_inactive_file 1073741824\n",
                           "memory/a/b/memory.limit_in_bytes=9223372036854771712",
                           "memory/a/b/memory.usage_in_bytes=1073741824"}
            << 12ull << 8ull;
        // A container's mount shows its own group only: the group's
        // hierarchical limit gives the limits above it.
        QTest::newRow("the older hierarchy from the process's group down")
            << "4:memory:/docker/x\n"
            << QStringList{"memory/memory.limit_in_bytes=9223372036854771712",
                           "memory/memory.usage_in_bytes=1073741824",
                           "memory/memory.stat=hierarchical_memory_limit 2147483648\n"}
            << 8ull << 4ull;
        QTest::newRow("a unified mount from a group above the process's down")
            << "0::/system.slice/box/app\n"
            << QStringList{"memory.max=3221225472", "memory.current=0", "app/memory.max=max"}
            << 12ull << 12ull;
    }

    void limitsOfEveryGroupAboveTheProcess() {
        QFETCH(QString, groups);
        QFETCH(QStringList, files);
        QFETCH(qulonglong, total);
        QFETCH(qulonglong, available);
        QTemporaryDir root;
        QVERIFY(root.isValid());
        const auto put = [&root](const QString& path, const QString& text) {
            const QString file = root.filePath(path);
            QVERIFY(QDir().mkpath(QFileInfo(file).path()));
            QFile out(file);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(text.toUtf8());
        };
        put("proc/meminfo", "MemTotal: 16777216 kB\nMemAvailable: 10485760 kB\n");
        put("proc/self/cgroup", groups);
        for (const QString& file : files) {
            const qsizetype equals = file.indexOf('=');
            put("sys/fs/cgroup/" + file.left(equals), file.mid(equals + 1));
        }
        const auto memory = physical_memory_under(root.path().toStdString());
        QVERIFY(memory.has_value());
        constexpr qulonglong kQuarterGiB = 1ull << 28;
        QCOMPARE(memory->total_bytes, total * kQuarterGiB);
        QCOMPARE(memory->available_bytes, available * kQuarterGiB);
    }

    void liveFiguresArePlausible() {
        const auto memory = physical_memory();
        QVERIFY(memory.has_value());
        QVERIFY(memory->total_bytes > 0);
        QVERIFY(memory->available_bytes > 0);
        QVERIFY(memory->available_bytes <= memory->total_bytes);
        QVERIFY(processor_count() >= 1);
    }

    // Run by CTest under "taskset -c 0-1" with TESSAVAL_EXPECTED_PROCESSORS=2.
    void processorCountFollowsTheAffinityMask() {
        const QByteArray expected = qgetenv("TESSAVAL_EXPECTED_PROCESSORS");
        if (expected.isEmpty()) {
            QSKIP("run under taskset by CTest");
        }
        QCOMPARE(processor_count(), expected.toInt());
    }
};

QTEST_GUILESS_MAIN(PlatformInfoTest)
#include "platform_info_test.moc"
