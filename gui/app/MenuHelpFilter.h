#pragma once

#include <QObject>

namespace radio {
namespace gui {

class CProgramApp;

// F1 on a highlighted menu item opens the help of its command.
class MenuHelpFilter : public QObject {
    Q_OBJECT
  public:
    MenuHelpFilter(CProgramApp& app, QObject* parent) : QObject(parent), app_(app) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    CProgramApp& app_;
};

}  // namespace gui
}  // namespace radio
