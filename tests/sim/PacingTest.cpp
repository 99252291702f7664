#include <gtest/gtest.h>

#include "sim/Pacing.h"

namespace radio::sim {
namespace {

using std::chrono::milliseconds;

const Instant kStart = milliseconds(1000);

TEST(Pacing, AByteTakesTenBitTimesAt9600Baud) {
    EXPECT_NEAR(static_cast<double>(kByteTime.count()), 1e10 / 9600, 1.0);
}

TEST(Pacing, BytesSeenTogetherArriveOneByteTimeApart) {
    LineSchedule line(true);
    EXPECT_EQ(line.arrival(kStart), kStart + kByteTime);
    EXPECT_EQ(line.arrival(kStart), kStart + 2 * kByteTime);
    EXPECT_EQ(line.arrival(kStart), kStart + 3 * kByteTime);
    // After a pause the line is idle again.
    const Instant later = kStart + milliseconds(50);
    EXPECT_EQ(line.arrival(later), later + kByteTime);
}

TEST(Pacing, AnAnswerFollowsTheTurnaroundByteByByte) {
    LineSchedule line(true);
    const auto times = line.answerTimes(3, kStart);
    ASSERT_EQ(times.size(), 3u);
    EXPECT_EQ(times[0], kStart + kTurnaround + kByteTime);
    EXPECT_EQ(times[2], kStart + kTurnaround + 3 * kByteTime);
}

TEST(Pacing, AnAnswerNeverOverlapsThePreviousOne) {
    LineSchedule line(true);
    const auto first = line.answerTimes(8, kStart);
    const auto second = line.answerTimes(1, kStart + kByteTime);
    EXPECT_EQ(second[0], first.back() + kByteTime);
}

TEST(Pacing, AReadBlockTakesItsModelTime) {
    // 4 command bytes in, 4 header and 8 data bytes out, plus the turnaround.
    LineSchedule line(true);
    Instant complete{};
    for (int i = 0; i < 4; ++i) {
        complete = line.arrival(kStart);
    }
    const Instant done = line.answerTimes(12, complete).back();
    EXPECT_EQ(done - kStart, 16 * kByteTime + kTurnaround);
}

TEST(Pacing, UnpacedLineAnswersAtOnce) {
    LineSchedule line(false);
    EXPECT_EQ(line.arrival(kStart), kStart);
    EXPECT_EQ(line.answerTimes(2, kStart), (std::vector<Instant>{kStart, kStart}));
}

}  // namespace
}  // namespace radio::sim
