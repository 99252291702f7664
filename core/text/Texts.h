#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "core/text/Language.h"

namespace radio {

// Every text the program builds at run time, in English and Chinese (UTF-8).
// Texts of menus, dialogs and the message table are translated resources instead.
enum class TextId {
    // Channel field values
    None,
    High,
    Low,
    Yes,
    No,
    Off,
    On,
    Carrier,
    QtDqt,
    Wide,
    Narrow,
    // Channel grid headers
    HeaderChannel,
    HeaderRxFrequency,
    HeaderTxFrequency,
    HeaderDecode,
    HeaderEncode,
    HeaderPower,
    HeaderScanAdd,
    HeaderBusyLock,
    HeaderWideNarrow,
    HeaderCompand,
    HeaderScrambler,
    // Why the grid refuses a typed frequency
    InputOutOfRange,
    InputOffRaster,
    // Window titles and captions
    TitleProgrammingSoftware,
    TitleType,
    TitleBand,
    TitleEnd,
    ChannelInformation,
    ReadData,
    WriteData,
    LoadLanguageFailed,
    // Navigation tree
    ProductInformation,
    OptionalFeatures,
    // Access-code gate
    PasswordError,
    PasswordErrorCaption,
    PowerAdjustItem,
    ParamAdjustItem,
    // Optional Features list entries
    VoiceChinese,
    VoiceEnglish,
    CallKeyCall,
    CallKeyEmergencyAlert,
    // Scan Information
    SelectProgrammedChannel,
    RevertSelected,
    RevertSelectedTalkBack,
    RevertPriority,
    RevertPriorityTalkBack,
    // Service tables
    PowerLowHeader,
    PowerHighHeader,
    ParamFormat,
    ParamAudioInput,
    ParamAudioOutput,
    ParamMicOutput,
    ParamModOutput,
    ParamLimit,
    // Printed report
    PrintOption,
    PrintFunction,
    PrintTimeOutTimer,
    PrintTotPreAlert,
    PrintSquelchLevel,
    PrintBeep,
    PrintVoxGainLevel,
    PrintVoxDelayTime,
    PrintCallTone,
    PrintBatterySaver,
    PrintVoiceAnnunciation,
    PrintVoxFunction,
    PrintScanFunction,
    PrintChinese,
    PrintEnglish,
    PrintChannel,
    PrintChannelNumber,
    PrintReceiveFrequency,
    PrintTransmitFrequency,
    PrintDecode,
    PrintEncode,
    PrintPower,
    PrintScan,
    PrintChannelLock,
    PrintWideNarrow,
    PrintPageOf,
    PrintFailed,
    // File errors; %1 is the file name, %2 the system's reason, %3 and %4 sizes
    FileNotFound,
    FileIsDirectory,
    FileNotRegular,
    FileUnreadable,
    FileEmpty,
    FileTooShort,
    FileTooLarge,
    FileReadOnly,
    FileNotWritable,
    FileNotReplaced,
    FileOldUnchanged,
    FileNothingWritten,
    // Outcomes of a radio transfer
    PortNotOpened,
    CommunicationError,
    ProgramInterrupt,
    InterruptedWrite,  // %1 blocks written of %2
    NoAnswerAfterWrite,
    TransferCancelled,
    // Why a port could not be opened; %1 is the device, %2 its group or the devices found
    PortPermissionDenied,
    PortBusy,
    PortMissing,
    PortMissingNoneFound,
    // The check after a write; %1 a count or the program's own message, block lines
    // %1 address, %2 length, %3 what the block holds
    VerifyData,
    WriteVerified,
    VerifyDiffers,
    VerifyBlock,
    VerifyFailed,
    VerifyCancelled,
    // What a part of the image holds; %1 the channel number
    RegionRow0,
    RegionChannel,
    RegionOptionalFeatures,
    RegionScanInformation,
    RegionScanAdd,
    RegionIdentification,
    RegionWriteProtected,
    RegionFunctionSwitches,
    RegionParamAdjust,
    RegionProductInformation,
    RegionPowerAdjust,
    RegionUnused,
    // Names of the differences between two images; %1 a row number or a byte range
    DiffTimeOutTimer,
    DiffTotPreAlert,
    DiffSquelchLevel,
    DiffVoxGainLevel,
    DiffCallTone,
    DiffVoxDelayTime,
    DiffVoiceAnnunciation,
    DiffCallKeyDefine,
    DiffBeep,
    DiffBatterySaver,
    DiffVoxFunction,
    DiffScanFunction,
    DiffPriority,
    DiffPriorityChannel,
    DiffLookBackA,
    DiffLookBackB,
    DiffRevertChannel,
    DiffDropoutDelay,
    DiffTxDwell,
    DiffPriorityNone,
    DiffPriorityFixed,
    DiffPrioritySelected,
    DiffRadioType,
    DiffBand,
    DiffPowerAdjustment,
    DiffRow,
    DiffLowPower,
    DiffHighPower,
    DiffParamAdjust,
    DiffCompandOff,
    DiffCompandOn,
    DiffDeEmphasis,
    DiffPreEmphasis,
    DiffNoEntry,
    DiffBytes,
    NoDifferences,
    // Channels outside the band; %1 the channel numbers, %2 the band in MHz ("144-148")
    ChannelOutsideBand,
    ChannelsOutsideBand,
    ChannelListSeparator,
    Count_
};

std::string_view text(TextId id, Language language);

// Replaces %1, %2, ... in a table text.
std::string fillText(std::string_view pattern, std::initializer_list<std::string_view> args);

}  // namespace radio
