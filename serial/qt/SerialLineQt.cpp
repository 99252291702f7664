#include "serial/SerialLine.h"

#include <QDeadlineTimer>
#include <QSerialPort>
#include <algorithm>
#include <chrono>
#include <thread>

#if defined(Q_OS_UNIX)
#include <termios.h>
#endif
#if defined(Q_OS_LINUX)
#include <linux/serial.h>
#include <sys/ioctl.h>
#endif

namespace radio {

namespace {

// USB serial adapters hold received bytes back for a latency timer (16 ms on FTDI chips) at
// every turn of the line; low latency asks the driver to pass them on at once. Drivers and
// pseudo-terminals that do not know it refuse, which changes nothing.
void askForLowLatency([[maybe_unused]] QSerialPort& port) {
#if defined(Q_OS_LINUX)
    serial_struct settings{};
    if (::ioctl(port.handle(), TIOCGSERIAL, &settings) == 0) {
        settings.flags |= ASYNC_LOW_LATENCY;
        ::ioctl(port.handle(), TIOCSSERIAL, &settings);
    }
#endif
}

}  // namespace

struct SerialLine::Device {
    QSerialPort port;

    bool failed() const {
        const auto error = port.error();
        return error != QSerialPort::NoError && error != QSerialPort::TimeoutError;
    }
};

SerialLine::SerialLine(std::unique_ptr<Device> device) : device_(std::move(device)) {}
SerialLine::~SerialLine() = default;

std::unique_ptr<SerialLine> SerialLine::open(const std::string& devicePath) {
    auto device = std::make_unique<Device>();
    QSerialPort& port = device->port;
    port.setPortName(QString::fromStdString(devicePath));
    port.setReadBufferSize(kReceiveQueueBytes);
    if (!port.open(QIODevice::ReadWrite)) {
        return nullptr;
    }
    // Results are ignored on purpose: a port that refuses a setting shows up as a protocol
    // failure later, which is what the user is told about.
    port.setBaudRate(QSerialPort::Baud9600);
    port.setDataBits(QSerialPort::Data8);
    port.setParity(QSerialPort::NoParity);
    port.setStopBits(QSerialPort::OneStop);
    askForLowLatency(port);
    return std::unique_ptr<SerialLine>(new SerialLine(std::move(device)));
}

std::size_t SerialLine::write(const std::uint8_t* data, std::size_t length) {
    device_->port.clearError();
    const qint64 written =
        device_->port.write(reinterpret_cast<const char*>(data), static_cast<qint64>(length));
    if (written <= 0) {
        return 0;
    }
    const int timeout = kWriteTimeoutPerByteMs * static_cast<int>(length) + kWriteTimeoutConstantMs;
    QDeadlineTimer deadline(timeout);
    while (device_->port.bytesToWrite() > 0 && !deadline.hasExpired()) {
        if (!device_->port.waitForBytesWritten(static_cast<int>(deadline.remainingTime()))) {
            break;
        }
    }
    return static_cast<std::size_t>(written -
                                    std::min<qint64>(written, device_->port.bytesToWrite()));
}

SerialPort::ReadResult SerialLine::read(std::uint8_t* buffer, std::size_t length) {
    ReadResult result;
    device_->port.clearError();
    const int total = kTotalTimeoutPerByteMs * static_cast<int>(length) + kTotalTimeoutConstantMs;
    const QDeadlineTimer totalDeadline(total);
    QDeadlineTimer intervalDeadline = QDeadlineTimer::Forever;
    while (result.count < length) {
        if (device_->port.bytesAvailable() > 0) {
            const qint64 got = device_->port.read(reinterpret_cast<char*>(buffer + result.count),
                                                  static_cast<qint64>(length - result.count));
            if (got < 0) {
                result.ioError = true;
                return result;
            }
            result.count += static_cast<std::size_t>(got);
            intervalDeadline.setRemainingTime(kIntervalTimeoutMs);
            continue;
        }
        const qint64 wait =
            std::min(totalDeadline.remainingTime(), intervalDeadline.isForever()
                                                        ? totalDeadline.remainingTime()
                                                        : intervalDeadline.remainingTime());
        // Past the deadline there is still one look: this thread may have been held up while
        // the bytes already waited in the driver, and the timeout is about the radio's silence.
        if (!device_->port.waitForReadyRead(static_cast<int>(std::max<qint64>(wait, 0)))) {
            if (device_->failed()) {
                result.ioError = true;
                return result;
            }
            if (wait <= 0) {
                break;
            }
        }
    }
    return result;
}

bool SerialLine::waitForInput(int milliseconds) {
    device_->port.clearError();
    return device_->port.bytesAvailable() > 0 || device_->port.waitForReadyRead(milliseconds);
}

void SerialLine::drainOutput() {
    device_->port.flush();
    while (device_->port.bytesToWrite() > 0) {
        if (!device_->port.waitForBytesWritten(kWriteTimeoutConstantMs * 10)) {
            break;
        }
    }
#if defined(Q_OS_UNIX)
    // Qt's buffer is empty now; wait until the driver has put the bytes on the line too.
    if (device_->port.handle() >= 0) {
        ::tcdrain(device_->port.handle());
    }
#endif
}

void SerialLine::clearBuffers(bool /*abandonPending*/) {
    // Synchronous use means no operation can be pending. Callers drain first, so the output
    // queue holds nothing that still has to go out; flushing it anyway would throw away bytes a
    // pseudo-terminal or a slow driver has not delivered yet. Only received bytes are discarded.
    device_->port.clear(QSerialPort::Input);
}

void SerialLine::sleepMs(int milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace radio
