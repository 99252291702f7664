#pragma once

#include <array>

#include "gui/app/RecentFiles.h"

class QAction;

namespace radio {
namespace gui {

// The program's commands, made once by the main window. The menu bar, the toolbar and the
// navigation bar all trigger these same actions; each carries its F1 help context.
struct Commands {
    QAction* fileNew = nullptr;
    QAction* fileOpen = nullptr;
    QAction* fileClose = nullptr;
    QAction* fileSave = nullptr;
    QAction* fileSaveAs = nullptr;
    QAction* filePrint = nullptr;
    QAction* filePrintPreview = nullptr;
    QAction* filePrintSetup = nullptr;
    QAction* exportPdf = nullptr;
    QAction* exportChannels = nullptr;
    QAction* importChannels = nullptr;
    QAction* appExit = nullptr;
    // The recent documents, "&1 name" to "&4 name" before Exit, then a separator; hidden while
    // unused.
    std::array<QAction*, RecentFiles::kCapacity> recentFiles{};
    QAction* recentFilesEnd = nullptr;

    // Their texts name the step they take back or do again.
    QAction* editUndo = nullptr;
    QAction* editRedo = nullptr;
    // The channel table's spreadsheet commands; their keys work where the documents are, so
    // Delete in the navigation bar or a dialog never empties a channel.
    QAction* editCut = nullptr;
    QAction* editCopy = nullptr;
    QAction* editPaste = nullptr;
    QAction* editClear = nullptr;
    QAction* insertChannel = nullptr;
    QAction* deleteChannel = nullptr;
    QAction* moveUp = nullptr;
    QAction* moveDown = nullptr;

    QAction* productInformation = nullptr;
    QAction* channelInformation = nullptr;
    QAction* optionalFeatures = nullptr;
    QAction* powerAdjust = nullptr;
    QAction* paramAdjust = nullptr;

    QAction* read = nullptr;
    QAction* write = nullptr;
    QAction* compareWithRadio = nullptr;
    QAction* scanInfo = nullptr;

    QAction* viewToolbar = nullptr;
    QAction* viewStatusBar = nullptr;
    QAction* controlBar = nullptr;

    QAction* comSetup = nullptr;
    QAction* verifyAfterWrite = nullptr;  // checkable, remembered for the user
    QAction* language = nullptr;
    // Its text is the program's own while a document is open, "&About Program..." otherwise.
    QAction* appAbout = nullptr;
};

}  // namespace gui
}  // namespace radio
