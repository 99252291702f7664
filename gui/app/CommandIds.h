#pragma once

// Help context numbers of the commands: F1 on a menu item or in a command's window opens the
// help file at its number. The program's own commands lie from 32771 upward, the framework's
// from 57600 upward, as the help file knows them.
namespace radio {
namespace gui {
namespace cmd {

enum CommandId : int {
    ParamAdjust = 32771,
    Read = 32773,
    Write = 32774,
    ComSetup = 32777,
    ControlBar = 32780,
    ScanInfo = 32782,
    PowerAdjust = 32783,
    ProductInformation = 32786,
    ChannelInformation = 32787,
    OptionalFeatures = 32788,
    Language = 32799,
    // Beyond the original command set.
    ExportPdf = 32800,
    ExportChannels = 32801,
    ImportChannels = 32802,
    CompareWithRadio = 32803,
    VerifyAfterWrite = 32804,
    InsertChannel = 32805,
    DeleteChannel = 32806,
    MoveChannelUp = 32807,
    MoveChannelDown = 32808,

    FileNew = 57600,
    FileOpen = 57601,
    FileClose = 57602,
    FileSave = 57603,
    FileSaveAs = 57604,
    FilePrintSetup = 57606,
    FilePrint = 57607,
    FilePrintPreview = 57609,
    RecentFile1 = 57616,  // the framework's numbers of recent-file items, 1 to 4 in a row
    EditClear = 57632,
    EditCopy = 57634,
    EditCut = 57635,
    EditPaste = 57637,
    EditUndo = 57643,
    EditRedo = 57644,
    AppAbout = 57664,
    AppExit = 57665,
    ViewToolbar = 59392,
    ViewStatusBar = 59393,
};

}  // namespace cmd
}  // namespace gui
}  // namespace radio
