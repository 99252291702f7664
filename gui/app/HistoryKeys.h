#pragma once

#include <QKeySequence>
#include <QList>

namespace radio {
namespace gui {

// The keys of Edit > Undo and Redo, the same on every platform: users of this program come
// from Windows, where Ctrl+Y is Redo, and others expect Ctrl+Shift+Z.
inline QList<QKeySequence> undoKeys() {
    return {QKeySequence(Qt::CTRL | Qt::Key_Z)};
}
inline QList<QKeySequence> redoKeys() {
    return {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)};
}

}  // namespace gui
}  // namespace radio
