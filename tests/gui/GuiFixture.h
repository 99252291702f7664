#pragma once

// A started program with scripted dialogs, and what a user does to it with keys and mouse.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenuBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <deque>
#include <functional>

#include "gui/app/CMainFrame.h"
#include "gui/app/CProgramApp.h"
#include "gui/app/UserPrompts.h"
#include "gui/channels/CProgramView.h"
#include "gui/channels/ChannelTableModel.h"
#include "gui/channels/ChannelTableView.h"
#include "gui/image/CProgramDoc.h"
#include "gui/settings/AdjustTable.h"
#include "gui/settings/CPasswordDlg.h"

inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace radio::test {

inline QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
inline QString writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size())
        << path.toStdString();
    return path;
}

// Answers message boxes and file dialogs from a script and records what was asked.
class ScriptedPrompts final : public gui::UserPrompts {
  public:
    struct Shown {
        QString caption, text;
        QMessageBox::StandardButtons buttons;
    };

    QMessageBox::StandardButton message(QWidget*, QMessageBox::Icon, const QString& caption,
                                        const QString& text,
                                        QMessageBox::StandardButtons buttons) override {
        shown.push_back({caption, text, buttons});
        return take(answers,
                    buttons.testFlag(QMessageBox::Ok) ? QMessageBox::Ok : QMessageBox::Cancel);
    }
    QString openFileName(QWidget*, const QString&, const QString&) override {
        return take(files, QString());
    }
    QString saveFileName(QWidget*, const QString&, const QString& proposed,
                         const QString&) override {
        proposedNames.push_back(proposed);
        return take(files, QString());
    }
    // A dialog is answered by onDialog (which may work its controls), else cancelled.
    int runDialog(QDialog& dialog) override {
        dialogs.push_back(dialog.objectName());
        return onDialog ? onDialog(dialog) : 0;
    }

    std::deque<QMessageBox::StandardButton> answers;  // next answers, else OK / Cancel
    std::deque<QString> files;                        // next file names, else cancelled
    std::vector<Shown> shown;
    std::vector<QString> proposedNames;
    std::function<int(QDialog&)> onDialog;
    std::vector<QString> dialogs;  // object names of the dialogs shown

  private:
    template <typename T>
    static T take(std::deque<T>& queue, T otherwise) {
        if (!queue.empty()) {
            otherwise = queue.front();
            queue.pop_front();
        }
        return otherwise;
    }
};

// A program folder of its own: Program.ini, the language packs, and a program path in it.
class ProgramFolder {
  public:
    static QString defaultIni(const QString& language = "English") {
        return "[Setup]\nLanguage=" + language +
               "\nShowLang=1\nAppName=RadioProgTest\n"
               "Type1=Alpha\nField1=400-470|430-480\nType2=Beta\nField2=136-174|144-148|400-400\n"
               "[English]\nCompany=Test Company\nAbout Title=About Test\nVersion=Version 9\n"
               "Copyrights=(C) Test\nCopyrights Owner=Owner Line\nAppName=Test Radio\n"
               "[Chinese]\nCompany=测试公司\nAbout Title=关于测试\nVersion=版本 9\n"
               "Copyrights=版权\nCopyrights Owner=所有者\nAppName=测试对讲机\n";
    }

    explicit ProgramFolder(const QString& ini = defaultIni()) {
        writeFile("Program.ini", ini.toUtf8());
        for (const char* pack : {"English.qm", "Chinese.qm", "enHelp.html", "chHelp.html"}) {
            QFile::copy(QStringLiteral(RADIOPROG_BIN_DIR "/") + pack, path(pack));
        }
    }
    // Canonical, as the program names the files it remembers.
    QString path(const QString& name = QString()) const { return QDir(root_).filePath(name); }
    QString programPath() const { return path("radioprog"); }
    QString writeFile(const QString& name, const QByteArray& bytes) const {
        return test::writeFile(path(name), bytes);
    }

  private:
    QTemporaryDir dir_;
    QString root_ = QDir(dir_.path()).canonicalPath();
};

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

// Keys go to the focused widget of the active window, as the keyboard's do; the main window's
// shortcuts fire from there. After a dialog closes the offscreen platform does not bring the
// window back to the front by itself, as a user would.
inline QWidget& focusIn(QWidget& widget) {
    activate(*widget.window());
    QWidget* focused = widget.window()->focusWidget();
    return focused ? *focused : widget;
}
inline void press(QWidget& window, int key, Qt::KeyboardModifiers modifiers = {}) {
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
    for (int key = 0; key < list->count() && list->currentIndex() != index; ++key) {
        QTest::keyClick(list, list->currentIndex() < index ? Qt::Key_Down : Qt::Key_Up);
    }
    EXPECT_EQ(list->currentIndex(), index) << "the list stuck";
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

// Cells as the user counts them: channels 1..16, columns 1..9 (Rx Frequency .. Scrambler).
inline QModelIndex cellIndex(gui::CProgramView& view, int channel, int col) {
    return view.model().index(channel - 1, col - 1);
}
inline QRect cellRect(gui::CProgramView& view, int channel, int col) {
    return view.table().visualRect(cellIndex(view, channel, col));
}
inline QString cellText(gui::CProgramView& view, int channel, int col) {
    return cellIndex(view, channel, col).data().toString();
}
inline void clickCell(gui::CProgramView& view, int channel, int col,
                      Qt::KeyboardModifiers modifiers = {}) {
    QTest::mouseClick(view.table().viewport(), Qt::LeftButton, modifiers,
                      cellRect(view, channel, col).center());
}

// Clicks a cell of a service table, which opens its editor.
inline QWidget* clickCell(gui::AdjustTable& table, int row, int col) {
    QTest::mouseClick(table.viewport(), Qt::LeftButton, {},
                      table.visualRect(table.model()->index(row, col)).center());
    return table.openEditor();
}

// Clicks a channel's number, as a user selects whole channels.
inline void clickChannel(gui::CProgramView& view, int channel,
                         Qt::KeyboardModifiers modifiers = {}) {
    QHeaderView* numbers = view.table().verticalHeader();
    const int y = numbers->sectionViewportPosition(channel - 1) + numbers->sectionSize(0) / 2;
    QTest::mouseClick(numbers->viewport(), Qt::LeftButton, modifiers,
                      QPoint(numbers->width() / 2, y));
}

// A started program with its own folder. The user settings are cleared before it starts, so
// no radio type or recent file is left over from another test, unless it is the restart of the
// program before.
struct StartedProgram {
    explicit StartedProgram(const QString& ini = ProgramFolder::defaultIni(),
                            const QStringList& arguments = {}, bool restart = false)
        : folder(ini), app(folder.programPath(), prompts) {
        if (!restart) {
            QSettings(QSettings::NativeFormat, QSettings::UserScope, "RadioProgTest").clear();
        }
        started = app.initInstance(arguments);
    }
    gui::CMainFrame& frame() { return *app.mainFrame(); }
    gui::CProgramView& view() { return *frame().activeView(); }
    gui::CProgramDoc& document() { return *frame().activeDocument(); }
    MemoryImage& image() { return document().image(); }
    void press(int key, Qt::KeyboardModifiers modifiers = {}) {
        test::press(frame(), key, modifiers);
    }
    // Ctrl+O with the file dialog answered by path.
    void open(const QString& path) {
        prompts.files.push_back(path);
        press(Qt::Key_O, Qt::ControlModifier);
    }
    // Clicks a cell of the channel grid and types over its text, leaving the editor open.
    void typeInto(int row, int col, const QString& text) {
        activate(frame());  // the editor gets the focus only in the active window
        clickCell(view(), row, col);
        QWidget* editor = QApplication::focusWidget();
        ASSERT_NE(editor, nullptr);
        test::typeInto(editor, text);
    }
    // The same, committed by Enter.
    void typeCell(int row, int col, const QString& text) {
        typeInto(row, col, text);
        press(Qt::Key_Return);
    }
    // Chooses a page from the menu; the given user works it.
    template <typename Page>
    void openPage(const QString& item, std::function<void(Page&)> work) {
        prompts.onDialog = byUser([work](QDialog& dialog) { work(static_cast<Page&>(dialog)); });
        chooseMenu(item);
    }
    // Clicks the enabled action of a menu-bar menu whose text (without '&', tab and shortcut)
    // starts with the given words, as a user picking it from the menu would.
    bool chooseMenu(const QString& item) {
        QAction* action = menuItem(item);
        EXPECT_NE(action, nullptr) << "no enabled menu item " << item.toStdString();
        if (action) {
            action->trigger();
        }
        return action != nullptr;
    }
    QAction* menuItem(const QString& item) {
        for (QAction* menu : frame().menuBar()->actions()) {
            for (QAction* action : menu->menu() ? menu->menu()->actions() : QList<QAction*>{}) {
                const QString text = QString(action->text()).remove('&');
                if (action->isEnabled() && text.startsWith(item) &&
                    (text.size() == item.size() || !text[item.size()].isLetter())) {
                    return action;
                }
            }
        }
        return nullptr;
    }
    // Passes the access-code gate with Ctrl+F11 in the channel window.
    void unlockAdjustment() {
        const auto answer = prompts.onDialog;
        prompts.onDialog = byUser([](QDialog& dialog) {
            QTest::keyClicks(static_cast<gui::CPasswordDlg&>(dialog).entryBox(), "472816");
            QTest::keyClick(&dialog, Qt::Key_Return);
        });
        press(Qt::Key_F11, Qt::ControlModifier);
        prompts.onDialog = answer;
    }

    ScriptedPrompts prompts;
    ProgramFolder folder;
    gui::CProgramApp app;
    bool started = false;
};

}  // namespace radio::test
