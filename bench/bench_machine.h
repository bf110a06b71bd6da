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

// The two memory streams of a training iteration, in GB/s of bytes moved
// (read plus written), the best of a few passes of `threads` threads each
// working on its slice of arrays that no cache holds (`bytes` in all):
// a read stream over one array, as the opponent's regret matching makes, and
// a read-modify-write stream over two arrays at once, as the own node's
// one-pass update of regrets and strategy sums makes.
double read_bandwidth_gbs(std::size_t threads, std::size_t bytes = std::size_t{1} << 30);
double update_bandwidth_gbs(std::size_t threads, std::size_t bytes = std::size_t{1} << 30);

// `text` as a JSON string literal.
std::string json_string(const std::string& text);

}  // namespace quendal::bench
