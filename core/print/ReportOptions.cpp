#include "core/print/ReportOptions.h"

#include "core/image/ImageMap.h"
#include "core/text/Texts.h"

namespace radio {

namespace {

std::string onOff(bool on, Language language) {
    return std::string(text(on ? TextId::On : TextId::Off, language));
}

std::string offOrNumber(int value, Language language) {
    return value == 0 ? std::string(text(TextId::Off, language)) : std::to_string(value);
}

std::string voxDelay(int index) {
    static const char* const kDelays[] = {"0.3", "0.5", "1.0", "1.5", "2.0"};
    return (index >= 0 && index < 5) ? kDelays[index] : "3.0";
}

std::string voice(int value, Language language) {
    if (value == 0) {
        return std::string(text(TextId::Off, language));
    }
    return std::string(text(value == 1 ? TextId::PrintChinese : TextId::PrintEnglish, language));
}

}  // namespace

std::vector<ReportOptionRow> reportOptionRows(const MemoryImage& image, Language language) {
    auto label = [language](TextId id) { return std::string(text(id, language)); };
    const int preAlert = image[map::kTotPreAlert] & 0x0F;
    const std::uint8_t switches = image[map::kFunctionSwitches];
    return {
        {5, label(TextId::PrintTimeOutTimer),
         std::to_string((image[map::kTimeOutTimer] & 0x3F) * 15) + "s"},
        {6, label(TextId::PrintTotPreAlert),
         preAlert == 1 ? label(TextId::Off) : std::to_string(preAlert - 1)},
        {7, label(TextId::PrintSquelchLevel), std::to_string(image[map::kSquelchLevel] & 0x0F)},
        {8, label(TextId::PrintBeep), onOff(image[map::kBeep] & 0x01, language)},
        {9, label(TextId::PrintVoxGainLevel),
         offOrNumber(image[map::kVoxGainLevel] & 0x1F, language)},
        {10, label(TextId::PrintVoxDelayTime), voxDelay(image[map::kVoxDelayTime] & 0x07)},
        {11, label(TextId::PrintCallTone), offOrNumber(image[map::kCallTone], language)},
        {12, label(TextId::PrintBatterySaver), onOff(image[map::kBatterySaver] & 0x01, language)},
        {13, label(TextId::PrintVoiceAnnunciation),
         voice(image[map::kVoiceAnnunciation] & 0x03, language)},
        {14, label(TextId::PrintVoxFunction), onOff(switches & 0x01, language)},
        {15, label(TextId::PrintScanFunction), onOff(switches & 0x02, language)},
    };
}

}  // namespace radio
