// What a benchmark line records about the machine and the build.
#pragma once

#include <cstddef>
#include <string>

namespace quendal::bench {

// The source tree's commit (with "-dirty" when it has changes), or "unknown".
std::string git_commit();
// The C++ compiler and the flags of this build.
std::string compiler_flags();
// The processor model from /proc/cpuinfo, or "unknown".
std::string cpu_model();
// The process's peak resident memory (VmHWM) in KiB, or -1.
long peak_memory_kib();

// Copy bandwidth in GB/s (bytes read plus bytes written per second), the best
// of a few passes of `threads` threads each copying its slice of two arrays
// of `bytes` bytes that no cache holds.
double copy_bandwidth_gbs(std::size_t threads, std::size_t bytes = std::size_t{512} << 20);

// `text` as a JSON string literal.
std::string json_string(const std::string& text);

}  // namespace quendal::bench
