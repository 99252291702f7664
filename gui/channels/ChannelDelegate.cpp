#include "gui/channels/ChannelDelegate.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QProxyStyle>
#include <QStringListModel>

#include "core/channels/ChannelCodec.h"
#include "gui/app/EditorName.h"
#include "gui/app/HelpContext.h"
#include "gui/channels/ChannelTableModel.h"

namespace radio {
namespace gui {

namespace {

constexpr int kHelpIds[10] = {2127, 2128, 2132, 2133, 1129, 1134, 1139, 1128, 2134, 2135};

// Drop-down lists that scroll instead of covering the screen; one style for all editors.
class ScrollingListStyle : public QProxyStyle {
  public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* answer) const override {
        if (hint == QStyle::SH_ComboBox_Popup) {
            return 0;
        }
        return QProxyStyle::styleHint(hint, option, widget, answer);
    }
};

QStyle* listPopupStyle() {
    static QStyle* const style = [] {
        auto* made = new ScrollingListStyle;
        made->setParent(qApp);  // lives as long as the application
        return made;
    }();
    return style;
}

}  // namespace

ChannelDelegate::ChannelDelegate(Language language, QObject* parent)
    : QStyledItemDelegate(parent), language_(language) {}

int ChannelDelegate::helpId(int column) {
    return kHelpIds[fieldIndex(ChannelTableModel::field(column))];
}

QStringListModel* ChannelDelegate::choices(int column) const {
    const ChannelField field = ChannelTableModel::field(column);
    QStringListModel*& list = choices_.at(fieldIndex(field));
    if (!list) {
        QStringList items;
        for (const std::string& item : fieldChoices(field, language_)) {
            items << QString::fromStdString(item);
        }
        list = new QStringListModel(items, const_cast<ChannelDelegate*>(this));
    }
    return list;
}

QWidget* ChannelDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                       const QModelIndex& index) const {
    const int column = index.column();
    QWidget* editor = nullptr;
    if (ChannelTableModel::isList(column)) {
        auto* combo = new QComboBox(parent);
        combo->setEditable(false);
        // A scrolling list of at most 16 items, not one as tall as the 265 tones.
        combo->setStyle(listPopupStyle());
        combo->setMaxVisibleItems(16);
        combo->setModel(choices(column));
        editor = combo;
    } else {
        auto* edit = new QLineEdit(parent);
        edit->setFrame(false);
        edit->setAlignment(Qt::AlignCenter);
        editor = edit;
    }
    editor->setObjectName(QStringLiteral("editor%1").arg(column + 1));
    const QString header = index.model()->headerData(column, Qt::Horizontal).toString();
    nameEditor(*editor, tr("%1, channel %2").arg(header).arg(index.row() + 1));
    setHelpContext(*editor, helpId(column));
    editor_ = editor;
    index_ = index;
    return editor;
}

void ChannelDelegate::destroyEditor(QWidget* editor, const QModelIndex& index) const {
    if (editor == editor_) {
        editor_.clear();
        index_ = QPersistentModelIndex();
    }
    QStyledItemDelegate::destroyEditor(editor, index);
}

void ChannelDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    const QString text = index.data(Qt::EditRole).toString();
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        // The first item the text begins with, any case; the first item when none does.
        const int found = combo->findText(text, Qt::MatchStartsWith);
        combo->setCurrentIndex(found >= 0 ? found : 0);
    } else if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        edit->setText(text);
        edit->selectAll();
    }
    if (editor == editor_) {
        openText_ = ChannelDelegate::text(editor);
    }
}

void ChannelDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                   const QModelIndex& index) const {
    model->setData(index, text(editor), Qt::EditRole);
}

void ChannelDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                           const QModelIndex&) const {
    editor->setGeometry(option.rect);
}

QString ChannelDelegate::text(const QWidget* editor) {
    if (const auto* combo = qobject_cast<const QComboBox*>(editor)) {
        return combo->currentText();
    }
    const auto* edit = qobject_cast<const QLineEdit*>(editor);
    return edit ? edit->text() : QString();
}

bool ChannelDelegate::changedByUser() const {
    if (!editor_) {
        return false;
    }
    if (const auto* edit = qobject_cast<const QLineEdit*>(editor_.data())) {
        return edit->isModified();
    }
    return text(editor_) != openText_;
}

bool ChannelDelegate::eventFilter(QObject*, QEvent*) {
    return false;
}

}  // namespace gui
}  // namespace radio
