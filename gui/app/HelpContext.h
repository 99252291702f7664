#pragma once

#include <QObject>
#include <QVariant>

namespace radio {
namespace gui {

// Controls name their help context in a "helpId" property (the control id of the help file).
inline void setHelpContext(QObject& control, int context) {
    control.setProperty("helpId", context);
}

// The help context of a control; the fallback when it names none.
inline int helpContextOf(const QObject* control, int fallback) {
    const QVariant id = control ? control->property("helpId") : QVariant();
    return id.isValid() ? id.toInt() : fallback;
}

}  // namespace gui
}  // namespace radio
