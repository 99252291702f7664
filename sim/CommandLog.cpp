#include "sim/CommandLog.h"

#include <iostream>
#include <stdexcept>

namespace radio::sim {

CommandLog::CommandLog(const std::string& path) : toStderr_(path == "-") {
    if (path.empty() || toStderr_) {
        return;
    }
    file_.open(path, std::ios::out | std::ios::trunc);
    if (!file_) {
        throw std::runtime_error("cannot create the log file " + path);
    }
}

RadioModel::LogSink CommandLog::sink() {
    if (!toStderr_ && !file_.is_open()) {
        return {};
    }
    return [this](const std::string& line) { write(line); };
}

void CommandLog::write(const std::string& line) {
    std::ostream& out = toStderr_ ? std::cerr : file_;
    out << line << std::endl;
}

}  // namespace radio::sim
