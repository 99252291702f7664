#include "gui/settings/SpinEdit.h"

#include <QFocusEvent>
#include <QLineEdit>

namespace radio {
namespace gui {

SpinEdit::SpinEdit(bool digitsOnly, QWidget* parent)
    : QAbstractSpinBox(parent), digitsOnly_(digitsOnly) {
    setAccelerated(false);
    setKeyboardTracking(false);
}

void SpinEdit::setText(const QString& text) {
    lineEdit()->setText(text);
}

void SpinEdit::stepBy(int steps) {
    if (steps != 0) {
        emit stepRequested(steps > 0 ? -1 : 1);
    }
}

QValidator::State SpinEdit::validate(QString& input, int&) const {
    if (digitsOnly_) {
        for (const QChar c : input) {
            if (c < u'0' || c > u'9') {
                return QValidator::Invalid;
            }
        }
    }
    return QValidator::Acceptable;
}

QAbstractSpinBox::StepEnabled SpinEdit::stepEnabled() const {
    return StepUpEnabled | StepDownEnabled;
}

void SpinEdit::focusOutEvent(QFocusEvent* event) {
    QAbstractSpinBox::focusOutEvent(event);
    // Another window coming up (a message about this very box, the context menu) is not the
    // user leaving the box.
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
        emit focusLeft();
    }
}

}  // namespace gui
}  // namespace radio
