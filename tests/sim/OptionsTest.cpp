#include "sim/Options.h"

#include <gtest/gtest.h>

namespace radio::sim {
namespace {

Options parsed(const std::vector<std::string>& arguments) {
    auto options = parseOptions(arguments);
    EXPECT_TRUE(options.ok()) << (options.ok() ? "" : options.error());
    return options.ok() ? options.value() : Options{};
}

TEST(Options, DefaultsToAPacedRadioWithoutFiles) {
    const Options options = parsed({});
    EXPECT_FALSE(options.fast || options.help);
    EXPECT_TRUE(options.imagePath.empty() && options.savePath.empty());
    EXPECT_EQ(options.faults, Faults{});
}

TEST(Options, TakesValuesSeparateOrAfterAnEqualsSign) {
    const Options options = parsed({"--image", "in.dat", "--save=out.dat", "--link", "/tmp/r",
                                    "--log=-", "--fast", "--seed", "42"});
    EXPECT_EQ(options.imagePath, "in.dat");
    EXPECT_EQ(options.savePath, "out.dat");
    EXPECT_EQ(options.linkPath, "/tmp/r");
    EXPECT_EQ(options.logPath, "-");
    EXPECT_TRUE(options.fast);
    EXPECT_EQ(options.noiseSeed, 42u);
}

TEST(Options, SetsAndCombinesFaults) {
    const std::pair<std::vector<std::string>, Faults> cases[] = {
        {{"silent"}, {.silent = true}},
        {{"quiet-wake-up"}, {.quietWakeUp = true}},
        {{"no-final-ack"}, {.noFinalAck = true}},
        {{"wrong-ack"}, {.wrongHandshakeAck = true}},
        {{"wrong-ack=7"}, {.wrongAckAtBlock = 7}},
        {{"short-data=127"}, {.shortDataAtBlock = 127}},
        {{"stop-at=1"}, {.stopAtBlock = 1}},
        {{"noise"}, {.noise = true}},
        {{"wrong-ack", "wrong-ack=3", "noise"},
         {.wrongHandshakeAck = true, .wrongAckAtBlock = 3, .noise = true}},
    };
    for (const auto& [faults, expected] : cases) {
        std::vector<std::string> arguments;
        for (const std::string& fault : faults) {
            arguments.insert(arguments.end(), {"--fault", fault});
        }
        EXPECT_EQ(parsed(arguments).faults, expected) << faults.front();
    }
}

TEST(Options, RefusesBadArgumentsWithAMessage) {
    const std::vector<std::vector<std::string>> cases = {{"--bogus"},
                                                         {"image.dat"},
                                                         {"--image"},
                                                         {"--fault"},
                                                         {"--fault", "sometimes"},
                                                         {"--fault", "short-data"},
                                                         {"--fault", "short-data=0"},
                                                         {"--fault", "stop-at=x"},
                                                         {"--fault", "stop-at=3x"},
                                                         {"--fault", "silent=2"},
                                                         {"--seed", "-1"},
                                                         {"--fast=yes"}};
    for (const auto& arguments : cases) {
        const auto options = parseOptions(arguments);
        ASSERT_FALSE(options.ok()) << arguments.back();
        EXPECT_FALSE(options.error().empty());
    }
}

TEST(Options, HelpNamesThePacingConstants) {
    const std::string usage = usageText();
    EXPECT_NE(usage.find("1.0417 ms per byte"), std::string::npos);
    EXPECT_NE(usage.find("turnaround of 0.5 ms"), std::string::npos);
    EXPECT_TRUE(parsed({"--help"}).help);
}

}  // namespace
}  // namespace radio::sim
