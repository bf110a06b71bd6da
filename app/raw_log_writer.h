// Line writer for the moments when the process is failing: plain system
// calls, no locks, no allocation, safe inside a signal handler.
#pragma once

#include <cstddef>

namespace quendal_app {

// Appends `text` and a line feed to the file at `path` with one write: the
// file is opened for appending, created with mode 0600 when missing, never
// through a symbolic link, and closed again. A null or empty path, or any
// failure, writes nothing.
void append_line_raw(const char* path, const char* text, std::size_t length);

// The two crash-line files (application folder, then temporary folder),
// copied into fixed buffers so that a handler reads them without allocating.
// Paths longer than the buffers are dropped.
void set_fatal_line_paths(const char* app_dir_path, const char* temp_path);

// Appends the line to both crash-line files, application folder first.
void write_fatal_line(const char* text, std::size_t length);

}  // namespace quendal_app
