#include "core/link/Transfer.h"

#include <chrono>
#include <memory>
#include <string>
#include <thread>

#include "core/link/CloneSession.h"

namespace radio {

namespace {

// The port of one transfer, opened by name again when the user answers Retry. Between a failed
// reopen and the next one every call fails, as a pulled cable does.
class ReopeningPort final : public SerialPort {
  public:
    ReopeningPort(SerialPortOpener& opener, std::string name, std::unique_ptr<SerialPort> port)
        : opener_(opener), name_(std::move(name)), port_(std::move(port)) {}

    std::size_t write(const std::uint8_t* data, std::size_t length) override {
        return port_ ? port_->write(data, length) : 0;
    }
    ReadResult read(std::uint8_t* buffer, std::size_t length) override {
        return port_ ? port_->read(buffer, length) : ReadResult{0, true};
    }
    void drainOutput() override {
        if (port_) {
            port_->drainOutput();
        }
    }
    void clearBuffers(bool abandonPending) override {
        if (port_) {
            port_->clearBuffers(abandonPending);
        }
    }
    void sleepMs(int milliseconds) override {
        if (port_) {
            port_->sleepMs(milliseconds);
        } else {
            std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
        }
    }
    bool waitForInput(int milliseconds) override {
        if (port_) {
            return port_->waitForInput(milliseconds);
        }
        sleepMs(milliseconds);
        return false;
    }
    bool reopen() override {
        port_.reset();  // the device may only be opened once at a time
        port_ = opener_.open(name_);
        return port_ != nullptr;
    }

  private:
    SerialPortOpener& opener_;
    std::string name_;
    std::unique_ptr<SerialPort> port_;
};

// The port lives exactly as long as the transfer, so every outcome closes it.
std::unique_ptr<SerialPort> openPort(SerialPortOpener& opener, const std::string& name) {
    std::unique_ptr<SerialPort> port = opener.open(name);
    if (!port) {
        return nullptr;
    }
    return std::make_unique<ReopeningPort>(opener, name, std::move(port));
}

}  // namespace

TransferOutcome runTransfer(SerialPortOpener& opener, const TransferRequest& request,
                            MemoryImage& image, TransferObserver& observer) {
    const std::unique_ptr<SerialPort> port = openPort(opener, request.portName);
    if (!port) {
        return TransferOutcome::PortNotOpened;
    }
    CloneSession session(*port, observer);
    if (request.direction == clone::Direction::Read) {
        return session.read(image);
    }
    return session.write(image, request.adjustmentUnlocked);
}

VerifiedWrite runVerifiedWrite(SerialPortOpener& opener, const TransferRequest& request,
                               const MemoryImage& image, TransferObserver& observer) {
    const std::unique_ptr<SerialPort> port = openPort(opener, request.portName);
    if (!port) {
        return {TransferOutcome::PortNotOpened, std::nullopt};
    }
    CloneSession session(*port, observer);
    VerifiedWrite result{session.write(image, request.adjustmentUnlocked), std::nullopt};
    if (result.write == TransferOutcome::Completed) {
        result.verify = session.verify(image, request.adjustmentUnlocked);
    }
    return result;
}

}  // namespace radio
