<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>ChannelEditing</name>
    <message>
        <source>Paste</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Insert Channel</source>
        <translation>Insert Channel</translation>
    </message>
    <message>
        <source>There is no room to insert a channel: channel 16 is in use. Delete a channel first.</source>
        <translation>There is no room to insert a channel: channel 16 is in use. Delete a channel first.</translation>
    </message>
    <message>
        <source>Delete Channel</source>
        <translation>Delete Channel</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Move Up</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Move Down</translation>
    </message>
</context>
<context>
    <name>ChannelListFiles</name>
    <message>
        <source>Export Channels</source>
        <translation>Export Channels</translation>
    </message>
    <message>
        <source>Channel Lists (*.csv)</source>
        <translation>Channel Lists (*.csv)</translation>
    </message>
    <message>
        <source>Import Channels</source>
        <translation>Import Channels</translation>
    </message>
    <message>
        <source>%1 was not imported:</source>
        <translation>%1 was not imported:</translation>
    </message>
</context>
<context>
    <name>SettingsPage</name>
    <message>
        <source>Edit %1</source>
        <translation>Edit %1</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Out of range,please input again.</source>
        <translation>Out of range,please input again.</translation>
    </message>
    <message>
        <source>Communication Error,Please check all the connections and the radio power</source>
        <translation>Communication Error,Please check all the connections and the radio power</translation>
    </message>
    <message>
        <source>All data will be Cleared!</source>
        <translation>All data will be Cleared!</translation>
    </message>
    <message>
        <source>Could not Open the Port,Please check whether the Port are occupied or the device are ok</source>
        <translation>Could not Open the Port,Please check whether the Port are occupied or the device are ok</translation>
    </message>
    <message>
        <source>Program Interrupt, Please reset the radio and try again</source>
        <translation>Program Interrupt, Please reset the radio and try again</translation>
    </message>
    <message>
        <source>Error data Value, please input according the step value(6.25K/5k).</source>
        <translation>Error data Value, please input according the step value(6.25K/5k).</translation>
    </message>
    <message>
        <source>Caution</source>
        <translation>Caution</translation>
    </message>
</context>
<context>
    <name>radio::gui::AdjustTable</name>
    <message>
        <source>%1, %2</source>
        <comment>an in-cell editor's name: column, row</comment>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>radio::gui::CComSetupDlg</name>
    <message>
        <source>COM Setup</source>
        <translation>COM Setup</translation>
    </message>
    <message>
        <source>COM</source>
        <translation>COM</translation>
    </message>
    <message>
        <source>Serial devices found:</source>
        <translation>Serial devices found:</translation>
    </message>
    <message>
        <source>No serial device was found.</source>
        <translation>No serial device was found.</translation>
    </message>
</context>
<context>
    <name>radio::gui::CCompareDlg</name>
    <message>
        <source>Compare With Radio</source>
        <translation>Compare With Radio</translation>
    </message>
    <message>
        <source>Each line: the open document | the radio</source>
        <translation>Each line: the open document | the radio</translation>
    </message>
</context>
<context>
    <name>radio::gui::CLanguageDlg</name>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chinese</translation>
    </message>
</context>
<context>
    <name>radio::gui::CMainFrame</name>
    <message>
        <source>Create a new document
New</source>
        <translation>Create a new document
New</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>Open an existing document
Open</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Close the active document
Close</source>
        <translation>Close the active document
Close</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>Save the active document
Save</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>Save the active document with a new name
Save As</source>
        <translation>Save the active document with a new name
Save As</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>Print the active document
Print</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Print Pre&amp;view</translation>
    </message>
    <message>
        <source>Display full pages
Print Preview</source>
        <translation>Display full pages
Print Preview</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>P&amp;rint Setup...</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>Change the printer and printing options
Print Setup</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Quit the application; prompts to save documents
Exit</translation>
    </message>
    <message>
        <source>&amp;Product Information</source>
        <translation>&amp;Product Information</translation>
    </message>
    <message>
        <source>&amp;Channel Information</source>
        <translation>&amp;Channel Information</translation>
    </message>
    <message>
        <source>&amp;Optional Features</source>
        <translation>&amp;Optional Features</translation>
    </message>
    <message>
        <source>Read Data From Radio
Read</source>
        <translation>Read Data From Radio
Read</translation>
    </message>
    <message>
        <source>Write Data To Radio
Write</source>
        <translation>Write Data To Radio
Write</translation>
    </message>
    <message>
        <source>Scan Info</source>
        <translation>Scan Info</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Toolbar</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Show or hide the toolbar
Toggle ToolBar</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Status Bar</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Show or hide the status bar
Toggle StatusBar</translation>
    </message>
    <message>
        <source>&amp;Control Bar</source>
        <translation>&amp;Control Bar</translation>
    </message>
    <message>
        <source>&amp;Com Setup</source>
        <translation>&amp;Com Setup</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>&amp;About Program...</source>
        <translation>&amp;About Program...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Display program information, version number and copyright
About</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Program</source>
        <translation>&amp;Program</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>&amp;Setup</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>Program Document (*.dat)</source>
        <translation>Program Document (*.dat)</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Save changes to %1?</translation>
    </message>
    <message>
        <source>No document is open.</source>
        <translation>No document is open.</translation>
    </message>
    <message>
        <source>Save the report as a PDF file
Export PDF</source>
        <translation>Save the report as a PDF file
Export PDF</translation>
    </message>
    <message>
        <source>Save the channel table as a CSV file
Export Channels</source>
        <translation>Save the channel table as a CSV file
Export Channels</translation>
    </message>
    <message>
        <source>Fill the channel table from a CSV file
Import Channels</source>
        <translation>Fill the channel table from a CSV file
Import Channels</translation>
    </message>
    <message>
        <source>The file %1 no longer exists.</source>
        <translation>The file %1 no longer exists.</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>Compare With Radio</source>
        <translation>Compare With Radio</translation>
    </message>
    <message>
        <source>Verify After Write</source>
        <translation>Verify After Write</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Undo %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Redo %1</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <source>Cut the selected channels or cells
Cut</source>
        <translation>Cut the selected channels or cells
Cut</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>Copy the selected channels or cells
Copy</source>
        <translation>Copy the selected channels or cells
Copy</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>Paste channels or cells at the current cell
Paste</source>
        <translation>Paste channels or cells at the current cell
Paste</translation>
    </message>
    <message>
        <source>Cle&amp;ar</source>
        <translation>Cle&amp;ar</translation>
    </message>
    <message>
        <source>Empty the selected channels or cells
Clear</source>
        <translation>Empty the selected channels or cells
Clear</translation>
    </message>
    <message>
        <source>&amp;Insert Channel</source>
        <translation>&amp;Insert Channel</translation>
    </message>
    <message>
        <source>Move the selected channel and those below it down by one
Insert Channel</source>
        <translation>Move the selected channel and those below it down by one
Insert Channel</translation>
    </message>
    <message>
        <source>&amp;Delete Channel</source>
        <translation>&amp;Delete Channel</translation>
    </message>
    <message>
        <source>Remove the selected channels; those below move up
Delete Channel</source>
        <translation>Remove the selected channels; those below move up
Delete Channel</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Move &amp;Up</translation>
    </message>
    <message>
        <source>Move the selected channels up by one
Move Up</source>
        <translation>Move the selected channels up by one
Move Up</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>Move Do&amp;wn</translation>
    </message>
    <message>
        <source>Move the selected channels down by one
Move Down</source>
        <translation>Move the selected channels down by one
Move Down</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Read</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Write</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Window</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Documents</translation>
    </message>
    <message>
        <source>Export P&amp;DF...</source>
        <translation>Export P&amp;DF...</translation>
    </message>
    <message>
        <source>Export C&amp;hannels...</source>
        <translation>Export C&amp;hannels...</translation>
    </message>
    <message>
        <source>&amp;Import Channels...</source>
        <translation>&amp;Import Channels...</translation>
    </message>
</context>
<context>
    <name>radio::gui::CNavTreeBar</name>
    <message>
        <source>Navigation</source>
        <translation>Navigation</translation>
    </message>
</context>
<context>
    <name>radio::gui::COptionalFeaturesDlg</name>
    <message>
        <source>Optional Features</source>
        <translation>Optional Features</translation>
    </message>
    <message>
        <source>Time-Out Timer</source>
        <translation>Time-Out Timer</translation>
    </message>
    <message>
        <source>TOT Pre-Alert</source>
        <translation>TOT Pre-Alert</translation>
    </message>
    <message>
        <source>Call Tone</source>
        <translation>Call Tone</translation>
    </message>
    <message>
        <source>Vox Gain Level</source>
        <translation>Vox Gain Level</translation>
    </message>
    <message>
        <source>Call Key Define</source>
        <translation>Call Key Define</translation>
    </message>
    <message>
        <source>Voice Annunciation</source>
        <translation>Voice Annunciation</translation>
    </message>
    <message>
        <source>Squelch Level</source>
        <translation>Squelch Level</translation>
    </message>
    <message>
        <source>Vox Delay Time</source>
        <translation>Vox Delay Time</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Beep</translation>
    </message>
    <message>
        <source>Battery Saver</source>
        <translation>Battery Saver</translation>
    </message>
</context>
<context>
    <name>radio::gui::CParamAdjustDlg</name>
    <message>
        <source>De-emphasis</source>
        <translation>De-emphasis</translation>
    </message>
    <message>
        <source>Pre-emphasis</source>
        <translation>Pre-emphasis</translation>
    </message>
    <message>
        <source>Param Adjust</source>
        <translation>Param Adjust</translation>
    </message>
    <message>
        <source>Compnad Off</source>
        <translation>Compnad Off</translation>
    </message>
    <message>
        <source>Compand On</source>
        <translation>Compand On</translation>
    </message>
</context>
<context>
    <name>radio::gui::CPasswordDlg</name>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
</context>
<context>
    <name>radio::gui::CPowerAdjustDlg</name>
    <message>
        <source>Power Adjustment</source>
        <translation>Power Adjustment</translation>
    </message>
    <message>
        <source>Low Power
(5-155)</source>
        <translation>Low Power
(5-155)</translation>
    </message>
    <message>
        <source>High Power
(100-250)</source>
        <translation>High Power
(100-250)</translation>
    </message>
</context>
<context>
    <name>radio::gui::CProcessDlg</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Blocks done</source>
        <translation>Blocks done</translation>
    </message>
</context>
<context>
    <name>radio::gui::CProductInfoDlg</name>
    <message>
        <source>Product Information</source>
        <translation>Product Information</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Setting</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>Keep this band?</source>
        <translation>Keep this band?</translation>
    </message>
</context>
<context>
    <name>radio::gui::CProgramApp</name>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Program Document (*.dat)</source>
        <translation>Program Document (*.dat)</translation>
    </message>
</context>
<context>
    <name>radio::gui::CProgramView</name>
    <message>
        <source>Channels</source>
        <translation>Channels</translation>
    </message>
</context>
<context>
    <name>radio::gui::CScanInfoDlg</name>
    <message>
        <source>Scan Infomation</source>
        <translation>Scan Infomation</translation>
    </message>
    <message>
        <source>None</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>Fixed</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>Selected</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Priority</translation>
    </message>
    <message>
        <source>Priority Channel</source>
        <translation>Priority Channel</translation>
    </message>
    <message>
        <source>Look Back Time A</source>
        <translation>Look Back Time A</translation>
    </message>
    <message>
        <source>Look Back Time B</source>
        <translation>Look Back Time B</translation>
    </message>
    <message>
        <source>Revert Channel</source>
        <translation>Revert Channel</translation>
    </message>
    <message>
        <source>Dropout Delay Time</source>
        <translation>Dropout Delay Time</translation>
    </message>
    <message>
        <source>Tx Dwell Time</source>
        <translation>Tx Dwell Time</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Please enter an integer.</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>Please enter a number.</translation>
    </message>
</context>
<context>
    <name>radio::gui::ChannelDelegate</name>
    <message>
        <source>%1, channel %2</source>
        <translation>%1, channel %2</translation>
    </message>
</context>
<context>
    <name>radio::gui::ChannelTableModel</name>
    <message>
        <source>Edit %1 Channels %2</source>
        <translation>Edit %1 Channels %2</translation>
    </message>
    <message>
        <source>Edit Channel %1 %2</source>
        <translation>Edit Channel %1 %2</translation>
    </message>
</context>
<context>
    <name>radio::gui::RadioLink</name>
    <message>
        <source>A transfer with the radio is running. Stop it?</source>
        <translation>A transfer with the radio is running. Stop it?</translation>
    </message>
    <message>
        <source>Compare With Radio</source>
        <translation>Compare With Radio</translation>
    </message>
    <message>
        <source>Read From Radio</source>
        <translation>Read From Radio</translation>
    </message>
    <message>
        <source>Write to the radio anyway?</source>
        <translation>Write to the radio anyway?</translation>
    </message>
</context>
<context>
    <name>radio::gui::ReportPrinting</name>
    <message>
        <source>Export PDF</source>
        <translation>Export PDF</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF Files (*.pdf)</translation>
    </message>
</context>
<context>
    <name>radio::gui::WindowMenu</name>
    <message>
        <source>&amp;Next Window</source>
        <translation>&amp;Next Window</translation>
    </message>
    <message>
        <source>&amp;Previous Window</source>
        <translation>&amp;Previous Window</translation>
    </message>
    <message>
        <source>Switch &amp;Pane</source>
        <translation>Switch &amp;Pane</translation>
    </message>
    <message>
        <source>%1 (hidden)</source>
        <translation>%1 (hidden)</translation>
    </message>
</context>
</TS>