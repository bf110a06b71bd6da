#include "app/crash_handlers.h"

#include "app/raw_log_writer.h"
#include "core/thread_pool.h"
#include "core/thread_start.h"

#include <QtTest>
#include <chrono>
#include <cstdlib>
#include <exception>
#include <fcntl.h>
#include <functional>
#include <new>
#include <signal.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace quendal_app;

namespace {

struct ChildResult {
    bool signaled = false;
    int signal = 0;
    int exit_code = -1;
};

// Runs `body` in a child process with the crash handlers installed and the
// crash lines going to the two paths.
ChildResult runInChild(const QByteArray& app_log, const QByteArray& temp_log,
                       const std::function<void()>& body) {
    const pid_t pid = fork();
    if (pid == 0) {
        const rlimit no_core{0, 0};
        setrlimit(RLIMIT_CORE, &no_core);
        set_fatal_line_paths(app_log.constData(), temp_log.constData());
        installCrashHandlers();
        body();
        _exit(0);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    ChildResult result;
    result.signaled = WIFSIGNALED(status);
    result.signal = result.signaled ? WTERMSIG(status) : 0;
    result.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

QByteArrayList readLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QByteArrayList lines = file.readAll().split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) {
        lines.removeLast();
    }
    return lines;
}

void touchBeyondEndOfFile(const QByteArray& path) {
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_TRUNC, 0600);
    void* page = mmap(nullptr, 4096, PROT_READ, MAP_SHARED, fd, 0);
    if (page == MAP_FAILED) {
        _exit(3);
    }
    volatile char c = *static_cast<volatile char*>(page);  // no backing bytes: SIGBUS
    (void)c;
}

// Recursion that only ends with the stack: only a handler on its own stack can
// report it.
int overflowStack(int depth) {
    volatile char frame[1024];
    frame[0] = static_cast<char>(depth);
    return depth < 0 ? 0 : overflowStack(depth + 1) + frame[0];
}

}  // namespace

class CrashHandlersTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    QString appLog() const { return dir_.filePath("app.log"); }
    QString tempLog() const { return dir_.filePath("temp.log"); }

    ChildResult run(const std::function<void()>& body) {
        QFile::remove(appLog());
        QFile::remove(tempLog());
        return runInChild(QFile::encodeName(appLog()), QFile::encodeName(tempLog()), body);
    }

    void expectBothFiles(const QByteArrayList& lines) {
        QCOMPARE(readLines(appLog()), lines);
        QCOMPARE(readLines(tempLog()), lines);
    }

private slots:
    void signalsLeaveTheirLineAndEndTheProcess_data() {
        QTest::addColumn<int>("signal");
        QTest::addColumn<int>("kind");
        QTest::newRow("segmentation fault") << int(SIGSEGV) << 0;
        QTest::newRow("arithmetic") << int(SIGFPE) << 1;
        QTest::newRow("abort") << int(SIGABRT) << 2;
        QTest::newRow("bus error") << int(SIGBUS) << 3;
        QTest::newRow("illegal instruction") << int(SIGILL) << 4;
        QTest::newRow("stack overflow") << int(SIGSEGV) << 5;
        QTest::newRow("stack overflow on a solver worker") << int(SIGSEGV) << 6;
        QTest::newRow("stack overflow on a session thread") << int(SIGSEGV) << 7;
    }

    void signalsLeaveTheirLineAndEndTheProcess() {
        QFETCH(int, signal);
        QFETCH(int, kind);
#ifdef TESSAVAL_SANITIZED
        if (signal == SIGSEGV) {
            QSKIP("the address sanitizer keeps segmentation faults to itself");
        }
#endif
        const QByteArray scratch = QFile::encodeName(dir_.filePath("empty.bin"));
        const ChildResult result = run([&] {
            switch (kind) {
                case 0:
                    *static_cast<volatile int*>(nullptr) = 1;
                    break;
                case 1:
                    raise(SIGFPE);
                    break;
                case 2:
                    std::abort();
                case 3:
                    touchBeyondEndOfFile(scratch);
                    break;
                case 4:
                    __builtin_trap();
                case 5:
                    overflowStack(0);
                    break;
                case 6: {
                    quendal::ThreadPool pool(1);
                    pool.submit([] { overflowStack(0); });
                    std::this_thread::sleep_for(std::chrono::seconds(30));  // the worker's turn
                    break;
                }
                case 7:
                    // As the session, the estimator and the query threads start theirs.
                    std::thread([] {
                        quendal::on_thread_start();
                        overflowStack(0);
                    }).join();
                    break;
            }
            _exit(2);
        });
        QVERIFY2(result.signaled, qPrintable(QString("exit code %1").arg(result.exit_code)));
        QCOMPARE(result.signal, signal);
        expectBothFiles({"FATAL: C signal received sig=" + QByteArray::number(signal)});
    }

    void terminateLeavesItsLineThenAborts() {
        const ChildResult result = run([] { std::terminate(); });
        QVERIFY(result.signaled);
        QCOMPARE(result.signal, int(SIGABRT));
        expectBothFiles({"FATAL: std::terminate() called", "FATAL: C signal received sig=6"});
    }

    // An allocation that cannot be met is an error for the caller, not the
    // end of the process.
    void unmetAllocationThrowsAfterItsLine() {
#ifdef TESSAVAL_SANITIZED
        QSKIP("the sanitizer's allocator refuses the size without calling the new handler");
#endif
        const ChildResult result = run([] {
            volatile std::size_t huge = std::size_t{1} << 52;
            try {
                char* volatile p = new char[huge];
                _exit(p != nullptr ? 4 : 6);
            } catch (const std::bad_alloc&) {
            }
            std::vector<char> small(1024, 'x');  // the process goes on
            _exit(small[0] == 'x' ? 42 : 5);
        });
        QVERIFY(!result.signaled);
        QCOMPARE(result.exit_code, 42);
        expectBothFiles({"FATAL: std::new_handler invoked (out of memory)"});
    }

    void rawWriterAppendsWholeLinesAndSkipsWhatItCannotOpen() {
        QFile::remove(appLog());
        append_line_raw(QFile::encodeName(appLog()).constData(), "one", 3);
        append_line_raw(QFile::encodeName(appLog()).constData(), "two words", 9);
        QCOMPARE(readLines(appLog()), QByteArrayList({"one", "two words"}));
        append_line_raw(nullptr, "x", 1);
        append_line_raw("", "x", 1);
        append_line_raw(QFile::encodeName(dir_.filePath("missing/dir/x.log")).constData(), "x", 1);
        QVERIFY(!QFile::exists(dir_.filePath("missing")));
        // A path too long for the handlers' buffers is dropped, not truncated.
        const QByteArray longPath = QFile::encodeName(dir_.path()) + "/" + QByteArray(5000, 'a');
        set_fatal_line_paths(longPath.constData(), QFile::encodeName(tempLog()).constData());
        QFile::remove(tempLog());
        write_fatal_line("only temp", 9);
        QCOMPARE(readLines(tempLog()), QByteArrayList({"only temp"}));
    }
};

QTEST_GUILESS_MAIN(CrashHandlersTest)
#include "crash_handlers_test.moc"
