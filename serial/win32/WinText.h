#pragma once

#include <string>

namespace radio::win32 {

// A path in the system's code page to a wide string for the W functions; the port names and
// paths handled here are plain ASCII ("COM3", "\\.\COM12").
std::wstring widen(const std::string& text);

// A wide string from the system to UTF-8, for names such as "USB Serial Port (COM3)".
std::string narrow(const std::wstring& text);

// The name CreateFile needs: "\\.\COMn" for a bare port name, so COM10 and above open too.
std::wstring deviceNamespacePath(const std::string& port);

}  // namespace radio::win32
