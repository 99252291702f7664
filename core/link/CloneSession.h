#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "core/image/MemoryImage.h"
#include "core/link/CloneProtocol.h"
#include "core/link/SerialPort.h"
#include "core/link/Transfer.h"
#include "core/link/Verify.h"

namespace radio {

// The handshake and the block transfer over a port that is already open. Each call to read,
// write or verify is one whole session: it reports its start once, then runs the handshake
// (with its retries and prompts) and the blocks. Between calls it keeps only whether the
// radio answered the wake-up string, which the check after a write watches for.
class CloneSession {
  public:
    CloneSession(SerialPort& port, TransferObserver& observer);

    // Completed: image bytes 0..1008 hold the radio's memory. Any other outcome leaves the
    // image exactly as it was; bytes 1009..1023 are never touched.
    TransferOutcome read(MemoryImage& image);

    // Sends the blocks of the write ranges; the unlock adds the service areas.
    TransferOutcome write(const MemoryImage& image, bool adjustmentUnlocked);

    // A session of its own after a write: reads back exactly the blocks that write sent and
    // compares them with the image, which it never changes. Reports verifyStarted instead of
    // transferStarted, so its progress is a phase of its own. A radio that restarts after a
    // write is waited for: one that answered the write's wake-up string is sent it again until
    // it answers (about 6 s at most), one that did not gets a second handshake pass. A radio
    // that never answers is reported as NoAnswer without the communication question.
    VerifyResult verify(const MemoryImage& image, bool adjustmentUnlocked);

  private:
    enum class Pass { Succeeded, Cancelled, Interrupted, Again, Prompt };
    enum class Wait { Answered, Cancelled, Silent };
    enum class Purge { Buffers, All };

    using BlockStep = std::function<bool(const clone::Block&)>;

    TransferOutcome handshake(int blockCount, bool verifying);
    Pass handshakePass(int& attempt);
    bool cancelSeenAtPassStart();
    Wait waitForRestartedRadio();
    bool sendWakeUp();
    void sendWakeUpString();
    void requestIdentification();
    bool finishHandshake();

    TransferOutcome runBlocks(const std::vector<clone::Block>& blocks, const BlockStep& step);
    bool readBlock(const clone::Block& block, MemoryImage& staging);
    bool writeBlock(const clone::Block& block, const MemoryImage& image);
    bool blockFinishedThenCancelled(std::size_t blocksDone);

    void purge(Purge mode);
    void send(std::uint8_t byte);
    void send(const std::uint8_t* data, std::size_t length);
    bool acknowledged();

    SerialPort& port_;
    TransferObserver& observer_;
    // The last handshake went unanswered: Cancel at the prompt, or a check after a write
    // that the radio never answered.
    bool declinedAtPrompt_ = false;
    bool wakeUpAnswered_ = false;  // the radio has answered the wake-up string in a session
};

}  // namespace radio
