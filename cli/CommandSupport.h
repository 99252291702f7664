#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <optional>
#include <string>

#include "core/channels/Frequency.h"
#include "core/image/MemoryImage.h"
#include "core/link/Transfer.h"
#include "core/text/Language.h"

namespace radio::cli {

// Options several commands share.
extern const QCommandLineOption kOutputOption;   // -o, --output FILE
extern const QCommandLineOption kLangOption;     // --lang en|zh
extern const QCommandLineOption kPortOption;     // --port PORT
extern const QCommandLineOption kRetriesOption;  // --retries N

// The value of an option that must be given; throws UsageError without it.
std::string requiredValue(const QCommandLineParser& parser, const QCommandLineOption& option);
// --retries: how often to answer the communication prompt with Retry; unset: ask.
std::optional<int> retriesOption(const QCommandLineParser& parser);

// --lang: English unless "zh"; throws UsageError for anything else.
Language languageOption(const QCommandLineParser& parser);

// Throw CommandFailure with the file's message.
MemoryImage loadImageOrFail(const QString& path);
void saveImageOrFail(const QString& path, const MemoryImage& image);
// Writes a text file whole or not at all.
void writeTextOrFail(const QString& path, const std::string& text);
// A text file as UTF-8, whether it was saved as UTF-8 or GBK.
std::string readTextOrFail(const QString& path);

// Runs one transfer; throws CommandFailure with the program's own message unless it completed.
void transfer(const TransferRequest& request, MemoryImage& image, std::optional<int> retries);

// The band an image's type and band bytes choose in Program.ini, as typed frequencies are
// checked against it.
BandLimits imageBandLimits(const MemoryImage& image);

}  // namespace radio::cli
