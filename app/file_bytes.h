// A whole file's bytes for reading, mapped from the system's file cache
// where it can be: nothing is copied, and no fresh memory (slow to come by
// on some machines) is touched for a large file.
#pragma once

#include <QByteArray>
#include <QFile>

namespace quendal_app {

class FileBytes {
public:
    // The bytes of `file`, open for reading; read in full where the file
    // cannot be mapped.
    explicit FileBytes(QFile& file);
    ~FileBytes();
    FileBytes(const FileBytes&) = delete;
    FileBytes& operator=(const FileBytes&) = delete;

    // Valid while this object lives.
    const QByteArray& bytes() const { return bytes_; }
    // True when the file shrank while its mapped bytes were read: a mapped
    // page past the file's new end reads as zeros instead of ending the
    // program, and the read is then not to be trusted.
    bool shrank() const;

private:
    void* map_ = nullptr;
    qsizetype size_ = 0;
    QByteArray bytes_;
};

}  // namespace quendal_app
