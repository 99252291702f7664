#pragma once

// Command ids of the menus, the toolbar and the help contexts. The program's own commands
// lie from 32771 upward, the framework's from 57600 upward; help context numbers are these ids.
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

    FileNew = 57600,
    FileOpen = 57601,
    FileClose = 57602,
    FileSave = 57603,
    FileSaveAs = 57604,
    FilePrintSetup = 57606,
    FilePrint = 57607,
    FilePrintDirect = 57608,
    FilePrintPreview = 57609,
    AppAbout = 57664,
    AppExit = 57665,
    Help = 57670,
    NextPane = 57680,
    PrevPane = 57681,
    ViewToolbar = 59392,
    ViewStatusBar = 59393,
};

}  // namespace cmd
}  // namespace gui
}  // namespace radio
