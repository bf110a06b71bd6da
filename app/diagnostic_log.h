// The diagnostic log: two "tessaval.log" files (application folder and
// temporary folder) fed by the Qt message handler, and the raw crash lines.
#pragma once

#include <QDateTime>
#include <QFile>
#include <QList>
#include <QString>
#include <QtGlobal>
#include <mutex>

namespace quendal_app {

// Serialises writes through the open log files.
extern std::mutex logMutex;
// Full paths of the two log files; empty until start-up sets them.
extern QString logPathAppDir;
extern QString logPathTemp;
// The log files start-up opened, application folder first; never shrinks.
extern QList<QFile*> openLogFiles;

// Sets both paths, for the message handler and for the crash lines.
void setLogPaths(const QString& appDirPath, const QString& tempPath);

// "DEBUG", "INFO", "WARN", "ERROR" or "FATAL".
QString logLevelWord(QtMsgType type);
// Local time in ISO 8601 with milliseconds, " [LEVEL] ", the message.
QString formatLogLine(QtMsgType type, const QString& message, const QDateTime& time);

// Opens a log file for appending text without following a symbolic link,
// creating it with mode 0600. False when it cannot be opened.
bool openLogFile(QFile& file);

// The Qt message handler: each line once to every open log file, whole, from
// any thread; raw to both paths when no file is open. A fatal message aborts.
void logMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& message);

// One line, raw (plain system calls), to one file; an empty path does nothing.
void appendLineRaw(const QString& path, const QString& text);
// appendLineRaw to the application-folder path, then to the temporary one.
void writeFatalLine(const QString& text);

}  // namespace quendal_app
