#pragma once

#include <QPointer>
#include <QTableWidget>
#include <functional>

namespace radio {
namespace gui {

// A small service table: the header row and the label column are the table's headers, the
// data cells are edited in place by an editor the owner makes for each cell. A left click
// on a cell starts an edit; an open edit is committed when its editor loses the focus, on
// Enter or Escape in it (which are then reported), and by commitEdit.
class AdjustTable : public QTableWidget {
    Q_OBJECT
  public:
    struct Editing {
        std::function<QWidget*(int row, int col, QWidget* parent)> makeEditor;
        std::function<void(QWidget* editor, const QString& cellText)> showText;
        std::function<QString(QWidget* editor, int row, int col)> committedText;
    };

    AdjustTable(Editing editing, QWidget* parent = nullptr);

    QString cellText(int row, int col) const;
    void setCellText(int row, int col, const QString& text);

    void startEdit();
    void commitEdit();
    bool isEditing() const;
    // The open editor; nullptr when no edit is open.
    QWidget* openEditor() const;

    // Column widths, header widths included, that show every cell without scrolling.
    void fitToContents();

  signals:
    // Enter or Escape committed an edit.
    void editKeyPressed(int key);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    // F2 edits the current cell, as in any table: where Enter closes the page, it is the
    // keyboard's only way in.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    friend class AdjustCellDelegate;
    QPointer<QWidget> editor_;
};

}  // namespace gui
}  // namespace radio
