#pragma once

#include <QUndoCommand>

#include "gui/image/DocumentState.h"

namespace radio {
namespace gui {

class CProgramDoc;

// One change of a document as the history keeps it: the whole state before and after it
// (1024 bytes and 160 short texts each), so undo and redo put back exactly what was there.
class EditStep final : public QUndoCommand {
  public:
    EditStep(CProgramDoc& document, const QString& name, DocumentState before, DocumentState after);

    void undo() override;
    // The first call comes from the push, after the change was made: nothing to do then.
    void redo() override;

  private:
    CProgramDoc& document_;
    DocumentState before_;
    DocumentState after_;
    bool pushed_ = false;
};

}  // namespace gui
}  // namespace radio
