#include "core/text/Texts.h"

#include <array>
#include <string>

#include "core/util/FileError.h"

namespace radio {

namespace {

struct Entry {
    TextId id;
    std::string_view english;
    std::string_view chinese;
};

// clang-format off
constexpr Entry kTexts[] = {
    {TextId::None, "None", "无"},
    {TextId::High, "High", "高"},
    {TextId::Low, "Low", "低"},
    {TextId::Yes, "Yes", "有"},
    {TextId::No, "No", "无"},
    {TextId::Off, "Off", "关"},
    {TextId::On, "On", "开"},
    {TextId::Carrier, "Carrier", "载波"},
    {TextId::QtDqt, "QT/DQT", "QT/DQT"},
    {TextId::Wide, "Wide", "宽"},
    {TextId::Narrow, "Narrow", "窄"},

    {TextId::HeaderChannel, "CH", "信道"},
    {TextId::HeaderRxFrequency, "Rx Frequency", "接收频率"},
    {TextId::HeaderTxFrequency, "Tx Frequency", "发射频率"},
    {TextId::HeaderDecode, "QT/DQT Dec", "QT/DQT解码"},
    {TextId::HeaderEncode, "QT/DQT Enc", "QT/DQT编码"},
    {TextId::HeaderPower, "Power", "功率"},
    {TextId::HeaderScanAdd, "Scan Add", "扫描添加"},
    {TextId::HeaderBusyLock, "Busy Lock", "繁忙锁定"},
    {TextId::HeaderWideNarrow, "W/N", "宽/窄"},
    {TextId::HeaderCompand, "Compand", "压扩"},
    {TextId::HeaderScrambler, "Scrambler", "扰频"},
    {TextId::InputOutOfRange, "Out of range,please input again.", "超出范围，请重新输入。"},
    {TextId::InputOffRaster, "Error data Value, please input according the step value(6.25K/5k).",
     "数据错误，请按步进值(6.25K/5K)输入。"},

    {TextId::TitleProgrammingSoftware, " Programming Software", " 写频软件"},
    {TextId::TitleType, "  [ Type:", "  [ 类型:"},
    {TextId::TitleBand, "  Fre:", "  频率:"},
    {TextId::TitleEnd, " ]", " ]"},
    {TextId::ChannelInformation, "Channel Information", "信道信息"},
    {TextId::ReadData, "Read Data", "读数据"},
    {TextId::WriteData, "Write Data", "写数据"},
    {TextId::LoadLanguageFailed, "Load language DLL fail", "加载语言链接库失败"},

    {TextId::ProductInformation, "Product Information", "类型设置"},
    {TextId::OptionalFeatures, "Optional Features", "可选功能"},

    {TextId::PasswordError, "Password Error", "密码错误"},
    {TextId::PasswordErrorCaption, "Error", "错误"},
    {TextId::PowerAdjustItem, "Power Adjust", "功率调节"},
    {TextId::ParamAdjustItem, "Param Adjust", "参数调节"},

    {TextId::VoiceChinese, "Chinese", "中文"},
    {TextId::VoiceEnglish, "English", "英文"},
    {TextId::CallKeyCall, "Call", "呼叫"},
    {TextId::CallKeyEmergencyAlert, "Emergency Alert", "紧急报警"},

    {TextId::SelectProgrammedChannel, "Please select channel inputed", "请选择已输入的信道"},
    {TextId::RevertSelected, "Selected", "选定"},
    {TextId::RevertSelectedTalkBack, "Selected+Talk back", "选定+当前通话"},
    {TextId::RevertPriority, "Priority", "优先"},
    {TextId::RevertPriorityTalkBack, "Priority+Talk back", "优先+当前通话"},

    {TextId::PowerLowHeader, "Low Power\n(5-155)", "低功率\n(5-155)"},
    {TextId::PowerHighHeader, "High Power\n(100-250)", "高功率\n(100-250)"},
    {TextId::ParamFormat, "|Compnad Off|Compand On", "|压扩关闭|压扩开启"},
    {TextId::ParamAudioInput, "Audio inpput", "音频输入"},
    {TextId::ParamAudioOutput, "Audio output", "音频输出"},
    {TextId::ParamMicOutput, "MIC output", "MIC输出"},
    {TextId::ParamModOutput, "MOD output", "MOD输出"},
    {TextId::ParamLimit, "Limit", "调制限幅(0-255)"},

    {TextId::PrintOption, "Option", "可选功能"},
    {TextId::PrintFunction, "Function", "功能"},
    {TextId::PrintTimeOutTimer, "Time Out Timer:", "超时定时器:"},
    {TextId::PrintTotPreAlert, "TOT Pre-Alert:", "超时定时器预警:"},
    {TextId::PrintSquelchLevel, "Sequelch Level:", "静噪电平:"},
    {TextId::PrintBeep, "Beep:", "提示音:"},
    {TextId::PrintVoxGainLevel, "Vox Gain Level:", "声控增益电平:"},
    {TextId::PrintVoxDelayTime, "Vox Delay Time:", "声控延时时间:"},
    {TextId::PrintCallTone, "Call Tone:", "呼叫铃音:"},
    {TextId::PrintBatterySaver, "Battery Saver:", "电池省电:"},
    {TextId::PrintVoiceAnnunciation, "Voice Annunciation:", "语音报号:"},
    {TextId::PrintVoxFunction, "VOX Function:", "声控功能:"},
    {TextId::PrintScanFunction, "Scan Function:", "扫描功能:"},
    {TextId::PrintChinese, "Chinese", "中文"},
    {TextId::PrintEnglish, "English", "英文"},
    {TextId::PrintChannel, "Channel", "信道"},
    {TextId::PrintChannelNumber, "Channel %1:", "信道%1:"},
    {TextId::PrintReceiveFrequency, "Receive Frequency:", "接收频率:"},
    {TextId::PrintTransmitFrequency, "Transceive Frequency:", "发射频率:"},
    {TextId::PrintDecode, "QT/DQT Decode:", "QT/DQT解码:"},
    {TextId::PrintEncode, "QT/DQT Encode:", "QT/DQT编码:"},
    {TextId::PrintPower, "Power:", "功率:"},
    {TextId::PrintScan, "Scan:", "扫描开关:"},
    {TextId::PrintChannelLock, "Channel Lock:", "信道锁定:"},
    {TextId::PrintWideNarrow, "W/N:", "宽/窄:"},
    {TextId::PrintPageOf, "Page %1 of %2", "Page %1 of %2"},
    {TextId::PrintFailed, "The report could not be printed.", "无法打印报表。"},

    {TextId::FileNotFound, "The file \"%1\" does not exist.", "文件“%1”不存在。"},
    {TextId::FileIsDirectory, "\"%1\" is a folder, not a file.", "“%1”是文件夹，不是文件。"},
    {TextId::FileUnreadable, "The file \"%1\" cannot be read: %2.", "无法读取文件“%1”：%2。"},
    {TextId::FileEmpty, "The file \"%1\" is empty; a data file holds %4 bytes.",
     "文件“%1”是空的；数据文件应有 %4 字节。"},
    {TextId::FileTooShort, "The file \"%1\" holds only %3 bytes; a data file holds %4 bytes.",
     "文件“%1”只有 %3 字节；数据文件应有 %4 字节。"},
    {TextId::FileTooLarge,
     "The file \"%1\" is larger than %4 bytes (1 MiB); a channel list is a few kilobytes.",
     "文件“%1”超过 %4 字节（1 MiB）；信道列表只有几 KB。"},
    {TextId::FileNotRegular, "\"%1\" is not a regular file.", "“%1”不是普通文件。"},
    {TextId::FileReadOnly, "The file \"%1\" is read-only; it was not changed.",
     "文件“%1”是只读的，未作更改。"},
    {TextId::FileNotWritable, "The file \"%1\" cannot be written: %2.", "无法写入文件“%1”：%2。"},
    {TextId::FileNotReplaced, "The file \"%1\" cannot be replaced: %2.", "无法替换文件“%1”：%2。"},
    {TextId::FileOldUnchanged, " The old file is unchanged.", "原文件未改变。"},
    {TextId::FileNothingWritten, " Nothing was written.", "未写入任何内容。"},

    {TextId::PortNotOpened,
     "Could not Open the Port,Please check whether the Port are occupied or the device are ok",
     "无法打开端口，请检查端口是否被占用或设备是否正常"},
    {TextId::CommunicationError,
     "Communication Error,Please check all the connections and the radio power",
     "通讯错误，请检查所有连接和对讲机电源"},
    {TextId::ProgramInterrupt, "Program Interrupt, Please reset the radio and try again",
     "写频中断，请重启对讲机后再试"},
    {TextId::TransferCancelled, "The transfer was cancelled.", "传输已取消。"},
    {TextId::NoAnswerAfterWrite, "the radio did not answer after the write.",
     "写入后对讲机没有应答。"},
    {TextId::InterruptedWrite,
     "%1 of %2 blocks were written: the radio now holds part of the new settings. Write it "
     "again before using it.",
     "已写入 %2 块中的 %1 块：对讲机现在只有部分新设置。使用前请重新写入。"},
    {TextId::PortPermissionDenied,
     "You may not open %1: it belongs to the group %2. Join it with "
     "\"sudo usermod -aG %2 $USER\", then log in again.",
     "无权打开 %1：它属于用户组 %2。请执行“sudo usermod -aG %2 $USER”加入该组，然后重新登录。"},
    {TextId::PortBusy, "%1 is in use by another program.", "%1 正被其他程序占用。"},
    {TextId::PortMissing, "%1 does not exist. Serial devices found: %2.",
     "%1 不存在。找到的串口设备：%2。"},
    {TextId::PortMissingNoneFound, "%1 does not exist, and no serial device was found.",
     "%1 不存在，也没有找到任何串口设备。"},

    {TextId::VerifyData, "Verify Data", "校验数据"},
    {TextId::WriteVerified, "Write completed and verified", "写入完成并已校验"},
    {TextId::VerifyDiffers,
     "Write completed, but the check found blocks in the radio that differ from the data (%1):",
     "写入已完成，但校验发现对讲机中的数据块与数据不一致（%1 个）："},
    {TextId::VerifyBlock, "  0x%1, %2 bytes: %3", "  0x%1，%2 字节：%3"},
    {TextId::VerifyFailed,
     "Write completed, but the check could not read the radio back: %1",
     "写入已完成，但校验时无法读回对讲机数据：%1"},
    {TextId::VerifyCancelled, "Write completed; the check was cancelled.",
     "写入已完成；校验已取消。"},

    {TextId::RegionRow0, "row 0", "第0行"},
    {TextId::RegionChannel, "channel %1", "信道%1"},
    {TextId::RegionOptionalFeatures, "optional features", "可选功能"},
    {TextId::RegionScanInformation, "scan information", "扫描信息"},
    {TextId::RegionScanAdd, "scan add", "扫描添加"},
    {TextId::RegionIdentification, "identification", "识别码"},
    {TextId::RegionWriteProtected, "write-protected area", "写保护区"},
    {TextId::RegionFunctionSwitches, "function switches", "功能开关"},
    {TextId::RegionParamAdjust, "param adjustment", "参数调节"},
    {TextId::RegionProductInformation, "product information", "类型设置"},
    {TextId::RegionPowerAdjust, "power adjustment", "功率调节"},
    {TextId::RegionUnused, "unused bytes", "未使用区域"},

    {TextId::DiffTimeOutTimer, "Time-Out Timer", "发射限时"},
    {TextId::DiffTotPreAlert, "TOT Pre-Alert", "限时预警"},
    {TextId::DiffSquelchLevel, "Squelch Level", "静噪等级"},
    {TextId::DiffVoxGainLevel, "Vox Gain Level", "声控灵敏度"},
    {TextId::DiffCallTone, "Call Tone", "呼叫音"},
    {TextId::DiffVoxDelayTime, "Vox Delay Time", "声控延时"},
    {TextId::DiffVoiceAnnunciation, "Voice Annunciation", "语音提示"},
    {TextId::DiffCallKeyDefine, "Call Key Define", "呼叫键定义"},
    {TextId::DiffBeep, "Beep", "按键音"},
    {TextId::DiffBatterySaver, "Battery Saver", "省电"},
    {TextId::DiffVoxFunction, "VOX Function", "声控功能"},
    {TextId::DiffScanFunction, "Scan Function", "扫描功能"},
    {TextId::DiffPriority, "Priority", "优先"},
    {TextId::DiffPriorityChannel, "Priority Channel", "优先信道"},
    {TextId::DiffLookBackA, "Look Back Time A", "回看时间 A"},
    {TextId::DiffLookBackB, "Look Back Time B", "回看时间 B"},
    {TextId::DiffRevertChannel, "Revert Channel", "回复信道"},
    {TextId::DiffDropoutDelay, "Dropout Delay Time", "掉线延时"},
    {TextId::DiffTxDwell, "Tx Dwell Time", "发射停留时间"},
    {TextId::DiffPriorityNone, "None", "无"},
    {TextId::DiffPriorityFixed, "Fixed", "固定"},
    {TextId::DiffPrioritySelected, "Selected", "选定"},
    {TextId::DiffRadioType, "Radio type (list index)", "机型（列表序号）"},
    {TextId::DiffBand, "Band (list index)", "频段（列表序号）"},
    {TextId::DiffPowerAdjustment, "Power Adjustment", "功率调节"},
    {TextId::DiffRow, "row %1", "第%1行"},
    {TextId::DiffLowPower, "Low Power", "低功率"},
    {TextId::DiffHighPower, "High Power", "高功率"},
    {TextId::DiffParamAdjust, "Param Adjust", "参数调节"},
    {TextId::DiffCompandOff, "Compnad Off", "压扩关闭"},
    {TextId::DiffCompandOn, "Compand On", "压扩开启"},
    {TextId::DiffDeEmphasis, "De-emphasis", "去加重"},
    {TextId::DiffPreEmphasis, "Pre-emphasis", "预加重"},
    {TextId::DiffNoEntry, "(no entry)", "（无选项）"},
    {TextId::DiffBytes, "bytes %1", "字节 %1"},
    {TextId::NoDifferences, "No differences", "无差异"},

    {TextId::ChannelOutsideBand, "Channel %1 lies outside the band %2 MHz.",
     "信道 %1 不在频段 %2 MHz 内。"},
    {TextId::ChannelsOutsideBand, "Channels %1 lie outside the band %2 MHz.",
     "信道 %1 不在频段 %2 MHz 内。"},
    {TextId::ChannelListSeparator, ", ", "、"},
};
// clang-format on

constexpr auto kTable = [] {
    std::array<Entry, static_cast<std::size_t>(TextId::Count_)> table{};
    for (const Entry& entry : kTexts) {
        table[static_cast<std::size_t>(entry.id)] = entry;
    }
    return table;
}();

constexpr bool everyTextPresent() {
    for (std::size_t i = 0; i < kTable.size(); ++i) {
        if (kTable[i].english.empty() || static_cast<std::size_t>(kTable[i].id) != i) {
            return false;
        }
    }
    return true;
}
static_assert(everyTextPresent(), "every TextId needs its English and Chinese text");

}  // namespace

std::string_view text(TextId id, Language language) {
    const Entry& entry = kTable.at(static_cast<std::size_t>(id));
    return language == Language::Chinese ? entry.chinese : entry.english;
}

std::string fillText(std::string_view pattern, std::initializer_list<std::string_view> args) {
    std::string result;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        std::size_t index = static_cast<std::size_t>(next - '1');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && index < args.size()) {
            result += *(args.begin() + index);
            ++i;
        } else {
            result += pattern[i];
        }
    }
    return result;
}

std::string FileError::message(Language language) const {
    TextId id = TextId::FileUnreadable;
    switch (kind) {
        case Kind::NotFound:
            id = TextId::FileNotFound;
            break;
        case Kind::IsDirectory:
            id = TextId::FileIsDirectory;
            break;
        case Kind::NotRegular:
            id = TextId::FileNotRegular;
            break;
        case Kind::Unreadable:
            id = TextId::FileUnreadable;
            break;
        case Kind::Empty:
            id = TextId::FileEmpty;
            break;
        case Kind::TooShort:
            id = TextId::FileTooShort;
            break;
        case Kind::TooLarge:
            id = TextId::FileTooLarge;
            break;
        case Kind::ReadOnly:
            id = TextId::FileReadOnly;
            break;
        case Kind::NotWritable:
            id = TextId::FileNotWritable;
            break;
        case Kind::NotReplaced:
            id = TextId::FileNotReplaced;
            break;
    }
    std::string message = fillText(text(id, language),
                                   {path, reason, std::to_string(size), std::to_string(expected)});
    if (kind == Kind::NotWritable || kind == Kind::NotReplaced) {
        message += text(existed ? TextId::FileOldUnchanged : TextId::FileNothingWritten, language);
    }
    return message;
}

}  // namespace radio
