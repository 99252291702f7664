#include "core/link/CloneSession.h"

#include <algorithm>
#include <array>
#include <span>

#include "core/image/ImageMap.h"

namespace radio {

namespace {

constexpr int kCancelChecksPerPass = 6;
// Failing wake-up reads retry on their own up to this counter value before the prompt.
constexpr int kMaxSilentAttempts = 15;
// A missing final ACK after this many attempts means the radio is stuck, not unplugged.
constexpr int kMaxPromptAttempts = 5;
// Many radios restart after a write and are deaf for a second or two, right when the check's
// first pass starts. One that answers the wake-up string is sent it again every 80 ms or so
// until it answers, for about 6 s; so its check starts soon after it is back, where a failed
// handshake pass would cost 5 s. One that never answers the wake-up gets one more whole
// handshake pass before the check reports that the radio did not answer.
constexpr int kWakeUpAnswerWaitMs = 60;
constexpr int kRestartWakeUps = 75;
constexpr int kQuietPassesAfterWrite = 1;

std::vector<clone::Block> blocksFor(clone::Direction direction, bool adjustmentUnlocked) {
    return clone::divideIntoBlocks(clone::transferRanges(direction, adjustmentUnlocked));
}

}  // namespace

CloneSession::CloneSession(SerialPort& port, TransferObserver& observer)
    : port_(port), observer_(observer) {}

TransferOutcome CloneSession::read(MemoryImage& image) {
    const std::vector<clone::Block> blocks = blocksFor(clone::Direction::Read, false);
    if (const TransferOutcome outcome = handshake(static_cast<int>(blocks.size()), false);
        outcome != TransferOutcome::Completed) {
        return outcome;
    }
    // Blocks land in a copy so that a broken read cannot leave a half-updated image.
    MemoryImage staging = image;
    const TransferOutcome outcome =
        runBlocks(blocks, [&](const clone::Block& block) { return readBlock(block, staging); });
    if (outcome == TransferOutcome::Completed) {
        clone::copyReadBytes(image, staging);
    }
    return outcome;
}

TransferOutcome CloneSession::write(const MemoryImage& image, bool adjustmentUnlocked) {
    const std::vector<clone::Block> blocks = blocksFor(clone::Direction::Write, adjustmentUnlocked);
    if (const TransferOutcome outcome = handshake(static_cast<int>(blocks.size()), false);
        outcome != TransferOutcome::Completed) {
        return outcome;
    }
    return runBlocks(blocks, [&](const clone::Block& block) { return writeBlock(block, image); });
}

VerifyResult CloneSession::verify(const MemoryImage& image, bool adjustmentUnlocked) {
    // The blocks the write sent, fetched with read commands.
    const std::vector<clone::Block> blocks = blocksFor(clone::Direction::Write, adjustmentUnlocked);
    VerifyResult result{VerifyOutcome::Verified, {}, image};
    TransferOutcome outcome = handshake(static_cast<int>(blocks.size()), true);
    if (outcome == TransferOutcome::Completed) {
        outcome = runBlocks(blocks, [&](const clone::Block& block) {
            if (!readBlock(block, result.readBack)) {
                return false;
            }
            if (!std::ranges::equal(result.readBack.bytes(block.address, block.length),
                                    image.bytes(block.address, block.length))) {
                result.differing.push_back(block);
            }
            return true;
        });
    }
    switch (outcome) {
        case TransferOutcome::Completed:
            result.outcome =
                result.differing.empty() ? VerifyOutcome::Verified : VerifyOutcome::Differs;
            break;
        case TransferOutcome::Cancelled:
            result.outcome = declinedAtPrompt_ ? VerifyOutcome::NoAnswer : VerifyOutcome::Cancelled;
            break;
        case TransferOutcome::Interrupted:
        case TransferOutcome::PortNotOpened:
            result.outcome = VerifyOutcome::Interrupted;
            break;
    }
    if (result.outcome != VerifyOutcome::Differs) {
        result.differing.clear();
    }
    return result;
}

TransferOutcome CloneSession::handshake(int blockCount, bool verifying) {
    if (verifying) {
        observer_.verifyStarted(blockCount);
    } else {
        observer_.transferStarted(blockCount);
    }
    declinedAtPrompt_ = false;
    int attempt = 1;
    int quietPasses = verifying ? kQuietPassesAfterWrite : 0;
    if (verifying && wakeUpAnswered_) {
        switch (waitForRestartedRadio()) {
            case Wait::Answered:
                break;
            case Wait::Cancelled:
                return TransferOutcome::Cancelled;
            case Wait::Silent:
                quietPasses = 0;  // it has had its time to restart
                break;
        }
    }
    for (;;) {
        switch (handshakePass(attempt)) {
            case Pass::Succeeded:
                return TransferOutcome::Completed;
            case Pass::Cancelled:
                return TransferOutcome::Cancelled;
            case Pass::Interrupted:
                return TransferOutcome::Interrupted;
            case Pass::Again:
                break;
            case Pass::Prompt:
                // The check after a write asks nothing: it waits for a restarting radio, then
                // reports one that did not answer.
                if (verifying && quietPasses-- > 0) {
                    attempt = 1;
                    break;
                }
                if (verifying) {
                    declinedAtPrompt_ = true;
                    return TransferOutcome::Cancelled;
                }
                if (observer_.communicationError() == RetryChoice::Cancel) {
                    declinedAtPrompt_ = true;
                    return TransferOutcome::Cancelled;
                }
                // The user may have plugged the cable back in: only a new handle reaches it.
                port_.reopen();
                attempt = 1;
                break;
        }
    }
}

CloneSession::Pass CloneSession::handshakePass(int& attempt) {
    if (cancelSeenAtPassStart()) {
        return Pass::Cancelled;
    }
    purge(Purge::All);
    if (!sendWakeUp()) {
        port_.sleepMs(2);
        ++attempt;
        return attempt <= kMaxSilentAttempts ? Pass::Again : Pass::Prompt;
    }
    requestIdentification();
    if (finishHandshake()) {
        return Pass::Succeeded;
    }
    if (attempt > kMaxPromptAttempts) {
        return Pass::Interrupted;
    }
    ++attempt;
    return Pass::Prompt;
}

bool CloneSession::cancelSeenAtPassStart() {
    for (int check = 0; check < kCancelChecksPerPass; ++check) {
        if (observer_.cancelRequested()) {
            return true;
        }
        port_.sleepMs(1);
    }
    return false;
}

CloneSession::Wait CloneSession::waitForRestartedRadio() {
    for (int wakeUp = 0; wakeUp < kRestartWakeUps; ++wakeUp) {
        if (observer_.cancelRequested()) {
            return Wait::Cancelled;
        }
        purge(Purge::All);
        sendWakeUpString();
        if (port_.waitForInput(kWakeUpAnswerWaitMs)) {
            return Wait::Answered;
        }
    }
    return Wait::Silent;
}

// False only when the answer's read failed outright; what (or whether anything) arrived does
// not matter, since radios differ in how they answer the wake-up string.
bool CloneSession::sendWakeUp() {
    sendWakeUpString();
    std::uint8_t answer = 0;
    const SerialPort::ReadResult result = port_.read(&answer, 1);
    wakeUpAnswered_ = wakeUpAnswered_ || result.count == 1;
    return !result.ioError;
}

void CloneSession::sendWakeUpString() {
    for (const std::uint8_t byte : clone::kWakeUp) {
        port_.sleepMs(2);
        purge(Purge::Buffers);
        send(byte);
    }
}

void CloneSession::requestIdentification() {
    port_.sleepMs(1);
    purge(Purge::Buffers);
    send(clone::kStx);
    port_.sleepMs(1);
    // The identification carries nothing this program relies on.
    std::array<std::uint8_t, clone::kIdentificationLength> identification{};
    port_.read(identification.data(), identification.size());
}

bool CloneSession::finishHandshake() {
    purge(Purge::Buffers);
    send(clone::kAck);
    purge(Purge::Buffers);
    port_.sleepMs(1);
    return acknowledged();
}

// The one block loop of every session: a failed block interrupts, the user may cancel after
// each acknowledged one.
TransferOutcome CloneSession::runBlocks(const std::vector<clone::Block>& blocks,
                                        const BlockStep& step) {
    for (std::size_t index = 0; index < blocks.size(); ++index) {
        if (!step(blocks[index])) {
            return TransferOutcome::Interrupted;
        }
        if (blockFinishedThenCancelled(index + 1)) {
            return TransferOutcome::Cancelled;
        }
    }
    return TransferOutcome::Completed;
}

bool CloneSession::readBlock(const clone::Block& block, MemoryImage& staging) {
    purge(Purge::Buffers);
    const auto command = clone::blockCommand(clone::kReadCommand, block);
    send(command.data(), command.size());
    // The header's content is not checked, but all of it must arrive: a byte of it that comes
    // after the read gave up would be taken for the first data byte, and every byte after it
    // would land one offset too far.
    std::array<std::uint8_t, clone::kReadHeaderLength> header{};
    if (port_.read(header.data(), header.size()).count < header.size()) {
        return false;
    }
    const std::span<std::uint8_t> data = staging.bytes(block.address, block.length);
    const SerialPort::ReadResult result = port_.read(data.data(), data.size());
    if (result.ioError || result.count < data.size()) {
        return false;
    }
    purge(Purge::Buffers);
    send(clone::kAck);
    return acknowledged();
}

bool CloneSession::writeBlock(const clone::Block& block, const MemoryImage& image) {
    purge(Purge::Buffers);
    const auto command = clone::blockCommand(clone::kWriteCommand, block);
    send(command.data(), command.size());
    const std::span<const std::uint8_t> data = image.bytes(block.address, block.length);
    send(data.data(), data.size());
    return acknowledged();
}

bool CloneSession::blockFinishedThenCancelled(std::size_t blocksDone) {
    observer_.blockDone(static_cast<int>(blocksDone));
    return observer_.cancelRequested();
}

// Waiting for the output first keeps the clear from discarding bytes that are still on
// their way to the radio, such as the ACK that ends the handshake.
void CloneSession::purge(Purge mode) {
    port_.drainOutput();
    port_.clearBuffers(mode == Purge::All);
}

void CloneSession::send(std::uint8_t byte) {
    send(&byte, 1);
}

// A short write shows up as a missing answer, so the count the driver took is not needed.
void CloneSession::send(const std::uint8_t* data, std::size_t length) {
    port_.write(data, length);
}

// Judged only on a byte that actually arrived for this exchange.
bool CloneSession::acknowledged() {
    std::uint8_t answer = 0;
    const SerialPort::ReadResult result = port_.read(&answer, 1);
    return !result.ioError && result.count == 1 && answer == clone::kAck;
}

}  // namespace radio
