#pragma once

#include <windows.h>

#include <QString>
#include <string>

namespace radio::win32 {

// Opens a port for the radio: read and write, exclusive, existing devices only, synchronous.
// "COM3" becomes "\\.\COM3", the name CreateFile needs for COM10 and above.
inline HANDLE openPortHandle(const std::string& port) {
    QString name = QString::fromStdString(port);
    if (!name.startsWith(QLatin1String("\\\\"))) {
        name.prepend(QLatin1String("\\\\.\\"));
    }
    return ::CreateFileW(reinterpret_cast<const wchar_t*>(name.utf16()),
                         GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
}

// A name from the system ("USB Serial Port (COM3)") as UTF-8.
inline std::string utf8(const std::wstring& text) {
    return QString::fromStdWString(text).toStdString();
}

}  // namespace radio::win32
