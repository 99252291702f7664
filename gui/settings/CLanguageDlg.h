#pragma once

#include <QDialog>

class QButtonGroup;

namespace radio {
namespace gui {

class CProgramApp;

// Language: English or Chinese for the next run. OK with another language than the running
// one sets the changed flag; the choice is stored only by the restart it leads to, so a
// restart called off leaves Program.ini as it was.
class CLanguageDlg : public QDialog {
    Q_OBJECT
  public:
    explicit CLanguageDlg(CProgramApp& app, QWidget* parent = nullptr);

    // Opening: the running language is selected.
    void load();
    // 0 English, 1 Chinese, -1 none.
    int selectedLanguage() const;
    void selectLanguage(int index);
    bool changed() const { return changed_; }
    // The [Setup] Language value of the choice: "English" or "Chinese".
    QString chosenLanguageName() const;

  public slots:
    void accept() override;

  private:
    CProgramApp& app_;
    QButtonGroup* group_;
    bool changed_ = false;
};

}  // namespace gui
}  // namespace radio
