#pragma once

#include <QObject>
#include <QPointer>
#include <Qt>
#include <functional>

class QWidget;

namespace radio {
namespace gui {

// The Optional Features keyboard rule: digits, Backspace, Delete and the arrows pass unless
// Shift is down; F1 (the window shows its help) and the keys every dialog is worked with (Tab,
// Shift+Tab, Space, Enter, Escape) pass; letters and every other key are swallowed.
bool optionalFeaturesKeyPasses(int key, Qt::KeyboardModifiers modifiers);

// Applies a key rule to every key press meant for a window or anything it owns, open list
// pop-ups included, while the window is shown.
class KeyFilter : public QObject {
    Q_OBJECT
  public:
    using Rule = std::function<bool(int key, Qt::KeyboardModifiers modifiers)>;

    KeyFilter(QWidget& window, Rule rule);
    ~KeyFilter() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool owns(const QObject* object) const;

    QPointer<QWidget> window_;
    Rule rule_;
};

}  // namespace gui
}  // namespace radio
