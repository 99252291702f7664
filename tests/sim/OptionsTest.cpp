#include <gtest/gtest.h>

#include "sim/Options.h"

namespace radio::sim {
namespace {

Options parsed(const std::vector<std::string>& arguments) {
    auto options = parseOptions(arguments);
    EXPECT_TRUE(options.ok()) << (options.ok() ? "" : options.error());
    return options.ok() ? options.value() : Options{};
}

TEST(Options, DefaultsToAPacedRadioWithoutFiles) {
    const Options options = parsed({});
    EXPECT_FALSE(options.fast);
    EXPECT_FALSE(options.help);
    EXPECT_TRUE(options.imagePath.empty());
    EXPECT_TRUE(options.savePath.empty());
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

struct FaultCase {
    const char* argument;
    Faults expected;
};

Faults makeFaults(void (*change)(Faults&)) {
    Faults faults;
    change(faults);
    return faults;
}

class FaultOption : public ::testing::TestWithParam<FaultCase> {};

TEST_P(FaultOption, SetsTheFault) {
    EXPECT_EQ(parsed({"--fault", GetParam().argument}).faults, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Options, FaultOption,
    ::testing::Values(
        FaultCase{"silent", makeFaults([](Faults& f) { f.silent = true; })},
        FaultCase{"no-final-ack", makeFaults([](Faults& f) { f.noFinalAck = true; })},
        FaultCase{"wrong-ack", makeFaults([](Faults& f) { f.wrongHandshakeAck = true; })},
        FaultCase{"wrong-ack=7", makeFaults([](Faults& f) { f.wrongAckAtBlock = 7; })},
        FaultCase{"short-data=127", makeFaults([](Faults& f) { f.shortDataAtBlock = 127; })},
        FaultCase{"stop-at=1", makeFaults([](Faults& f) { f.stopAtBlock = 1; })},
        FaultCase{"noise", makeFaults([](Faults& f) { f.noise = true; })}));

TEST(Options, CombinesRepeatedFaults) {
    const Options options =
        parsed({"--fault", "wrong-ack", "--fault=wrong-ack=3", "--fault", "noise"});
    EXPECT_TRUE(options.faults.wrongHandshakeAck);
    EXPECT_EQ(options.faults.wrongAckAtBlock, 3);
    EXPECT_TRUE(options.faults.noise);
}

class BadArguments : public ::testing::TestWithParam<std::vector<std::string>> {};

TEST_P(BadArguments, AreRefused) {
    const auto options = parseOptions(GetParam());
    ASSERT_FALSE(options.ok());
    EXPECT_FALSE(options.error().empty());
}

INSTANTIATE_TEST_SUITE_P(Options, BadArguments,
                         ::testing::Values(std::vector<std::string>{"--bogus"},
                                           std::vector<std::string>{"image.dat"},
                                           std::vector<std::string>{"--image"},
                                           std::vector<std::string>{"--fault"},
                                           std::vector<std::string>{"--fault", "sometimes"},
                                           std::vector<std::string>{"--fault", "short-data"},
                                           std::vector<std::string>{"--fault", "short-data=0"},
                                           std::vector<std::string>{"--fault", "stop-at=x"},
                                           std::vector<std::string>{"--fault", "stop-at=3x"},
                                           std::vector<std::string>{"--fault", "silent=2"},
                                           std::vector<std::string>{"--seed", "-1"},
                                           std::vector<std::string>{"--fast=yes"}));

TEST(Options, HelpNamesThePacingConstants) {
    const std::string usage = usageText();
    EXPECT_NE(usage.find("1.0417 ms per byte"), std::string::npos);
    EXPECT_NE(usage.find("turnaround of 0.5 ms"), std::string::npos);
    EXPECT_TRUE(parsed({"--help"}).help);
}

}  // namespace
}  // namespace radio::sim
