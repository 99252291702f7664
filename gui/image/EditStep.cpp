#include "gui/image/EditStep.h"

#include "gui/image/CProgramDoc.h"

namespace radio {
namespace gui {

EditStep::EditStep(CProgramDoc& document, const QString& name, const MemoryImage& before,
                   const MemoryImage& after)
    : QUndoCommand(name), document_(document) {
    for (std::size_t offset = 0; offset < MemoryImage::kSize; ++offset) {
        if (before[offset] != after[offset]) {
            changes_.push_back({static_cast<std::uint16_t>(offset), before[offset], after[offset]});
        }
    }
}

void EditStep::undo() {
    apply(false);
}

void EditStep::redo() {
    if (pushed_) {
        apply(true);
    }
    pushed_ = true;
}

void EditStep::apply(bool forward) {
    MemoryImage image = document_.image();
    for (const ByteChange& change : changes_) {
        image[change.offset] = forward ? change.after : change.before;
    }
    document_.replaceImage(image);
}

}  // namespace gui
}  // namespace radio
