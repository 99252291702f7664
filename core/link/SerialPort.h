#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace radio {

// One open serial line at 9600 8N1, as the clone protocol needs it. Implementations: the
// Qt serial port (serial/), and in-memory fakes in the tests. Used from one thread at a time.
class SerialPort {
  public:
    virtual ~SerialPort() = default;

    struct ReadResult {
        std::size_t count = 0;  // bytes stored into the buffer
        bool ioError = false;   // the read itself failed (not a timeout)
    };

    // Writes the bytes; returns how many the driver took.
    virtual std::size_t write(const std::uint8_t* data, std::size_t length) = 0;

    // Reads up to length bytes. Returns early with fewer bytes when 30 ms pass between two
    // bytes, or when 500 ms per requested byte plus 90 ms have passed in all.
    virtual ReadResult read(std::uint8_t* buffer, std::size_t length) = 0;

    // Blocks until everything written so far has left the port.
    virtual void drainOutput() = 0;

    // Discards received bytes and bytes not yet handed to the line. "All" also abandons
    // pending operations. Callers drain first, so nothing the program wrote is ever lost.
    virtual void clearBuffers(bool abandonPending) = 0;

    virtual void sleepMs(int milliseconds) = 0;

    // Waits up to `milliseconds` for received bytes and leaves them queued; true once there
    // are some. Looks for a sign of life more often than a read's timeouts allow.
    virtual bool waitForInput(int milliseconds) = 0;

    // Closes the device and opens it again: a cable pulled and plugged back is a new device,
    // and the old handle stays dead. False when it cannot be opened now; every call then fails
    // until a later reopen works. A port with nothing to reopen keeps going.
    virtual bool reopen() { return true; }
};

// Opens ports by name; nullptr when the port cannot be opened.
class SerialPortOpener {
  public:
    virtual ~SerialPortOpener() = default;
    virtual std::unique_ptr<SerialPort> open(const std::string& name) = 0;
};

}  // namespace radio
