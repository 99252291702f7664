#pragma once

#include <memory>
#include <string>

#include "core/link/SerialPort.h"

namespace radio {

// A serial device at 9600 8N1 with the radio's read timeouts: QtSerialPort on Linux, the Win32
// communications API on Windows. Must be used from the thread that created it; the waits block
// that thread, so the program runs transfers on a worker thread.
class SerialLine final : public SerialPort {
  public:
    // Opens the device exclusively; nullptr when it cannot be opened.
    static std::unique_ptr<SerialLine> open(const std::string& devicePath);
    ~SerialLine() override;

    std::size_t write(const std::uint8_t* data, std::size_t length) override;
    ReadResult read(std::uint8_t* buffer, std::size_t length) override;
    void drainOutput() override;
    void clearBuffers(bool abandonPending) override;
    void sleepMs(int milliseconds) override;
    bool waitForInput(int milliseconds) override;

    static constexpr int kIntervalTimeoutMs = 30;
    static constexpr int kTotalTimeoutPerByteMs = 500;
    static constexpr int kTotalTimeoutConstantMs = 90;
    static constexpr int kWriteTimeoutPerByteMs = 50;
    static constexpr int kWriteTimeoutConstantMs = 50;
    // The driver's queues: one image's worth of input; the protocol never has more than 12
    // bytes in flight either way.
    static constexpr int kReceiveQueueBytes = 1024;
    static constexpr int kTransmitQueueBytes = 512;

  private:
    struct Device;  // the platform's port
    explicit SerialLine(std::unique_ptr<Device> device);

    std::unique_ptr<Device> device_;
};

}  // namespace radio
