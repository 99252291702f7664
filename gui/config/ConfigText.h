#pragma once

#include <QString>
#include <string>

namespace radio {
namespace gui {

// Program.ini holds raw bytes that may be UTF-8 or GBK; this shows both correctly.
QString decodeConfigText(const std::string& bytes);

}  // namespace gui
}  // namespace radio
