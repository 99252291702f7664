#include "sim/Pacing.h"

#include <gtest/gtest.h>

namespace radio::sim {
namespace {

using std::chrono::milliseconds;

const Instant kStart = milliseconds(1000);

TEST(Pacing, AByteTakesTenBitTimesAt9600Baud) {
    EXPECT_NEAR(static_cast<double>(kByteTime.count()), 1e10 / 9600, 1.0);
}

TEST(Pacing, BytesSeenTogetherArriveOneByteTimeApartUntilTheLineIsIdle) {
    LineSchedule line(true);
    for (int byte = 1; byte <= 3; ++byte) {
        EXPECT_EQ(line.arrival(kStart), kStart + byte * kByteTime);
    }
    const Instant later = kStart + milliseconds(50);
    EXPECT_EQ(line.arrival(later), later + kByteTime);
}

// 4 command bytes in, then 4 header and 8 data bytes out after the turnaround; the next
// answer queues behind it.
TEST(Pacing, AReadBlockTakesItsLineTimeAndAnswersNeverOverlap) {
    LineSchedule line(true);
    Instant complete{};
    for (int i = 0; i < 4; ++i) {
        complete = line.arrival(kStart);
    }
    const auto times = line.answerTimes(12, complete);
    EXPECT_EQ(times.front(), complete + kTurnaround + kByteTime);
    EXPECT_EQ(times.back() - kStart, 16 * kByteTime + kTurnaround);
    EXPECT_EQ(line.answerTimes(1, complete + kByteTime).front(), times.back() + kByteTime);
}

TEST(Pacing, UnpacedLineAnswersAtOnce) {
    LineSchedule line(false);
    EXPECT_EQ(line.arrival(kStart), kStart);
    EXPECT_EQ(line.answerTimes(2, kStart), (std::vector<Instant>{kStart, kStart}));
}

}  // namespace
}  // namespace radio::sim
