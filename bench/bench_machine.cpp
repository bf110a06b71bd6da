#include "bench_machine.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <thread>
#include <vector>

namespace quendal::bench {

namespace {

std::string command_output(const std::string& command) {
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe) {
        return {};
    }
    std::string out;
    std::array<char, 256> buffer{};
    while (std::fgets(buffer.data(), buffer.size(), pipe.get()) != nullptr) {
        out += buffer.data();
    }
    while (!out.empty() && (out.back() == '\n' || out.back() == '\r')) {
        out.pop_back();
    }
    return out;
}

}  // namespace

std::string git_commit() {
    const std::string dir = TESSAVAL_SOURCE_DIR;
    const std::string commit =
        command_output("git -C '" + dir + "' rev-parse --short=12 HEAD 2>/dev/null");
    if (commit.empty()) {
        return "unknown";
    }
    const std::string changes =
        command_output("git -C '" + dir + "' status --porcelain --untracked-files=no 2>/dev/null");
    return changes.empty() ? commit : commit + "-dirty";
}

std::string compiler_flags() {
    return std::string(TESSAVAL_COMPILER) + " " + TESSAVAL_CXX_FLAGS;
}

std::string cpu_model() {
    std::ifstream in("/proc/cpuinfo");
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("model name", 0) == 0) {
            const auto colon = line.find(':');
            if (colon != std::string::npos) {
                return line.substr(line.find_first_not_of(' ', colon + 1));
            }
        }
    }
    return "unknown";
}

long peak_memory_kib() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::strtol(line.c_str() + 6, nullptr, 10);
        }
    }
    return -1;
}

namespace {

// Best GB/s over a few passes of `pass(begin, end)` run by `threads` threads on
// slices of [0, n), counting `bytes_per_element` moved per element.
template <class Pass>
double best_stream_gbs(std::size_t threads, std::size_t n, double bytes_per_element, Pass pass) {
    threads = std::max<std::size_t>(1, threads);
    const std::size_t slice = (n + threads - 1) / threads;
    double best = 0.0;
    for (int round = 0; round < 6; ++round) {
        const auto start = std::chrono::steady_clock::now();
        std::vector<std::thread> workers;
        for (std::size_t t = 0; t < threads; ++t) {
            const std::size_t begin = std::min(n, t * slice);
            workers.emplace_back(pass, begin, std::min(n, begin + slice));
        }
        for (std::thread& w : workers) {
            w.join();
        }
        const double s =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        // The first round also faults the pages in.
        if (round > 0) {
            best = std::max(best, bytes_per_element * static_cast<double>(n) / s / 1e9);
        }
    }
    return best;
}

}  // namespace

double read_bandwidth_gbs(std::size_t threads, std::size_t bytes) {
    const std::size_t n = bytes / sizeof(std::uint64_t);
    std::vector<std::uint64_t> a(n, 1);
    std::atomic<std::uint64_t> sink{0};
    const double gbs =
        best_stream_gbs(threads, n, sizeof(std::uint64_t), [&](std::size_t begin, std::size_t end) {
            std::uint64_t x = 0;
            for (std::size_t i = begin; i < end; ++i) {
                x ^= a[i];
            }
            sink += x;
        });
    return gbs;  // the sum written to `sink` keeps the reads
}

double update_bandwidth_gbs(std::size_t threads, std::size_t bytes) {
    const std::size_t n = bytes / (2 * sizeof(float));
    std::vector<float> regrets(n, 1.0f), sums(n, 0.0f);
    return best_stream_gbs(threads, n, 4.0 * sizeof(float),
                           [&](std::size_t begin, std::size_t end) {
                               float* r = regrets.data();
                               float* s = sums.data();
                               for (std::size_t i = begin; i < end; ++i) {
                                   const float value = 0.5f * r[i] + 0.25f;
                                   r[i] = value;
                                   s[i] = 0.75f * s[i] + value;
                               }
                           });
}

std::string json_string(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

}  // namespace quendal::bench
