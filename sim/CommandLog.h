#pragma once

#include <fstream>
#include <string>

#include "sim/RadioModel.h"

namespace radio::sim {

// Where the simulator's log lines go: a file, standard error ("-"), or nowhere (empty path).
// Every line is flushed at once, so a test can read the log while the simulator runs.
class CommandLog {
  public:
    // Throws std::runtime_error when the file can not be created.
    explicit CommandLog(const std::string& path);

    RadioModel::LogSink sink();

  private:
    void write(const std::string& line);

    bool toStderr_ = false;
    std::ofstream file_;
};

}  // namespace radio::sim
