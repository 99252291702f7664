#pragma once

#include <QAbstractSpinBox>

namespace radio {
namespace gui {

// An edit box with a spin button whose value belongs to its owner: the box only reports the
// steps asked for and the loss of focus. Steps come as the radio programs have always seen
// them: the up arrow (and Up key, and wheel up) reports -1, the down arrow +1.
class SpinEdit : public QAbstractSpinBox {
    Q_OBJECT
  public:
    explicit SpinEdit(bool digitsOnly, QWidget* parent = nullptr);

    void setText(const QString& text);

    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& pos) const override;

  signals:
    void stepRequested(int delta);
    void focusLeft();

  protected:
    StepEnabled stepEnabled() const override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    bool digitsOnly_;
};

}  // namespace gui
}  // namespace radio
