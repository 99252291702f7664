#pragma once

#include <cstdint>

namespace radio::sim {

// Misbehaviour the simulated radio can be told to show, so that the program's failure paths
// can be exercised. Block numbers count accepted R/W commands from 1 after each wake-up;
// 0 means "at no block".
struct Faults {
    bool silent = false;             // never answers anything
    bool quietWakeUp = false;        // takes the wake-up string without answering it
    bool noFinalAck = false;         // no answer to the acknowledge that ends the handshake
    bool wrongHandshakeAck = false;  // answers that acknowledge with kWrongAck
    int wrongAckAtBlock = 0;         // answers block N's acknowledge with kWrongAck
    int shortDataAtBlock = 0;        // read block N sends one data byte too few
    int stopAtBlock = 0;             // from block N on nothing is answered or stored
    int loseAtBlock = 0;             // write block N is acknowledged but not stored
    bool noise = false;              // a few random bytes before every answer

    static constexpr std::uint8_t kWrongAck = 0x15;

    friend bool operator==(const Faults&, const Faults&) = default;
};

}  // namespace radio::sim
