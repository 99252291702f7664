#pragma once

class QString;
class QWidget;

namespace radio {
namespace gui {

// Names an in-cell editor for screen readers, e.g. by its cell's column and row. The name is
// also a label that is never shown: on Linux a list is named by the label it is the buddy of,
// not by its accessible name.
void nameEditor(QWidget& editor, const QString& name);

}  // namespace gui
}  // namespace radio
