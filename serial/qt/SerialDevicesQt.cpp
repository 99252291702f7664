// The serial devices and the reasons a port did not open, as QtSerialPort and POSIX tell them.
#include <QSerialPortInfo>

#include "serial/SerialLineOpener.h"

#if defined(Q_OS_UNIX)
#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace radio {

std::vector<SerialDeviceInfo> availableSerialDevices() {
    std::vector<SerialDeviceInfo> devices;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        SerialDeviceInfo device{info.systemLocation().toStdString(),
                                info.description().toStdString(),
                                info.manufacturer().toStdString(),
                                info.serialNumber().toStdString(),
                                std::nullopt,
                                std::nullopt};
        if (info.hasVendorIdentifier() && info.hasProductIdentifier()) {
            device.vendorId = info.vendorIdentifier();
            device.productId = info.productIdentifier();
        }
        devices.push_back(std::move(device));
    }
    return devices;
}

#if defined(Q_OS_UNIX)

namespace {

std::string groupName(gid_t gid) {
    if (const struct group* entry = ::getgrgid(gid)) {
        return entry->gr_name;
    }
    return std::to_string(gid);
}

std::vector<std::string> presentDevices() {
    std::vector<std::string> paths;
    for (const SerialDeviceInfo& device : availableSerialDevices()) {
        paths.push_back(device.path);
    }
    return paths;
}

}  // namespace

PortOpenFailure diagnosePortOpen(const std::string& devicePath) {
    using Reason = PortOpenFailure::Reason;
    PortOpenFailure failure{Reason::Unknown, devicePath, {}, {}};
    struct stat status {};
    if (::stat(devicePath.c_str(), &status) != 0) {
        failure.reason = Reason::Missing;
        failure.present = presentDevices();
        return failure;
    }
    // Open it the plain way, without the lock Qt takes, to learn what stopped Qt.
    const int fd = ::open(devicePath.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    const int error = errno;
    if (fd >= 0) {
        const bool terminal = ::isatty(fd) == 1;
        ::close(fd);
        // A terminal that opens now is held by a program that locked it (its lock file, or an
        // exclusive open a privileged user is let past).
        failure.reason = terminal ? Reason::Busy : Reason::Unknown;
        return failure;
    }
    if (error == EACCES || error == EPERM) {
        failure.reason = Reason::PermissionDenied;
        failure.group = groupName(status.st_gid);
    } else if (error == EBUSY) {
        failure.reason = Reason::Busy;
    } else if (error == ENXIO || error == ENODEV || error == ENOENT) {
        failure.reason = Reason::Missing;
        failure.present = presentDevices();
    }
    return failure;
}

#else

PortOpenFailure diagnosePortOpen(const std::string& devicePath) {
    return {PortOpenFailure::Reason::Unknown, devicePath, {}, {}};
}

#endif

}  // namespace radio
