#include "app/diagnostic_log.h"

#include "app/raw_log_writer.h"

#include <QTextStream>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace quendal_app {

std::mutex logMutex;
QString logPathAppDir;
QString logPathTemp;
QList<QFile*> openLogFiles;

void setLogPaths(const QString& appDirPath, const QString& tempPath) {
    logPathAppDir = appDirPath;
    logPathTemp = tempPath;
    set_fatal_line_paths(QFile::encodeName(appDirPath).constData(),
                         QFile::encodeName(tempPath).constData());
}

QString logLevelWord(QtMsgType type) {
    switch (type) {
        case QtDebugMsg:
            return QStringLiteral("DEBUG");
        case QtInfoMsg:
            return QStringLiteral("INFO");
        case QtWarningMsg:
            return QStringLiteral("WARN");
        case QtCriticalMsg:
            return QStringLiteral("ERROR");
        case QtFatalMsg:
            return QStringLiteral("FATAL");
    }
    return QStringLiteral("INFO");
}

QString formatLogLine(QtMsgType type, const QString& message, const QDateTime& time) {
    return time.toString(Qt::ISODateWithMs) + QStringLiteral(" [") + logLevelWord(type) +
           QStringLiteral("] ") + message;
}

bool openLogFile(QFile& file) {
    const QByteArray path = QFile::encodeName(file.fileName());
    if (path.isEmpty()) {
        return false;
    }
    int fd = -1;
    do {
        fd = ::open(path.constData(), O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        return false;
    }
    if (!file.open(fd, QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text,
                   QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
}

void appendLineRaw(const QString& path, const QString& text) {
    if (path.isEmpty()) {
        return;
    }
    const QByteArray bytes = text.toUtf8();
    append_line_raw(QFile::encodeName(path).constData(), bytes.constData(),
                    static_cast<std::size_t>(bytes.size()));
}

void writeFatalLine(const QString& text) {
    appendLineRaw(logPathAppDir, text);
    appendLineRaw(logPathTemp, text);
}

void logMessageHandler(QtMsgType type, const QMessageLogContext&, const QString& message) {
    const QString line = formatLogLine(type, message, QDateTime::currentDateTime());
    std::unique_lock lock(logMutex);
    if (openLogFiles.isEmpty()) {
        lock.unlock();
        writeFatalLine(line);
        if (type == QtFatalMsg) {
            std::abort();
        }
        return;
    }
    for (QFile* file : openLogFiles) {
        if (file != nullptr && file->isOpen()) {
            QTextStream stream(file);
            stream << line << '\n';
            stream.flush();
            file->flush();
        }
    }
    if (type == QtFatalMsg) {
        std::abort();
    }
}

}  // namespace quendal_app
