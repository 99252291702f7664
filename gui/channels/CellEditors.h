#pragma once

#include <QRect>
#include <QString>
#include <array>
#include <functional>

#include "core/text/Language.h"

class QComboBox;
class QLineEdit;
class QWidget;

namespace radio {
namespace gui {

// The ten editors laid over the current cell of the channel grid: an edit box for each
// frequency column, a drop-down list for every other column. Their help ids are the control
// ids the program has always used, so F1 on an editor opens its own help section. Each editor
// is made when it is first needed: the tone lists alone hold hundreds of entries.
class CellEditors {
  public:
    // created: called once for every editor when it is made.
    CellEditors(QWidget* parent, Language language, std::function<void(QWidget&)> created = {});

    // The editor of a grid column (1..10), made now if it was not yet.
    QWidget* editor(int col) const;
    QLineEdit* lineEdit(int col) const;
    QComboBox* comboBox(int col) const;
    static int helpId(int col);

    // Shows the editor of a cell over it with the cell's text, and gives it the focus.
    void show(int row, int col, const QRect& cell, const QString& text);
    // The text the editor holds: the edit box's text, the list's chosen item.
    QString text(int col) const;
    bool visible(int col) const;
    int visibleColumn() const;  // 0 when none
    // The cell the visible editor was opened on; {0, 0} when none is visible.
    int openRow() const { return visibleColumn() ? openRow_ : 0; }
    // Whether the user changed what the visible editor showed when it opened: typing into an
    // edit box, another item in a list.
    bool changedByUser() const;
    void hideAll();

  private:
    QWidget* make(int col) const;

    QWidget* parent_;
    Language language_;
    std::function<void(QWidget&)> created_;
    mutable std::array<QWidget*, 10> editors_{};  // owned by parent_
    int openRow_ = 0;
    int openIndex_ = -1;  // the list item shown at opening
};

}  // namespace gui
}  // namespace radio
