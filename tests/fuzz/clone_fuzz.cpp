// Runs clone reads and writes against a line whose every answer comes from the fuzz input.
// Checks that each transfer ends, that the observer sees a sane sequence, and that only a
// completed read changes the image (and then only bytes 0..1008).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "core/image/ImageMap.h"
#include "core/image/MemoryImage.h"
#include "core/link/CloneSession.h"

namespace {

using radio::RetryChoice;
using radio::TransferOutcome;

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// Each read takes one control byte: its low two bits choose an I/O error, a timeout, a full
// answer or a partial one; the answer's bytes follow in the input.
class InputPort final : public radio::SerialPort {
  public:
    explicit InputPort(std::span<const std::uint8_t> input) : input_(input) {}

    std::size_t write(const std::uint8_t*, std::size_t length) override { return length; }
    bool waitForInput(int) override { return !input_.empty(); }

    ReadResult read(std::uint8_t* buffer, std::size_t length) override {
        if (input_.empty()) {
            return {};
        }
        const std::uint8_t control = take();
        const std::size_t wanted = amount(control, length);
        std::size_t count = 0;
        for (; count < wanted && !input_.empty(); ++count) {
            buffer[count] = take();
        }
        return {count, (control & 3) == 0};
    }

    void drainOutput() override {}
    void clearBuffers(bool) override {}
    void sleepMs(int) override {}

  private:
    static std::size_t amount(std::uint8_t control, std::size_t length) {
        switch (control & 3) {
            case 2:
                return length;
            case 3:
                return (control >> 2) % (length + 1);
            default:
                return (control & 3) == 0 ? (control >> 2) % (length + 1) : 0;
        }
    }

    std::uint8_t take() {
        const std::uint8_t byte = input_.front();
        input_ = input_.subspan(1);
        return byte;
    }

    std::span<const std::uint8_t> input_;
};

// Retries a bounded number of times, so every run ends; cancels at a chosen check.
class BoundedObserver final : public radio::TransferObserver {
  public:
    BoundedObserver(int retries, int cancelAtCheck)
        : retriesLeft_(retries), cancelAtCheck_(cancelAtCheck) {}

    void transferStarted(int blockCount) override {
        check(started_ == 0 && (blockCount == 127 || blockCount == 122));
        started_ = blockCount;
    }
    void blockDone(int blocksDone) override {
        check(started_ > 0 && blocksDone == done_ + 1 && blocksDone <= started_);
        done_ = blocksDone;
    }
    RetryChoice communicationError() override {
        check(started_ > 0 && done_ == 0);
        return retriesLeft_-- > 0 ? RetryChoice::Retry : RetryChoice::Cancel;
    }
    bool cancelRequested() override { return cancelAtCheck_ > 0 && ++checks_ >= cancelAtCheck_; }

    int started() const { return started_; }
    int done() const { return done_; }

  private:
    int retriesLeft_;
    int cancelAtCheck_;
    int checks_ = 0;
    int started_ = 0;
    int done_ = 0;
};

radio::MemoryImage patternImage(std::uint8_t seed) {
    radio::MemoryImage image;
    for (std::size_t offset = 0; offset < radio::MemoryImage::kSize; ++offset) {
        image[offset] = static_cast<std::uint8_t>(offset * 31 + seed);
    }
    return image;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    const std::uint8_t config = data[0];
    const bool writing = (config & 1) != 0;
    const bool unlocked = (config & 2) != 0;
    const int retries = (config >> 2) & 3;
    InputPort port(std::span<const std::uint8_t>(data + 2, size - 2));
    BoundedObserver observer(retries, data[1]);
    radio::CloneSession session(port, observer);

    const radio::MemoryImage before = patternImage(config);
    radio::MemoryImage image = before;
    const TransferOutcome outcome = writing ? session.write(image, unlocked) : session.read(image);

    check(outcome != TransferOutcome::PortNotOpened);
    check(observer.started() != 0);
    check((outcome == TransferOutcome::Completed) == (observer.done() == observer.started()) ||
          outcome == TransferOutcome::Cancelled);
    if (writing || outcome != TransferOutcome::Completed) {
        check(image == before);
    } else {
        check(std::equal(image.data() + radio::map::kTransferEnd, image.data() + image.size(),
                         before.data() + radio::map::kTransferEnd));
    }
    return 0;
}
