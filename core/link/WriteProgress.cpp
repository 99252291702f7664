#include "core/link/WriteProgress.h"

#include "core/text/Texts.h"

namespace radio {

void WriteProgress::transferStarted(int blockCount) {
    count_ = blockCount;
    observer_.transferStarted(blockCount);
}

void WriteProgress::verifyStarted(int blockCount) {
    checking_ = true;
    observer_.verifyStarted(blockCount);
}

void WriteProgress::blockDone(int blocksDone) {
    if (!checking_) {
        written_ = blocksDone;
    }
    observer_.blockDone(blocksDone);
}

std::string interruptedWriteNote(int blocksWritten, int blockCount, Language language) {
    if (blocksWritten <= 0 || blocksWritten >= blockCount) {
        return {};
    }
    return fillText(text(TextId::InterruptedWrite, language),
                    {std::to_string(blocksWritten), std::to_string(blockCount)});
}

}  // namespace radio
