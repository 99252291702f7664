#include "sim/RadioModel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "core/link/CloneProtocol.h"

namespace radio::sim {
namespace {

using Bytes = std::vector<std::uint8_t>;
using clone::kAck;
using clone::kStx;

const Bytes kAckOnly = {kAck};
const Bytes kNone = {};
const Bytes kWakeUp(clone::kWakeUp.begin(), clone::kWakeUp.end());

MemoryImage memory() {
    MemoryImage image;
    for (std::size_t i = 0; i < MemoryImage::kSize; ++i) {
        image[i] = static_cast<std::uint8_t>(i * 7 + 3);
    }
    return image;
}

Bytes join(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Bytes header(std::uint8_t code, std::size_t address, std::size_t length) {
    const auto bytes = clone::blockCommand(code, {address, length});
    return Bytes(bytes.begin(), bytes.end());
}

Bytes read(std::size_t address, std::size_t length) {
    return header('R', address, length);
}
Bytes write(std::size_t address, const Bytes& data) {
    return join(header('W', address, data.size()), data);
}

Bytes stored(std::size_t address, std::size_t length) {
    const auto bytes = memory().bytes(address, length);
    return Bytes(bytes.begin(), bytes.end());
}

// The answer to a read: a header, then the memory's bytes (or the given ones).
Bytes answer(std::size_t address, std::size_t length, std::optional<Bytes> data = {}) {
    return join(header('W', address, length), data.value_or(stored(address, length)));
}

const Bytes kIdent = stored(440, 8);

// One exchange: bytes from the program and the radio's answer (any answer when nullopt).
struct Step {
    Bytes send;
    std::optional<Bytes> answer;
    bool idleBefore = false;  // the line was quiet before these bytes
};

using Steps = std::vector<Step>;

Steps with(Steps a, const Steps& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const Steps kHandshake = {{kWakeUp, kAckOnly}, {{kStx}, kIdent}, {{kAck}, kAckOnly}};
// Proof that the radio is programming and still serves the memory as it was.
const Steps kLastBlockRead = {{read(0x3F0, 1), answer(0x3F0, 1)}, {{kAck}, kAckOnly}};

struct Script {
    std::string name;
    Steps steps;
    Faults faults = {};
    std::vector<std::string> log = {};  // the whole log, when given
};

void PrintTo(const Script& script, std::ostream* out) {
    *out << script.name;
}

class RadioModelScript : public ::testing::TestWithParam<Script> {};

TEST_P(RadioModelScript, AnswersEachExchange) {
    const Script& script = GetParam();
    RadioModel model(memory(), script.faults);
    std::vector<std::string> log;
    model.setLogSink([&](const std::string& line) { log.push_back(line); });
    for (std::size_t i = 0; i < script.steps.size(); ++i) {
        const Step& step = script.steps[i];
        if (step.idleBefore) {
            model.lineIdle();
        }
        const Bytes answer = model.receive(step.send);
        if (step.answer) {
            EXPECT_EQ(answer, *step.answer) << "step " << i;
        }
    }
    if (!script.log.empty()) {
        EXPECT_EQ(log, script.log);
    }
}

// A command the radio ignores, after which it still serves the next one.
Script ignored(std::string name, const Bytes& command, const std::string& logged) {
    return {"Ignores" + name,
            with(with(kHandshake, {{command, kNone}}), kLastBlockRead),
            {},
            {"wake-up", "ident", "ack", logged, "R 03F0 01", "ack"}};
}

// A program may give up anywhere and start a new handshake.
Script restart(std::string name, const Bytes& before) {
    // A wake-up right after a wake-up is first taken for an ident request, then answered.
    Steps steps = with({{before, std::nullopt}, {kWakeUp, std::nullopt}}, kHandshake);
    steps.erase(steps.begin() + 2);
    return {"RestartsAfter" + name, with(steps, kLastBlockRead)};
}

const Bytes kStart = join(kWakeUp, {kStx, kAck});

INSTANTIATE_TEST_SUITE_P(
    RadioModel, RadioModelScript,
    ::testing::Values(
        Script{"StoresWritesAndLogsTheirData",
               with(kHandshake, {{write(0x3DB, {1, 2, 0xAB, 0xCD, 0xEF}), kAckOnly},
                                 {write(0x3FF, {0x42}), kAckOnly},
                                 {read(0x3DB, 5), answer(0x3DB, 5, Bytes{1, 2, 0xAB, 0xCD, 0xEF})},
                                 {{kAck}, kAckOnly},
                                 {read(0x3FF, 1), answer(0x3FF, 1, Bytes{0x42})}}),
               {},
               {"wake-up", "ident", "ack", "W 03DB 05 01 02 AB CD EF", "W 03FF 01 42", "R 03DB 05",
                "ack", "R 03FF 01"}},
        Script{"TakesTheWakeUpStringAsWriteData",
               with(kHandshake, {{write(0x100, kWakeUp), kAckOnly},
                                 {read(0x100, 8), answer(0x100, 8, kWakeUp)}})},
        Script{"IgnoresAllBeforeTheWakeUpAndAnswersItsLastByte",
               with({{{kStx, kAck, 'R', 0, 0, 8, 'W', 0, 0, 1, 0x55, 'P', 'R'}, kNone},
                     {join({0x00, kStx, 'P'}, Bytes(kWakeUp.begin(), kWakeUp.end() - 1)), kNone},
                     {{'M'}, kAckOnly},
                     {{kStx}, kIdent},
                     {{kAck}, kAckOnly}},
                    kLastBlockRead),
               {},
               {"wake-up", "ident", "ack", "R 03F0 01", "ack"}},
        Script{"IgnoresGarbageBetweenCommands",
               with(with(kHandshake, {{{0x00, 0xFF, kAck, kStx, 0x13}, kNone}}), kLastBlockRead)},
        Script{"TakesAWakeUpInProgrammingModeAsAWakeUp",
               with(kHandshake, {{kWakeUp, kAckOnly}}),
               {},
               {"wake-up", "ident", "ack", "wake-up"}},
        // An STX while the identification request is due can only be taken for one.
        Script{"TakesASecondWakeUpFirstForAnIdentRequest",
               {{kWakeUp, kAckOnly}, {kWakeUp, join(kIdent, kAckOnly)}},
               {},
               {"wake-up", "ident", "wake-up"}},
        Script{"DropsAHalfCommandWhenTheLineGoesQuiet",
               with(kHandshake,
                    {{{'W', 0x00, 0x10, 8, 1, 2}, kNone}, {read(0x10, 8), answer(0x10, 8), true}}),
               {},
               {"wake-up", "ident", "ack", "partial command dropped", "R 0010 08"}},
        Script{"IgnoresCommandsAfterAFailedHandshake",
               with({{kWakeUp, kAckOnly}, {{kStx}, kIdent}, {write(0, {1, 2, 3, 4}), kNone}},
                    with(kHandshake, {{read(0, 4), answer(0, 4)}}))},
        ignored("ReadOfLength0", {'R', 0, 0, 0}, "R 0000 00 ignored"),
        ignored("ReadOfLength9", {'R', 0, 0, 9}, "R 0000 09 ignored"),
        ignored("ReadPastTheEnd", {'R', 0x03, 0xFC, 5}, "R 03FC 05 ignored"),
        ignored("ReadAt1024", {'R', 0x04, 0x00, 1}, "R 0400 01 ignored"),
        ignored("ReadFarAway", {'R', 0xFF, 0xF8, 8}, "R FFF8 08 ignored"),
        ignored("WriteOfLength0", {'W', 0, 0, 0}, "W 0000 00 ignored"),
        ignored("WriteOfLength9", {'W', 0, 0, 9}, "W 0000 09 ignored"),
        // The data of a write outside the memory is swallowed, not taken for commands.
        ignored("WritePastTheEnd", {'W', 0x03, 0xFF, 2, 'R', 0}, "W 03FF 02 52 00 ignored"),
        ignored("WriteAt1024", {'W', 0x04, 0x00, 4, 'R', 0, 0, 8}, "W 0400 04 52 00 00 08 ignored"),
        restart("Nothing", {}), restart("WakeUp", kWakeUp),
        restart("HalfAWakeUp", {kStx, 'P', 'R', 'O'}), restart("Ident", join(kWakeUp, {kStx})),
        restart("Handshake", kStart), restart("UnacknowledgedData", join(kStart, {'R', 0, 0, 8})),
        restart("AcknowledgedData", join(kStart, {'R', 0, 0, 8, kAck})),
        restart("HalfACommand", join(kStart, {'R', 0})),
        restart("AWrite", join(kStart, {'W', 0, 0x20, 1, 0x20})),
        Script{"ShortDataStillAnnouncesTheFullLength",
               with(kHandshake, {{read(0, 8), answer(0, 8)},
                                 {{kAck}, kAckOnly},
                                 {read(8, 8), answer(8, 8, stored(8, 7))},
                                 {{kAck}, kAckOnly},
                                 {read(16, 8), answer(16, 8)}}),
               {.shortDataAtBlock = 2}},
        // Blocks count from 1 again after each wake-up, for every block fault.
        Script{"StopsAtTheBlockOfEachSession",
               with(with(kHandshake, {{write(0, {0x11}), kAckOnly},
                                      {read(8, 8), kNone},
                                      {write(0x10, {0x33}), kNone}}),
                    with(kHandshake, {{read(0, 1), answer(0, 1, Bytes{0x11})},
                                      {{kAck}, kAckOnly},
                                      {read(0x10, 1), kNone}})),
               {.stopAtBlock = 2},
               {"wake-up", "ident", "ack", "W 0000 01 11", "R 0008 08", "fault: stopped at block 2",
                "W 0010 01 33 unanswered", "wake-up", "ident", "ack", "R 0000 01", "ack",
                "R 0010 01", "fault: stopped at block 2"}},
        Script{"RefusesTheBlockOfEachSession",
               with(with(kHandshake,
                         {{write(0, {1}), Bytes{Faults::kWrongAck}}, {write(8, {1}), kAckOnly}}),
                    with(kHandshake,
                         {{write(0, {1}), Bytes{Faults::kWrongAck}}, {read(0, 1), answer(0, 1)}})),
               {.wrongAckAtBlock = 1}}),
    [](const auto& info) { return info.param.name; });

TEST(RadioModel, NoisePrecedesEveryAnswerFollowsTheSeedAndIsNeverAnAck) {
    auto answers = [](std::uint32_t seed) {
        RadioModel model(memory(), {.noise = true}, seed);
        std::vector<Bytes> all;
        for (const Bytes& send : {kWakeUp, Bytes{kStx}, Bytes{kAck}, read(0, 8), Bytes{kAck}}) {
            all.push_back(model.receive(send));
        }
        return all;
    };
    const std::vector<Bytes> clean = {kAckOnly, kIdent, kAckOnly, answer(0, 8), kAckOnly};
    // Enough seeds that every noise value turns up.
    for (std::uint32_t seed = 1; seed <= 200; ++seed) {
        const std::vector<Bytes> noisy = answers(seed);
        for (std::size_t i = 0; i < clean.size(); ++i) {
            const auto noiseEnd = noisy[i].end() - std::ssize(clean[i]);
            ASSERT_TRUE(noisy[i].size() >= clean[i].size() + 1 &&
                        noisy[i].size() <= clean[i].size() + 3);
            ASSERT_EQ(Bytes(noiseEnd, noisy[i].end()), clean[i]) << i;
            ASSERT_EQ(std::count(noisy[i].begin(), noiseEnd, kAck), 0) << seed;
        }
    }
    const std::vector<Bytes> noisy = answers(7);
    EXPECT_EQ(answers(7), noisy);
    EXPECT_NE(answers(8), noisy);
}

}  // namespace
}  // namespace radio::sim
