#pragma once

#include <QString>
#include <string>

namespace radio {
namespace gui {

// Program.ini holds raw bytes that may be UTF-8 or GBK; this shows both correctly.
QString decodeConfigText(const std::string& bytes);

// The same for any text file users make on either kind of system (a CSV saved by a Chinese
// spreadsheet is GBK), as UTF-8 bytes.
std::string textFileToUtf8(const std::string& bytes);

}  // namespace gui
}  // namespace radio
