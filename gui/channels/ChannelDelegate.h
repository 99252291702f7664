#pragma once

#include <QPersistentModelIndex>
#include <QPointer>
#include <QStyledItemDelegate>
#include <array>

#include "core/text/Language.h"

class QStringListModel;

namespace radio {
namespace gui {

// The editors of the channel table: an edit box for each frequency column, a drop-down list for
// every other one. Their help ids are the control ids the program has always used, so F1 on an
// editor opens its own help section. At most one is open; the view decides when it opens, when
// its text is committed and when it closes, so nothing the user typed is committed or dropped
// behind the user's back (a lost focus, a wheel turn).
class ChannelDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    ChannelDelegate(Language language, QObject* parent = nullptr);

    static int helpId(int column);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void destroyEditor(QWidget* editor, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

    // The open editor and its cell; null and invalid when none is open.
    QWidget* openEditor() const { return editor_; }
    QModelIndex openIndex() const { return editor_ ? QModelIndex(index_) : QModelIndex(); }
    // The editor's text: the edit box's text, the list's chosen item.
    static QString text(const QWidget* editor);
    // Whether the user changed what the editor showed when it opened.
    bool changedByUser() const;

  protected:
    // The view handles the editors' keys and focus; the delegate's own handling would commit
    // on a lost focus and close on keys the view gives other meanings.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QStringListModel* choices(int column) const;

    Language language_;
    mutable std::array<QStringListModel*, 10> choices_{};  // owned by the delegate
    mutable QPointer<QWidget> editor_;
    mutable QPersistentModelIndex index_;
    mutable QString openText_;
};

}  // namespace gui
}  // namespace radio
