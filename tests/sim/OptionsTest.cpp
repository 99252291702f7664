#include "sim/Options.h"

#include <gtest/gtest.h>

#include <tuple>

namespace radio::sim {
namespace {

// Values come separate or after an equals sign and faults combine; bad arguments are refused
// with a message.
TEST(Options, TakenOrRefused) {
    const auto options =
        parseOptions({"--image", "in.dat", "--save=out.dat", "--fast", "--seed", "42", "--fault",
                      "wrong-ack", "--fault=wrong-ack=3", "--fault", "short-data=127",
                      "--latency=16", "--restart-ms", "1500"});
    ASSERT_TRUE(options.ok()) << options.error();
    const Options& o = options.value();
    EXPECT_EQ(std::tie(o.imagePath, o.savePath, o.fast, o.noiseSeed, o.latencyMs, o.restartMs),
              std::tuple("in.dat", "out.dat", true, 42u, 16, 1500));
    EXPECT_EQ(o.faults,
              (Faults{.wrongHandshakeAck = true, .wrongAckAtBlock = 3, .shortDataAtBlock = 127}));
    EXPECT_EQ(parseOptions({}).value().faults, Faults{});
    // clang-format off
    const std::vector<std::vector<std::string>> cases = {
        {"--bogus"}, {"image.dat"}, {"--image"}, {"--fault", "sometimes"}, {"--fault", "short-data"},
        {"--fault", "short-data=0"}, {"--fault", "stop-at=3x"}, {"--fault", "silent=2"},
        {"--seed", "-1"}, {"--fast=yes"}, {"--latency", "-1"}, {"--restart-ms=60001"}};
    // clang-format on
    for (const auto& arguments : cases) {
        const auto options = parseOptions(arguments);
        ASSERT_FALSE(options.ok()) << arguments.back();
        EXPECT_FALSE(options.error().empty());
    }
}

}  // namespace
}  // namespace radio::sim
