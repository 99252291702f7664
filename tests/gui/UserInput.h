#pragma once

// What a user does with keys and mouse, for the GUI tests.
#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "GuiFixture.h"
#include "gui/channels/CProgramView.h"
#include "gui/channels/ChannelGrid.h"
#include "gui/settings/CPasswordDlg.h"

inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace radio::test {

// Shows a window and makes it the active one, so that focus moves and shortcuts work.
inline void activate(QWidget& window) {
    window.show();
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    if (QApplication::activeWindow() != &window) {
        // The platform still counts a closed dialog's window as focused; no user would see it.
        QApplication::setActiveWindow(&window);
    }
}

// Clicks the enabled action of a menu-bar menu whose text (without '&', tab and shortcut) starts
// with the given words, as a user picking it from the menu would.
inline bool chooseMenu(QMainWindow& window, const QString& item) {
    for (QAction* menu : window.menuBar()->actions()) {
        for (QAction* action : menu->menu() ? menu->menu()->actions() : QList<QAction*>{}) {
            const QString text = QString(action->text()).remove('&');
            if (action->isEnabled() && text.startsWith(item) &&
                (text.size() == item.size() || !text[item.size()].isLetter())) {
                action->trigger();
                return true;
            }
        }
    }
    ADD_FAILURE() << "no enabled menu item " << item.toStdString();
    return false;
}

// Keys go to the focused widget of the active window, as the keyboard's do; the main window's
// shortcuts fire from there.
inline QWidget& focusIn(QWidget& window) {
    activate(window);
    QWidget* focused = window.window()->focusWidget();
    return focused ? *focused : window;
}
// Keys go to the active window only; a user pressing them has the window in front, which after
// a dialog closes the offscreen platform does not restore by itself.
inline void press(QWidget& window, int key, Qt::KeyboardModifiers modifiers = {}) {
    if (QApplication::activeWindow() != window.window()) {
        activate(*window.window());
    }
    QTest::keyClick(&focusIn(window), Qt::Key(key), modifiers);
}
inline void type(QWidget& window, const QString& text) {
    QTest::keyClicks(&focusIn(window), text);
}

// Clicks near the left edge, where a stretched check or radio button has its label.
inline void click(QWidget* widget) {
    ASSERT_NE(widget, nullptr);
    QTest::mouseClick(widget, Qt::LeftButton, {},
                      QPoint(qMin(8, widget->width() / 2), widget->height() / 2));
}

// The button of a dialog by its text, '&' left out.
inline QAbstractButton* button(QWidget& dialog, const QString& text) {
    for (QAbstractButton* candidate : dialog.findChildren<QAbstractButton*>()) {
        if (QString(candidate->text()).remove('&') == text) {
            return candidate;
        }
    }
    ADD_FAILURE() << "no button " << text.toStdString();
    return nullptr;
}

// Replaces the text of a box by typing.
inline void typeInto(QWidget* box, const QString& text) {
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

// Picks a list entry with the arrow keys.
inline void pick(QComboBox* list, int index) {
    list->setFocus();
    while (list->currentIndex() != index) {
        const int before = list->currentIndex();
        QTest::keyClick(list, before < index ? Qt::Key_Down : Qt::Key_Up);
        if (list->currentIndex() == before) {
            ADD_FAILURE() << "list stuck at " << before;
            return;
        }
    }
}
inline void pick(QComboBox* list, const QString& text) {
    pick(list, list->findText(text));
}

// Answers the next dialog as exec() would run it: shown and active while the user works it;
// a dialog the user left open is closed and counts as cancelled.
inline std::function<int(QDialog&)> byUser(std::function<void(QDialog&)> work) {
    return [work](QDialog& dialog) {
        dialog.setResult(QDialog::Rejected);
        activate(dialog);
        work(dialog);
        if (dialog.isVisible()) {
            dialog.reject();
        }
        return dialog.result();
    };
}

// Chooses a page from the menu; the given user works it.
template <typename Page>
void openPage(StartedProgram& program, const QString& item, std::function<void(Page&)> work) {
    program.prompts.onDialog =
        byUser([work](QDialog& dialog) { work(static_cast<Page&>(dialog)); });
    chooseMenu(program.frame(), item);
}

inline void clickCell(gui::ChannelGrid& grid, int row, int col) {
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.cellRect(row, col).center());
}

// Clicks a data cell of the channel grid, types over its text and presses Enter.
inline void typeIntoCell(gui::CProgramView& view, int row, int col, const QString& text) {
    activate(*view.window());  // the editor gets the focus only in the active window
    clickCell(view.grid(), row, col);
    QWidget* editor = QApplication::focusWidget();
    ASSERT_NE(editor, nullptr);
    typeInto(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
}

// Passes the access-code gate with Ctrl+F11 in the channel window.
inline void unlockAdjustment(StartedProgram& program) {
    auto answer = program.prompts.onDialog;
    program.prompts.onDialog = byUser([](QDialog& dialog) {
        QTest::keyClicks(static_cast<gui::CPasswordDlg&>(dialog).entryBox(), "472816");
        QTest::keyClick(&dialog, Qt::Key_Return);
    });
    press(program.frame(), Qt::Key_F11, Qt::ControlModifier);
    program.prompts.onDialog = answer;
}

}  // namespace radio::test
