#include "core/channels/ChannelFields.h"

#include <initializer_list>

#include "core/channels/ToneTable.h"
#include "core/text/Texts.h"

namespace radio {

namespace {

constexpr int kScramblerCount = 8;

std::vector<std::string> texts(std::initializer_list<TextId> ids, Language language) {
    std::vector<std::string> list;
    for (TextId id : ids) {
        list.emplace_back(text(id, language));
    }
    return list;
}

}  // namespace

std::vector<std::string> fieldChoices(ChannelField field, Language language) {
    switch (field) {
        case ChannelField::RxFrequency:
        case ChannelField::TxFrequency:
            return {};
        case ChannelField::DecodeTone:
        case ChannelField::EncodeTone:
            return toneList(language);
        case ChannelField::Power:
            return texts({TextId::High, TextId::Low}, language);
        case ChannelField::ScanAdd:
            return texts({TextId::Yes, TextId::No}, language);
        case ChannelField::BusyLock:
            return texts({TextId::Off, TextId::Carrier, TextId::QtDqt}, language);
        case ChannelField::WideNarrow:
            return texts({TextId::Wide, TextId::Narrow}, language);
        case ChannelField::Compand:
            return texts({TextId::On, TextId::Off}, language);
        case ChannelField::Scrambler: {
            std::vector<std::string> list = texts({TextId::Off}, language);
            for (int number = 1; number <= kScramblerCount; ++number) {
                list.push_back(std::to_string(number));
            }
            return list;
        }
    }
    return {};
}

std::string_view fieldHeader(ChannelField field, Language language) {
    // In field order, as the grid's columns stand.
    constexpr std::array<TextId, kChannelFieldCount> kHeaders = {
        TextId::HeaderRxFrequency, TextId::HeaderTxFrequency, TextId::HeaderDecode,
        TextId::HeaderEncode,      TextId::HeaderPower,       TextId::HeaderScanAdd,
        TextId::HeaderBusyLock,    TextId::HeaderWideNarrow,  TextId::HeaderCompand,
        TextId::HeaderScrambler,
    };
    return text(kHeaders[fieldIndex(field)], language);
}

ChannelRow newChannelDefaults(std::string frequencyText, Language language) {
    const auto value = [language](TextId id) { return std::string(text(id, language)); };
    return {frequencyText,       frequencyText,     value(TextId::None), value(TextId::None),
            value(TextId::High), value(TextId::No), value(TextId::Off),  value(TextId::Wide),
            value(TextId::Off),  value(TextId::Off)};
}

}  // namespace radio
