#include "gui/image/EditStep.h"

#include "gui/image/CProgramDoc.h"

namespace radio {
namespace gui {

EditStep::EditStep(CProgramDoc& document, const QString& name, DocumentState before,
                   DocumentState after)
    : QUndoCommand(name),
      document_(document),
      before_(std::move(before)),
      after_(std::move(after)) {}

void EditStep::undo() {
    document_.restore(before_);
}

void EditStep::redo() {
    if (pushed_) {
        document_.restore(after_);
    }
    pushed_ = true;
}

}  // namespace gui
}  // namespace radio
