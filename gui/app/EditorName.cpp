#include "gui/app/EditorName.h"

#include <QLabel>

namespace radio {
namespace gui {

void nameEditor(QWidget& editor, const QString& name) {
    editor.setAccessibleName(name);
    auto* label = new QLabel(name, editor.parentWidget());
    label->hide();
    label->setBuddy(&editor);
    QObject::connect(&editor, &QObject::destroyed, label, &QObject::deleteLater);
}

}  // namespace gui
}  // namespace radio
