#include "gui/channels/CellEditors.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QProxyStyle>

#include "core/channels/ChannelCodec.h"
#include "gui/app/HelpContext.h"

namespace radio {
namespace gui {

namespace {

constexpr int kHelpIds[10] = {2127, 2128, 2132, 2133, 1129, 1134, 1139, 1128, 2134, 2135};

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

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

CellEditors::CellEditors(QWidget* parent, Language language, std::function<void(QWidget&)> created)
    : parent_(parent), language_(language), created_(std::move(created)) {}

QWidget* CellEditors::editor(int col) const {
    QWidget*& editor = editors_.at(static_cast<std::size_t>(col - 1));
    if (!editor) {
        editor = make(col);
        if (created_) {
            created_(*editor);
        }
    }
    return editor;
}

QWidget* CellEditors::make(int col) const {
    QWidget* editor = nullptr;
    if (col <= 2) {
        auto* edit = new QLineEdit(parent_);
        edit->setFrame(false);
        edit->setAlignment(Qt::AlignCenter);
        editor = edit;
    } else {
        auto* combo = new QComboBox(parent_);
        combo->setEditable(false);
        // A scrolling list of at most 16 items, not one as tall as the 265 tones.
        combo->setStyle(listPopupStyle());
        combo->setMaxVisibleItems(16);
        for (const std::string& item :
             fieldChoices(static_cast<ChannelField>(col - 1), language_)) {
            combo->addItem(qt(item));
        }
        editor = combo;
    }
    editor->setObjectName(QStringLiteral("editor%1").arg(col));
    setHelpContext(*editor, helpId(col));
    editor->setFont(parent_->font());
    editor->hide();
    return editor;
}

int CellEditors::helpId(int col) {
    return kHelpIds[col - 1];
}

QLineEdit* CellEditors::lineEdit(int col) const {
    return qobject_cast<QLineEdit*>(editor(col));
}

QComboBox* CellEditors::comboBox(int col) const {
    return qobject_cast<QComboBox*>(editor(col));
}

void CellEditors::show(int row, int col, const QRect& cell, const QString& text) {
    hideAll();  // one editor at a time
    QWidget* widget = editor(col);
    if (QComboBox* combo = comboBox(col)) {
        const int found = combo->findText(text, Qt::MatchStartsWith);
        combo->setCurrentIndex(found >= 0 ? found : 0);
        openIndex_ = combo->currentIndex();
    } else {
        QLineEdit* edit = lineEdit(col);
        edit->setText(text);  // also clears the edit box's modified flag
        edit->selectAll();
    }
    openRow_ = row;
    widget->setGeometry(cell);
    widget->show();
    widget->raise();
    widget->setFocus(Qt::OtherFocusReason);
}

QString CellEditors::text(int col) const {
    if (QComboBox* combo = comboBox(col)) {
        return combo->currentText();
    }
    return lineEdit(col)->text();
}

bool CellEditors::changedByUser() const {
    const int col = visibleColumn();
    if (col == 0) {
        return false;
    }
    if (QComboBox* combo = comboBox(col)) {
        return combo->currentIndex() != openIndex_;
    }
    return lineEdit(col)->isModified();
}

bool CellEditors::visible(int col) const {
    const QWidget* made = editors_.at(static_cast<std::size_t>(col - 1));
    return made && !made->isHidden();
}

int CellEditors::visibleColumn() const {
    for (int col = 1; col <= 10; ++col) {
        if (visible(col)) {
            return col;
        }
    }
    return 0;
}

void CellEditors::hideAll() {
    for (QWidget* editor : editors_) {
        if (editor) {
            editor->hide();
        }
    }
}

}  // namespace gui
}  // namespace radio
