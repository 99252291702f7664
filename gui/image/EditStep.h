#pragma once

#include <QUndoCommand>
#include <cstdint>
#include <vector>

#include "core/image/MemoryImage.h"

namespace radio {
namespace gui {

class CProgramDoc;

// One change of a document as the history keeps it: the bytes it changed, each with its value
// before and after, so undo and redo put back exactly what was there and a long day of edits
// stays small.
class EditStep final : public QUndoCommand {
  public:
    struct ByteChange {
        std::uint16_t offset;
        std::uint8_t before;
        std::uint8_t after;
    };

    EditStep(CProgramDoc& document, const QString& name, const MemoryImage& before,
             const MemoryImage& after);

    bool changesNothing() const { return changes_.empty(); }

    void undo() override;
    // The first call comes from the push, after the change was made: nothing to do then.
    void redo() override;

  private:
    void apply(bool forward);

    CProgramDoc& document_;
    std::vector<ByteChange> changes_;
    bool pushed_ = false;
};

}  // namespace gui
}  // namespace radio
