#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>

#include "core/channels/Frequency.h"
#include "core/image/MemoryImage.h"
#include "core/text/Language.h"

namespace radio::cli {

// Options several commands share.
extern const QCommandLineOption kOutputOption;  // -o, --output FILE
extern const QCommandLineOption kLangOption;    // --lang en|zh

// --lang: English unless "zh"; throws UsageError for anything else.
Language languageOption(const QCommandLineParser& parser);

// Throw CommandFailure with the file's message.
MemoryImage loadImageOrFail(const QString& path);
void saveImageOrFail(const QString& path, const MemoryImage& image);
// Writes a text file whole or not at all.
void writeTextOrFail(const QString& path, const std::string& text);
// A text file as UTF-8, whether it was saved as UTF-8 or GBK.
std::string readTextOrFail(const QString& path);

// The band an image's type and band bytes choose in Program.ini, as typed frequencies are
// checked against it.
BandLimits imageBandLimits(const MemoryImage& image);

}  // namespace radio::cli
