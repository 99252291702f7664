#pragma once

#include <string>

#include "sim/UniqueFd.h"

namespace radio::sim {

// A pseudo-terminal standing in for the radio's serial cable. The radio talks on the master;
// programs open the slave. One slave descriptor stays open here for the pty's whole life, so
// clients may come and go without the master ever seeing a hang-up.
class Pty {
  public:
    // Throws std::system_error when the system refuses.
    Pty();

    int master() const { return master_.get(); }
    const std::string& slavePath() const { return slavePath_; }

    // Puts the line back into raw mode if a client changed that, keeping its speed: an echo
    // would send the radio's answers straight back to it.
    void keepRaw() const;

  private:
    UniqueFd master_;
    std::string slavePath_;
    UniqueFd slave_;
};

}  // namespace radio::sim
