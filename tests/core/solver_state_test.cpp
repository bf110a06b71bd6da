#include "core/float_arena.h"
#include "core/node_info.h"
#include "core/scratch_stack.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <mutex>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

namespace quendal {
namespace {

TEST(CompactCodec, EncodesAgainstTheLargestMagnitude) {
    std::vector<std::int16_t> codes{1, 2, 3};
    float scale = 0.0f;
    quantize_int16({}, codes, scale);
    EXPECT_TRUE(codes.empty());
    EXPECT_EQ(scale, 1.0f);

    quantize_int16(std::vector<float>{1e-9f, -1e-10f, 0.0f}, codes, scale);
    EXPECT_EQ(codes, (std::vector<std::int16_t>{0, 0, 0}));
    EXPECT_EQ(scale, 1.0f);

    quantize_int16(std::vector<float>{2.5f, 2.5f, 2.5f}, codes, scale);
    EXPECT_EQ(codes, (std::vector<std::int16_t>{32767, 32767, 32767}));
    EXPECT_EQ(scale, 2.5f);

    // Halves round away from zero; a NaN neither sets the scale nor escapes.
    const float nan = std::numeric_limits<float>::quiet_NaN();
    quantize_int16(std::vector<float>{-4.0f, 1.0f / 32767.0f * 2.0f, nan, 4.0f}, codes, scale);
    EXPECT_EQ(scale, 4.0f);
    EXPECT_EQ(codes, (std::vector<std::int16_t>{-32767, 1, 0, 32767}));
}

TEST(CompactCodec, DecodesOnlyWhatWasEncoded) {
    std::vector<float> values{-3.0f, 0.75f, 1.5f, 3.0f, -0.001f, 2.0f};
    std::vector<std::int16_t> codes;
    float scale = 0.0f;
    quantize_int16(values, codes, scale);
    std::vector<float> decoded{9.0f};
    dequantize_int16(decoded, codes, scale, 2, 3);
    ASSERT_EQ(decoded.size(), 6u);
    for (std::size_t i = 0; i < values.size(); ++i) {
        EXPECT_NEAR(decoded[i], values[i], 3.0 / 32767.0) << i;
    }
    // Too few codes, a non-positive scale or a zero count give zeros.
    dequantize_int16(decoded, codes, scale, 3, 3);
    EXPECT_EQ(decoded, std::vector<float>(9, 0.0f));
    dequantize_int16(decoded, codes, 0.0f, 2, 3);
    EXPECT_EQ(decoded, std::vector<float>(6, 0.0f));
    dequantize_int16(decoded, codes, scale, 0, 3);
    EXPECT_TRUE(decoded.empty());
}

TEST(NodeInfoState, CompactViewsDecodeAfterEncoding) {
    NodeInfo info;
    info.actions = 2;
    info.hands = 2;
    std::vector<float> regret_values{1.0f, -2.0f, 0.5f, 0.0f};
    std::vector<float> sum_values{4.0f, 4.0f, 4.0f, 4.0f};
    info.regrets = regret_values;
    info.strategy_sums = sum_values;
    info.compact_regrets_now();
    info.compact_strategy_sums_now();
    EXPECT_TRUE(info.regrets.empty());
    ASSERT_TRUE(info.compact);
    EXPECT_EQ(info.compact->decoded_regrets.capacity(), 0u);
    EXPECT_EQ(info.compact->regrets_scale, 2.0f);
    const std::span<const float> regrets = info.regrets_view(true);
    ASSERT_EQ(regrets.size(), 4u);
    EXPECT_NEAR(regrets[1], -2.0f, 1e-6);
    EXPECT_NEAR(regrets[2], 0.5f, 1e-4);
    const std::span<const float> sums = info.strategy_sum_view(true);
    EXPECT_EQ(std::vector<float>(sums.begin(), sums.end()), std::vector<float>(4, 4.0f));
    // Outside compact mode the float arrays are returned as they are.
    NodeInfo plain;
    plain.actions = plain.hands = 1;
    EXPECT_TRUE(plain.regrets_view(false).empty());
}

// Small blocks come from the heap, large ones are mapped: both start as
// zeros, and a move hands the block over whole.
TEST(FloatArenaBlock, StartsZeroedAndMovesWhole) {
    for (const std::size_t count : {std::size_t{0}, std::size_t{100}, std::size_t{3} << 20}) {
        FloatArena arena(count);
        ASSERT_EQ(arena.size(), count);
        EXPECT_EQ(std::count(arena.data(), arena.data() + count, 0.0f),
                  static_cast<std::ptrdiff_t>(count));
        if (count != 0) {
            arena.data()[count - 1] = 2.0f;
        }
        FloatArena moved(std::move(arena));
        EXPECT_EQ(arena.size(), 0u);
        EXPECT_EQ(arena.data(), nullptr);
        ASSERT_EQ(moved.size(), count);
        if (count != 0) {
            EXPECT_EQ(moved.data()[count - 1], 2.0f);
        }
    }
}

TEST(ScratchStackFrames, DeepFramesKeepTheirPlace) {
    ScratchStack stack;
    ScratchFrame& shallow = stack.frame(3);
    ScratchFrame& deep = stack.frame(40);
    float* deep_data = ScratchFrame::ensure(deep.child_values, 16);
    deep_data[15] = 7.0f;
    // Growing the overflow further never moves frames already handed out.
    for (std::size_t depth = 41; depth < 200; ++depth) {
        ScratchFrame::ensure(stack.frame(depth).strategy, 4);
    }
    EXPECT_EQ(&stack.frame(40), &deep);
    EXPECT_EQ(deep.child_values[15], 7.0f);
    EXPECT_EQ(&stack.frame(3), &shallow);
    // Frames only grow.
    EXPECT_EQ(ScratchFrame::ensure(deep.child_values, 4), deep_data);
    EXPECT_EQ(deep.child_values.size(), 16u);
}

// A chunk's stack outlives its lease, so a later chunk finds its arrays grown,
// while leases held at once never share a stack.
TEST(ScratchStackFrames, PoolReusesReturnedStacksAndNeverSharesHeldOnes) {
    ScratchPool pool;
    ScratchStack* first = nullptr;
    {
        ScratchPool::Lease lease(pool);
        first = &lease.stack();
        ScratchFrame::ensure(first->frame(2).chance_values, 1024);
    }
    ScratchPool::Lease again(pool);
    EXPECT_EQ(&again.stack(), first);
    EXPECT_GE(again.stack().frame(2).chance_values.size(), 1024u);
    {
        ScratchPool::Lease other(pool);
        EXPECT_NE(&other.stack(), first);
    }
    std::vector<ScratchStack*> held = {&again.stack()};
    std::mutex mutex;
    std::vector<std::thread> threads;
    for (int t = 0; t < 8; ++t) {
        threads.emplace_back([&] {
            for (int i = 0; i < 200; ++i) {
                ScratchPool::Lease lease(pool);
                {
                    std::lock_guard lock(mutex);
                    EXPECT_EQ(std::count(held.begin(), held.end(), &lease.stack()), 0);
                    held.push_back(&lease.stack());
                }
                std::lock_guard lock(mutex);
                held.erase(std::find(held.begin(), held.end(), &lease.stack()));
            }
        });
    }
    for (std::thread& t : threads) {
        t.join();
    }
    EXPECT_EQ(held, std::vector<ScratchStack*>{&again.stack()});
}

// A stack goes back to the thread that gave it back, whose caches hold its
// arrays, before the stack another thread gave back since.
TEST(ScratchStackFrames, PoolHandsAThreadBackItsOwnStack) {
    ScratchPool pool;
    ScratchStack* mine = nullptr;
    {
        ScratchPool::Lease first(pool);
        ScratchPool::Lease second(pool);
        mine = &second.stack();
    }  // `second` goes back first, `first` last
    std::thread([&] { ScratchPool::Lease other(pool); }).join();  // takes and returns `first`
    ScratchPool::Lease again(pool);
    EXPECT_EQ(&again.stack(), mine);
}

}  // namespace
}  // namespace quendal
