#include <windows.h>

#include <algorithm>

#include "serial/SerialLine.h"
#include "serial/win32/PortHandle.h"

namespace radio {

struct SerialLine::Device {
    explicit Device(HANDLE opened) : handle(opened) {}
    Device(const Device&) = delete;
    Device& operator=(const Device&) = delete;
    ~Device() { ::CloseHandle(handle); }

    HANDLE handle;
};

SerialLine::SerialLine(std::unique_ptr<Device> device) : device_(std::move(device)) {}
SerialLine::~SerialLine() = default;

std::unique_ptr<SerialLine> SerialLine::open(const std::string& devicePath) {
    const HANDLE handle = win32::openPortHandle(devicePath);
    if (handle == INVALID_HANDLE_VALUE) {
        return nullptr;
    }
    auto device = std::make_unique<Device>(handle);
    // Results are ignored on purpose: a port that refuses a setting shows up as a protocol
    // failure later, which is what the user is told about.
    ::SetupComm(handle, kReceiveQueueBytes, kTransmitQueueBytes);
    COMMTIMEOUTS timeouts{};
    timeouts.ReadIntervalTimeout = kIntervalTimeoutMs;
    timeouts.ReadTotalTimeoutMultiplier = kTotalTimeoutPerByteMs;
    timeouts.ReadTotalTimeoutConstant = kTotalTimeoutConstantMs;
    timeouts.WriteTotalTimeoutMultiplier = kWriteTimeoutPerByteMs;
    timeouts.WriteTotalTimeoutConstant = kWriteTimeoutConstantMs;
    ::SetCommTimeouts(handle, &timeouts);
    // Only the fields the radio needs change; flow control and the special characters stay as
    // the driver has them.
    DCB line{};
    line.DCBlength = sizeof line;
    ::GetCommState(handle, &line);
    line.BaudRate = CBR_9600;
    line.ByteSize = 8;
    line.Parity = NOPARITY;
    line.StopBits = ONESTOPBIT;
    line.fBinary = TRUE;
    line.fParity = FALSE;
    ::SetCommState(handle, &line);
    return std::unique_ptr<SerialLine>(new SerialLine(std::move(device)));
}

std::size_t SerialLine::write(const std::uint8_t* data, std::size_t length) {
    // On a timeout or an error, what the driver took is still counted in written.
    DWORD written = 0;
    ::WriteFile(device_->handle, data, static_cast<DWORD>(length), &written, nullptr);
    return written;
}

SerialPort::ReadResult SerialLine::read(std::uint8_t* buffer, std::size_t length) {
    // The driver applies the interval and total timeouts set at open.
    DWORD got = 0;
    const BOOL ok = ::ReadFile(device_->handle, buffer, static_cast<DWORD>(length), &got, nullptr);
    return ReadResult{got, ok == FALSE};
}

bool SerialLine::waitForInput(int milliseconds) {
    // The read timeouts are the protocol's; the receive queue's length needs none.
    constexpr DWORD kLookEveryMs = 5;
    const ULONGLONG end = ::GetTickCount64() + static_cast<ULONGLONG>(std::max(milliseconds, 0));
    for (;;) {
        DWORD errors = 0;
        COMSTAT status{};
        if (::ClearCommError(device_->handle, &errors, &status) && status.cbInQue > 0) {
            return true;
        }
        if (::GetTickCount64() >= end) {
            return false;
        }
        ::Sleep(kLookEveryMs);
    }
}

void SerialLine::drainOutput() {
    ::FlushFileBuffers(device_->handle);
}

void SerialLine::clearBuffers(bool abandonPending) {
    // Callers drain first, so the transmit queue holds nothing that still has to go out;
    // clearing it anyway could only drop bytes a slow driver (or Wine's pseudo-terminal) has not
    // delivered yet. Received bytes are discarded; "all" also abandons pending operations.
    DWORD modes = PURGE_RXCLEAR;
    if (abandonPending) {
        modes |= PURGE_RXABORT | PURGE_TXABORT;
    }
    ::PurgeComm(device_->handle, modes);
}

void SerialLine::sleepMs(int milliseconds) {
    ::Sleep(static_cast<DWORD>(milliseconds));
}

}  // namespace radio
