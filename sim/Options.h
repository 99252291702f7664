#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/util/Result.h"
#include "sim/Faults.h"

namespace radio::sim {

// What the command line of radioprog-sim asks for.
struct Options {
    std::string imagePath;  // start from this .dat file; empty: a new-document image
    std::string savePath;   // write the memory here at the end; empty: don't
    std::string linkPath;   // symbolic link to the slave device; empty: none
    std::string logPath;    // a line per command received; "-" is standard error
    bool fast = false;      // answer at once instead of at 9600 baud
    int latencyMs = 0;      // a USB adapter's delay before each answer
    int restartMs = 0;      // deaf for this long after the last block of a write
    bool help = false;
    bool version = false;
    std::uint32_t noiseSeed = 1;
    Faults faults;
};

// Fails with a one-line message naming the offending argument.
Result<Options> parseOptions(const std::vector<std::string>& arguments);

// Adds one --fault value ("silent", "wrong-ack=5", ...) to the faults.
Status<> applyFault(const std::string& fault, Faults& faults);

std::string usageText();

}  // namespace radio::sim
