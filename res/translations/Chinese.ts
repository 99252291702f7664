<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>ChannelEditing</name>
    <message>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Insert Channel</source>
        <translation>插入信道</translation>
    </message>
    <message>
        <source>There is no room to insert a channel: channel 16 is in use. Delete a channel first.</source>
        <translation>没有空位插入信道：信道 16 已在使用。请先删除一个信道。</translation>
    </message>
    <message>
        <source>Delete Channel</source>
        <translation>删除信道</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>下移</translation>
    </message>
</context>
<context>
    <name>ChannelListFiles</name>
    <message>
        <source>Export Channels</source>
        <translation>导出信道</translation>
    </message>
    <message>
        <source>Channel Lists (*.csv)</source>
        <translation>信道表 (*.csv)</translation>
    </message>
    <message>
        <source>Import Channels</source>
        <translation>导入信道</translation>
    </message>
    <message>
        <source>%1 was not imported:</source>
        <translation>%1 未导入：</translation>
    </message>
</context>
<context>
    <name>SettingsPage</name>
    <message>
        <source>Edit %1</source>
        <translation>编辑%1</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Out of range,please input again.</source>
        <translation>超出范围，请重新输入。</translation>
    </message>
    <message>
        <source>Communication Error,Please check all the connections and the radio power</source>
        <translation>通讯错误，请检查所有连接和对讲机电源</translation>
    </message>
    <message>
        <source>All data will be Cleared!</source>
        <translation>所有数据将被清除！</translation>
    </message>
    <message>
        <source>Could not Open the Port,Please check whether the Port are occupied or the device are ok</source>
        <translation>无法打开端口，请检查端口是否被占用或设备是否正常</translation>
    </message>
    <message>
        <source>Program Interrupt, Please reset the radio and try again</source>
        <translation>写频中断，请重启对讲机后再试</translation>
    </message>
    <message>
        <source>Error data Value, please input according the step value(6.25K/5k).</source>
        <translation>数据错误，请按步进值(6.25K/5K)输入。</translation>
    </message>
    <message>
        <source>Caution</source>
        <translation>注意</translation>
    </message>
</context>
<context>
    <name>radio::gui::AdjustTable</name>
    <message>
        <source>%1, %2</source>
        <comment>an in-cell editor&apos;s name: column, row</comment>
        <translation>%1，%2</translation>
    </message>
</context>
<context>
    <name>radio::gui::CComSetupDlg</name>
    <message>
        <source>COM Setup</source>
        <translation>串口设置</translation>
    </message>
    <message>
        <source>COM</source>
        <translation>串口</translation>
    </message>
    <message>
        <source>Serial devices found:</source>
        <translation>找到的串口设备：</translation>
    </message>
    <message>
        <source>No serial device was found.</source>
        <translation>没有找到串口设备。</translation>
    </message>
</context>
<context>
    <name>radio::gui::CCompareDlg</name>
    <message>
        <source>Compare With Radio</source>
        <translation>与对讲机比较</translation>
    </message>
    <message>
        <source>Each line: the open document | the radio</source>
        <translation>每行：打开的文档 | 对讲机</translation>
    </message>
</context>
<context>
    <name>radio::gui::CLanguageDlg</name>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>中文</translation>
    </message>
</context>
<context>
    <name>radio::gui::CMainFrame</name>
    <message>
        <source>Create a new document
New</source>
        <translation>新建文档
新建</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>打开已有文档
打开</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>Close the active document
Close</source>
        <translation>关闭当前文档
关闭</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>保存当前文档
保存</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>另存为(&amp;A)...</translation>
    </message>
    <message>
        <source>Save the active document with a new name
Save As</source>
        <translation>以新文件名保存当前文档
另存为</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>打印当前文档
打印</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>打印预览(&amp;V)</translation>
    </message>
    <message>
        <source>Display full pages
Print Preview</source>
        <translation>显示整页
打印预览</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>打印设置(&amp;R)...</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>更改打印机和打印选项
打印设置</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>退出程序；提示保存文档
退出</translation>
    </message>
    <message>
        <source>&amp;Product Information</source>
        <translation>类型设置(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Channel Information</source>
        <translation>信道信息(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Optional Features</source>
        <translation>可选功能(&amp;O)</translation>
    </message>
    <message>
        <source>Read Data From Radio
Read</source>
        <translation>从对讲机读取数据
读频</translation>
    </message>
    <message>
        <source>Write Data To Radio
Write</source>
        <translation>向对讲机写入数据
写频</translation>
    </message>
    <message>
        <source>Scan Info</source>
        <translation>扫描信息</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>工具栏(&amp;T)</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>显示或隐藏工具栏
切换工具栏</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>状态栏(&amp;S)</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>显示或隐藏状态栏
切换状态栏</translation>
    </message>
    <message>
        <source>&amp;Control Bar</source>
        <translation>导航栏(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Com Setup</source>
        <translation>串口设置(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>语言(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;About Program...</source>
        <translation>关于程序(&amp;A)...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>显示程序信息、版本号和版权
关于</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Program</source>
        <translation>编程(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>查看(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>设置(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>工具栏</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>就绪</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>另存为</translation>
    </message>
    <message>
        <source>Program Document (*.dat)</source>
        <translation>写频数据文件 (*.dat)</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>保存对 %1 的修改吗？</translation>
    </message>
    <message>
        <source>No document is open.</source>
        <translation>没有打开的文档。</translation>
    </message>
    <message>
        <source>Save the report as a PDF file
Export PDF</source>
        <translation>将报表保存为 PDF 文件
导出 PDF</translation>
    </message>
    <message>
        <source>Save the channel table as a CSV file
Export Channels</source>
        <translation>将信道表保存为 CSV 文件
导出信道</translation>
    </message>
    <message>
        <source>Fill the channel table from a CSV file
Import Channels</source>
        <translation>从 CSV 文件填入信道表
导入信道</translation>
    </message>
    <message>
        <source>The file %1 no longer exists.</source>
        <translation>文件 %1 已不存在。</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>恢复(&amp;R)</translation>
    </message>
    <message>
        <source>Compare With Radio</source>
        <translation>与对讲机比较</translation>
    </message>
    <message>
        <source>Verify After Write</source>
        <translation>写入后校验</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>撤销%1(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>恢复%1(&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>剪切(&amp;T)</translation>
    </message>
    <message>
        <source>Cut the selected channels or cells
Cut</source>
        <translation>剪切选中的信道或单元格
剪切</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>Copy the selected channels or cells
Copy</source>
        <translation>复制选中的信道或单元格
复制</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>粘贴(&amp;P)</translation>
    </message>
    <message>
        <source>Paste channels or cells at the current cell
Paste</source>
        <translation>在当前单元格粘贴信道或单元格
粘贴</translation>
    </message>
    <message>
        <source>Cle&amp;ar</source>
        <translation>清除(&amp;A)</translation>
    </message>
    <message>
        <source>Empty the selected channels or cells
Clear</source>
        <translation>清空选中的信道或单元格
清除</translation>
    </message>
    <message>
        <source>&amp;Insert Channel</source>
        <translation>插入信道(&amp;I)</translation>
    </message>
    <message>
        <source>Move the selected channel and those below it down by one
Insert Channel</source>
        <translation>将选中的信道及其下方的信道下移一位
插入信道</translation>
    </message>
    <message>
        <source>&amp;Delete Channel</source>
        <translation>删除信道(&amp;D)</translation>
    </message>
    <message>
        <source>Remove the selected channels; those below move up
Delete Channel</source>
        <translation>删除选中的信道，下方的信道上移
删除信道</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>上移(&amp;U)</translation>
    </message>
    <message>
        <source>Move the selected channels up by one
Move Up</source>
        <translation>将选中的信道上移一位
上移</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>下移(&amp;W)</translation>
    </message>
    <message>
        <source>Move the selected channels down by one
Move Down</source>
        <translation>将选中的信道下移一位
下移</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新建(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>打开(&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>打印(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>读频(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>写频(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>窗口(&amp;W)</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态栏</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>文档</translation>
    </message>
    <message>
        <source>Export P&amp;DF...</source>
        <translation>导出 PDF(&amp;D)...</translation>
    </message>
    <message>
        <source>Export C&amp;hannels...</source>
        <translation>导出信道(&amp;H)...</translation>
    </message>
    <message>
        <source>&amp;Import Channels...</source>
        <translation>导入信道(&amp;I)...</translation>
    </message>
</context>
<context>
    <name>radio::gui::CNavTreeBar</name>
    <message>
        <source>Navigation</source>
        <translation>导航</translation>
    </message>
</context>
<context>
    <name>radio::gui::COptionalFeaturesDlg</name>
    <message>
        <source>Optional Features</source>
        <translation>可选功能</translation>
    </message>
    <message>
        <source>Time-Out Timer</source>
        <translation>发射限时</translation>
    </message>
    <message>
        <source>TOT Pre-Alert</source>
        <translation>限时预警</translation>
    </message>
    <message>
        <source>Call Tone</source>
        <translation>呼叫音</translation>
    </message>
    <message>
        <source>Vox Gain Level</source>
        <translation>声控灵敏度</translation>
    </message>
    <message>
        <source>Call Key Define</source>
        <translation>呼叫键定义</translation>
    </message>
    <message>
        <source>Voice Annunciation</source>
        <translation>语音提示</translation>
    </message>
    <message>
        <source>Squelch Level</source>
        <translation>静噪等级</translation>
    </message>
    <message>
        <source>Vox Delay Time</source>
        <translation>声控延时</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>按键音</translation>
    </message>
    <message>
        <source>Battery Saver</source>
        <translation>省电</translation>
    </message>
</context>
<context>
    <name>radio::gui::CParamAdjustDlg</name>
    <message>
        <source>De-emphasis</source>
        <translation>去加重</translation>
    </message>
    <message>
        <source>Pre-emphasis</source>
        <translation>预加重</translation>
    </message>
    <message>
        <source>Param Adjust</source>
        <translation>参数调节</translation>
    </message>
    <message>
        <source>Compnad Off</source>
        <translation>压扩关闭</translation>
    </message>
    <message>
        <source>Compand On</source>
        <translation>压扩开启</translation>
    </message>
</context>
<context>
    <name>radio::gui::CPasswordDlg</name>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
</context>
<context>
    <name>radio::gui::CPowerAdjustDlg</name>
    <message>
        <source>Power Adjustment</source>
        <translation>功率调节</translation>
    </message>
    <message>
        <source>Low Power
(5-155)</source>
        <translation>低功率
(5-155)</translation>
    </message>
    <message>
        <source>High Power
(100-250)</source>
        <translation>高功率
(100-250)</translation>
    </message>
</context>
<context>
    <name>radio::gui::CProcessDlg</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Blocks done</source>
        <translation>已完成的块</translation>
    </message>
</context>
<context>
    <name>radio::gui::CProductInfoDlg</name>
    <message>
        <source>Product Information</source>
        <translation>产品信息</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>机型</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>频段</translation>
    </message>
    <message>
        <source>Keep this band?</source>
        <translation>保留此频段吗？</translation>
    </message>
</context>
<context>
    <name>radio::gui::CProgramApp</name>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Program Document (*.dat)</source>
        <translation>写频数据文件 (*.dat)</translation>
    </message>
</context>
<context>
    <name>radio::gui::CProgramView</name>
    <message>
        <source>Channels</source>
        <translation>信道</translation>
    </message>
</context>
<context>
    <name>radio::gui::CScanInfoDlg</name>
    <message>
        <source>Scan Infomation</source>
        <translation>扫描信息</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>固定</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>选定</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>优先</translation>
    </message>
    <message>
        <source>Priority Channel</source>
        <translation>优先信道</translation>
    </message>
    <message>
        <source>Look Back Time A</source>
        <translation>回看时间 A</translation>
    </message>
    <message>
        <source>Look Back Time B</source>
        <translation>回看时间 B</translation>
    </message>
    <message>
        <source>Revert Channel</source>
        <translation>回复信道</translation>
    </message>
    <message>
        <source>Dropout Delay Time</source>
        <translation>掉线延时</translation>
    </message>
    <message>
        <source>Tx Dwell Time</source>
        <translation>发射停留时间</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>请输入一个整数。</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>请输入一个数字。</translation>
    </message>
</context>
<context>
    <name>radio::gui::ChannelDelegate</name>
    <message>
        <source>%1, channel %2</source>
        <translation>%1，信道 %2</translation>
    </message>
</context>
<context>
    <name>radio::gui::ChannelTableModel</name>
    <message>
        <source>Edit Channel %1 %2</source>
        <translation>编辑信道 %1 %2</translation>
    </message>
    <message>
        <source>Edit %1 Channels %2</source>
        <translation>编辑 %1 个信道 %2</translation>
    </message>
</context>
<context>
    <name>radio::gui::RadioLink</name>
    <message>
        <source>A transfer with the radio is running. Stop it?</source>
        <translation>正在与对讲机传输数据。要停止吗？</translation>
    </message>
    <message>
        <source>Compare With Radio</source>
        <translation>与对讲机比较</translation>
    </message>
    <message>
        <source>Read From Radio</source>
        <translation>从对讲机读取</translation>
    </message>
    <message>
        <source>Write to the radio anyway?</source>
        <translation>仍要写入对讲机吗？</translation>
    </message>
</context>
<context>
    <name>radio::gui::ReportPrinting</name>
    <message>
        <source>Export PDF</source>
        <translation>导出 PDF</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF 文件 (*.pdf)</translation>
    </message>
</context>
<context>
    <name>radio::gui::WindowMenu</name>
    <message>
        <source>&amp;Next Window</source>
        <translation>下一个窗口(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Previous Window</source>
        <translation>上一个窗口(&amp;P)</translation>
    </message>
    <message>
        <source>Switch &amp;Pane</source>
        <translation>切换窗格(&amp;P)</translation>
    </message>
    <message>
        <source>%1 (hidden)</source>
        <translation>%1（已隐藏）</translation>
    </message>
</context>
</TS>
