#include "gui/settings/KeyFilter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace radio {
namespace gui {

namespace {

bool allowedKey(int key) {
    switch (key) {
        case Qt::Key_Backspace:
        case Qt::Key_Delete:
        case Qt::Key_Left:
        case Qt::Key_Up:
        case Qt::Key_Right:
        case Qt::Key_Down:
            return true;
        default:
            // Keypad digits arrive as the same keys with the keypad modifier.
            return key >= Qt::Key_0 && key <= Qt::Key_9;
    }
}

// The keys that move between the controls, tick a box, open a list, and close the page as
// any dialog closes: without them a keyboard user could never leave it.
bool dialogKey(int key) {
    switch (key) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
        case Qt::Key_Space:
            return true;
        default:
            return false;
    }
}

}  // namespace

bool optionalFeaturesKeyPasses(int key, Qt::KeyboardModifiers modifiers) {
    if (key == Qt::Key_F1 || dialogKey(key)) {
        return true;
    }
    return allowedKey(key) && !modifiers.testFlag(Qt::ShiftModifier);
}

KeyFilter::KeyFilter(QWidget& window, Rule rule)
    : QObject(&window), window_(&window), rule_(std::move(rule)) {
    // Application-wide, because an open drop-down list is a window of its own.
    qApp->installEventFilter(this);
}

KeyFilter::~KeyFilter() {
    qApp->removeEventFilter(this);
}

bool KeyFilter::owns(const QObject* object) const {
    for (; object; object = object->parent()) {
        if (object == window_) {
            return true;
        }
    }
    return false;
}

bool KeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !window_ || !window_->isVisible() || !owns(watched)) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    return !rule_(key->key(), key->modifiers());
}

}  // namespace gui
}  // namespace radio
