// The serial devices and the reasons a port did not open, as Windows tells them: the Ports
// class of the device list for names and makers, the registry's SERIALCOMM map for every port
// the system has (drivers that register no device node, and Wine, appear only there).
#include <windows.h>
// windows.h first: the device headers build on its types.
#include <initguid.h>
// initguid.h before devguid.h defines the class GUIDs here instead of needing a library.
#include <devguid.h>
#include <setupapi.h>

#include <algorithm>
#include <cwchar>
#include <optional>

#include "core/util/CRuntimeText.h"
#include "serial/SerialLineOpener.h"
#include "serial/win32/PortHandle.h"

namespace radio {

namespace {

std::wstring registryString(HKEY key, const wchar_t* name) {
    wchar_t value[256] = {};
    DWORD size = sizeof value - sizeof(wchar_t);
    DWORD type = 0;
    if (::RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(value), &size) !=
            ERROR_SUCCESS ||
        type != REG_SZ) {
        return {};
    }
    return value;
}

std::wstring deviceProperty(HDEVINFO list, SP_DEVINFO_DATA& node, DWORD property) {
    wchar_t value[512] = {};
    if (!::SetupDiGetDeviceRegistryPropertyW(list, &node, property, nullptr,
                                             reinterpret_cast<BYTE*>(value),
                                             sizeof value - sizeof(wchar_t), nullptr)) {
        return {};
    }
    return value;  // a multi-string (hardware ids) stops at its first entry, the most specific
}

// "USB\VID_0403&PID_6001&REV_0600" and FTDI's "FTDIBUS\VID_0403+PID_6001+..." name the maker
// and product numbers.
std::optional<std::uint16_t> hexAfter(const std::wstring& id, const wchar_t* marker) {
    const std::size_t at = id.find(marker);
    if (at == std::wstring::npos) {
        return std::nullopt;
    }
    return static_cast<std::uint16_t>(std::wcstoul(id.c_str() + at + 4, nullptr, 16));
}

std::vector<SerialDeviceInfo> portsClassDevices() {
    std::vector<SerialDeviceInfo> devices;
    const HDEVINFO list =
        ::SetupDiGetClassDevsW(&GUID_DEVCLASS_PORTS, nullptr, nullptr, DIGCF_PRESENT);
    if (list == INVALID_HANDLE_VALUE) {
        return devices;
    }
    SP_DEVINFO_DATA node{};
    node.cbSize = sizeof node;
    for (DWORD index = 0; ::SetupDiEnumDeviceInfo(list, index, &node); ++index) {
        const HKEY key =
            ::SetupDiOpenDevRegKey(list, &node, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_READ);
        if (key == INVALID_HANDLE_VALUE) {
            continue;
        }
        const std::wstring port = registryString(key, L"PortName");
        ::RegCloseKey(key);
        if (port.rfind(L"COM", 0) != 0) {
            continue;  // printer ports share the class
        }
        std::wstring description = deviceProperty(list, node, SPDRP_FRIENDLYNAME);
        if (description.empty()) {
            description = deviceProperty(list, node, SPDRP_DEVICEDESC);
        }
        const std::wstring hardwareId = deviceProperty(list, node, SPDRP_HARDWAREID);
        SerialDeviceInfo device{win32::utf8(port),
                                win32::utf8(description),
                                win32::utf8(deviceProperty(list, node, SPDRP_MFG)),
                                {},
                                std::nullopt,
                                std::nullopt};
        device.vendorId = hexAfter(hardwareId, L"VID_");
        device.productId = hexAfter(hardwareId, L"PID_");
        if (!device.vendorId || !device.productId) {
            device.vendorId.reset();
            device.productId.reset();
        }
        devices.push_back(std::move(device));
    }
    ::SetupDiDestroyDeviceInfoList(list);
    return devices;
}

std::vector<std::string> serialCommPorts() {
    std::vector<std::string> ports;
    HKEY key = nullptr;
    if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_READ,
                        &key) != ERROR_SUCCESS) {
        return ports;
    }
    for (DWORD index = 0;; ++index) {
        wchar_t name[256];
        DWORD nameLength = 256;
        wchar_t value[64] = {};
        DWORD size = sizeof value - sizeof(wchar_t);
        DWORD type = 0;
        const LONG result = ::RegEnumValueW(key, index, name, &nameLength, nullptr, &type,
                                            reinterpret_cast<BYTE*>(value), &size);
        if (result == ERROR_NO_MORE_ITEMS) {
            break;
        }
        if (result == ERROR_SUCCESS && type == REG_SZ) {
            ports.push_back(win32::utf8(value));
        }
    }
    ::RegCloseKey(key);
    return ports;
}

int portNumber(const std::string& port) {
    return startsWithNoCase(port, "COM") ? std::atoi(port.c_str() + 3) : 0;
}

}  // namespace

std::vector<SerialDeviceInfo> availableSerialDevices() {
    std::vector<SerialDeviceInfo> devices = portsClassDevices();
    for (const std::string& port : serialCommPorts()) {
        const bool listed = std::any_of(devices.begin(), devices.end(), [&](const auto& device) {
            return equalsNoCase(device.path, port);
        });
        if (!listed) {
            devices.push_back(SerialDeviceInfo{port, {}, {}, {}, std::nullopt, std::nullopt});
        }
    }
    std::sort(devices.begin(), devices.end(), [](const auto& left, const auto& right) {
        return portNumber(left.path) < portNumber(right.path);
    });
    return devices;
}

PortOpenFailure diagnosePortOpen(const std::string& devicePath) {
    using Reason = PortOpenFailure::Reason;
    PortOpenFailure failure{Reason::Unknown, devicePath, {}, {}};
    const HANDLE handle = win32::openPortHandle(devicePath);
    const DWORD error = ::GetLastError();
    if (handle != INVALID_HANDLE_VALUE) {
        ::CloseHandle(handle);  // free again: whatever held it has let go
        return failure;
    }
    // Windows answers "access denied" for a port another program holds open.
    if (error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION) {
        failure.reason = Reason::Busy;
    } else if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) {
        failure.reason = Reason::Missing;
        for (const SerialDeviceInfo& device : availableSerialDevices()) {
            failure.present.push_back(device.path);
        }
    }
    return failure;
}

}  // namespace radio
