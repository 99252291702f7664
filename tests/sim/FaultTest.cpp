#include <gtest/gtest.h>

#include <algorithm>

#include "core/link/CloneProtocol.h"
#include "sim/ModelDriver.h"

namespace radio::sim::test {
namespace {

using clone::kAck;
using clone::kStx;

const Bytes kAckOnly = {kAck};
const Bytes kWrongAck = {Faults::kWrongAck};

Faults with(bool Faults::*flag) {
    Faults faults;
    faults.*flag = true;
    return faults;
}

Faults atBlock(int Faults::*field, int block) {
    Faults faults;
    faults.*field = block;
    return faults;
}

// Reads blocks 1, 2, ... (8 bytes each from address 0) and returns the answers to block n.
struct BlockAnswers {
    Bytes data;
    Bytes ack;
};

BlockAnswers readBlock(ModelDriver& radio, int n) {
    const std::size_t address = static_cast<std::size_t>(n - 1) * 8;
    Bytes data = radio.read(address, 8);
    return {data, radio.send(kAck)};
}

TEST(Faults, SilentNeverAnswersNorStores) {
    ModelDriver radio(patternedMemory(), with(&Faults::silent));
    EXPECT_TRUE(radio.send(wakeUpString()).empty());
    EXPECT_TRUE(radio.send(kStx).empty());
    EXPECT_TRUE(radio.send(kAck).empty());
    EXPECT_FALSE(radio.model().programming());
    EXPECT_TRUE(radio.write(0, {1, 2, 3}).empty());
    EXPECT_EQ(radio.model().memory(), patternedMemory());
    EXPECT_EQ(radio.log().front(), "wake-up");
}

TEST(Faults, NoFinalAckAnswersTheRestOfTheHandshake) {
    ModelDriver radio(patternedMemory(), with(&Faults::noFinalAck));
    EXPECT_EQ(radio.send(wakeUpString()), kAckOnly);
    EXPECT_EQ(radio.send(kStx).size(), 8u);
    EXPECT_TRUE(radio.send(kAck).empty());
    EXPECT_FALSE(radio.model().programming());
    EXPECT_TRUE(radio.read(0, 8).empty());
}

TEST(Faults, WrongHandshakeAckSendsTheWrongByte) {
    ModelDriver radio(patternedMemory(), with(&Faults::wrongHandshakeAck));
    EXPECT_EQ(radio.handshake(), kWrongAck);
    EXPECT_FALSE(radio.model().programming());
    // Every retry fails the same way.
    EXPECT_EQ(radio.handshake(), kWrongAck);
}

TEST(Faults, WrongAckStrikesOnlyTheNamedReadBlock) {
    ModelDriver radio(patternedMemory(), atBlock(&Faults::wrongAckAtBlock, 3));
    ASSERT_EQ(radio.handshake(), kAckOnly);
    for (int n = 1; n <= 5; ++n) {
        const BlockAnswers answers = readBlock(radio, n);
        EXPECT_EQ(answers.data.size(), 12u) << n;
        EXPECT_EQ(answers.ack, n == 3 ? kWrongAck : kAckOnly) << n;
    }
}

TEST(Faults, WrongAckRefusesTheNamedWriteBlock) {
    ModelDriver radio(patternedMemory(), atBlock(&Faults::wrongAckAtBlock, 2));
    ASSERT_EQ(radio.handshake(), kAckOnly);
    EXPECT_EQ(radio.write(0x00, {0x11}), kAckOnly);
    EXPECT_EQ(radio.write(0x08, {0x22}), kWrongAck);
    EXPECT_EQ(radio.write(0x10, {0x33}), kAckOnly);
    EXPECT_EQ(radio.model().memory()[0x00], 0x11);
    EXPECT_EQ(radio.model().memory()[0x08], patternedMemory()[0x08]);
    EXPECT_EQ(radio.model().memory()[0x10], 0x33);
}

TEST(Faults, ShortDataLeavesOutTheLastDataByte) {
    const MemoryImage memory = patternedMemory();
    ModelDriver radio(memory, atBlock(&Faults::shortDataAtBlock, 2));
    ASSERT_EQ(radio.handshake(), kAckOnly);
    EXPECT_EQ(readBlock(radio, 1).data.size(), 12u);
    const Bytes shortAnswer = readBlock(radio, 2).data;
    ASSERT_EQ(shortAnswer.size(), 11u);
    EXPECT_EQ(shortAnswer[3], 8) << "the header still announces 8 bytes";
    EXPECT_EQ(shortAnswer.back(), memory[8 + 6]);
    EXPECT_EQ(readBlock(radio, 3).data.size(), 12u);
}

TEST(Faults, StopAtGoesQuietFromTheNamedBlockOn) {
    ModelDriver radio(patternedMemory(), atBlock(&Faults::stopAtBlock, 3));
    ASSERT_EQ(radio.handshake(), kAckOnly);
    EXPECT_EQ(radio.write(0x00, {0x11}), kAckOnly);
    EXPECT_EQ(radio.write(0x08, {0x22}), kAckOnly);
    EXPECT_TRUE(radio.write(0x10, {0x33}).empty());
    EXPECT_TRUE(radio.read(0x18, 8).empty());
    EXPECT_TRUE(radio.send(kAck).empty());
    EXPECT_EQ(radio.model().memory()[0x08], 0x22);
    EXPECT_EQ(radio.model().memory()[0x10], patternedMemory()[0x10]);
    EXPECT_EQ(radio.log().back(), "R 0018 08 unanswered");
}

TEST(Faults, StopAtCountsAgainInTheNextSession) {
    ModelDriver radio(patternedMemory(), atBlock(&Faults::stopAtBlock, 2));
    ASSERT_EQ(radio.handshake(), kAckOnly);
    readBlock(radio, 1);
    EXPECT_TRUE(readBlock(radio, 2).data.empty());
    ASSERT_EQ(radio.handshake(), kAckOnly);
    EXPECT_EQ(readBlock(radio, 1).data.size(), 12u);
    EXPECT_TRUE(readBlock(radio, 2).data.empty());
}

TEST(Faults, BlocksAreCountedPerSessionForEveryBlockFault) {
    ModelDriver radio(patternedMemory(), atBlock(&Faults::wrongAckAtBlock, 1));
    radio.handshake();
    EXPECT_EQ(radio.write(0, {1}), kWrongAck);
    EXPECT_EQ(radio.write(8, {1}), kAckOnly);
    radio.handshake();
    EXPECT_EQ(radio.write(0, {1}), kWrongAck);
}

TEST(Faults, NoisePrecedesEveryAnswerAndIsNeverAnAck) {
    const MemoryImage memory = patternedMemory();
    ModelDriver radio(memory, with(&Faults::noise));
    std::vector<Bytes> answers = {radio.send(wakeUpString()), radio.send(kStx), radio.send(kAck),
                                  radio.read(0, 8), radio.send(kAck)};
    const std::vector<std::size_t> clean = {1, 8, 1, 12, 1};
    for (std::size_t i = 0; i < answers.size(); ++i) {
        const std::size_t extra = answers[i].size() - clean[i];
        EXPECT_GE(extra, 1u) << i;
        EXPECT_LE(extra, 3u) << i;
        EXPECT_EQ(
            std::count(answers[i].begin(), answers[i].begin() + static_cast<long>(extra), kAck), 0)
            << i;
    }
    EXPECT_EQ(answers[4].back(), kAck);
    EXPECT_TRUE(radio.model().programming());
}

TEST(Faults, NoiseFollowsTheSeed) {
    auto noisyAnswers = [](std::uint32_t seed) {
        RadioModel model(patternedMemory(), with(&Faults::noise), seed);
        return concat(model.receive(wakeUpString()), model.receive(wakeUpString()));
    };
    EXPECT_EQ(noisyAnswers(7), noisyAnswers(7));
    EXPECT_NE(noisyAnswers(7), noisyAnswers(8));
}

}  // namespace
}  // namespace radio::sim::test
