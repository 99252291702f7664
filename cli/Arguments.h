#pragma once

#include <QCommandLineParser>
#include <QStringList>
#include <stdexcept>
#include <string>

namespace radio::cli {

// A wrong command line; main prints the message and the usage and exits with status 2.
class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A transfer or file failure; main prints the message and exits with status 1.
class CommandFailure : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Parses one command's arguments (without the command word); throws UsageError when an option
// is unknown or the number of positional arguments is not `positionals`.
void parseCommand(QCommandLineParser& parser, const QStringList& arguments, int positionals);

// The value of an integer option in [low, high]; throws UsageError otherwise.
int integerOption(const QCommandLineParser& parser, const QString& name, int fallback, int low,
                  int high);

std::string usageText();

}  // namespace radio::cli
