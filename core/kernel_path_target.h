// Included last by the files built once per kernel path (see
// core/kernel_path.h). kBuildPath is the path this compile builds, the one
// these files instantiate their templates for; in the AVX2 + FMA compile,
// every function defined after this header is compiled for those
// instructions. A pragma rather than -mavx2 on the command line: what
// these files instantiate from the standard library and from the headers
// included before this one stays baseline code, so whichever copy of it the
// linker keeps runs on any x86-64 processor.
#pragma once

#include "core/kernel_path.h"

#ifdef QUENDAL_COMPILING_AVX2_PATH
#pragma GCC target("avx2,fma,bmi,bmi2,popcnt,lzcnt")
#endif

namespace quendal {

#ifdef QUENDAL_COMPILING_AVX2_PATH
constexpr KernelPath kBuildPath = KernelPath::kAvx2Fma;
#else
constexpr KernelPath kBuildPath = KernelPath::kPortable;
#endif

}  // namespace quendal
