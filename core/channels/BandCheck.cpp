#include "core/channels/BandCheck.h"

#include <optional>

#include "core/channels/ChannelCodec.h"
#include "core/image/ImageMap.h"
#include "core/text/Texts.h"

namespace radio {

namespace {

bool outside(const std::optional<std::int32_t>& frequency, BandLimits band) {
    return frequency && (*frequency < band.lower || *frequency > band.upper);
}

// Band limits come from Program.ini's band texts, which give whole MHz ("144-148").
std::string mhzText(std::int32_t frequency) {
    return std::to_string(frequency / kFrequencyPerMHz);
}

}  // namespace

std::vector<int> channelsOutsideBand(const MemoryImage& image, BandLimits band) {
    std::vector<int> channels;
    for (int channel = 1; channel <= map::kChannelCount; ++channel) {
        const ChannelFrequencies frequencies = channelFrequencies(image, channel);
        if (outside(frequencies.rx, band) || outside(frequencies.tx, band)) {
            channels.push_back(channel);
        }
    }
    return channels;
}

std::string outsideBandMessage(const std::vector<int>& channels, BandLimits band,
                               Language language) {
    std::string list;
    for (const int channel : channels) {
        if (!list.empty()) {
            list += text(TextId::ChannelListSeparator, language);
        }
        list += std::to_string(channel);
    }
    const TextId pattern =
        channels.size() == 1 ? TextId::ChannelOutsideBand : TextId::ChannelsOutsideBand;
    return fillText(text(pattern, language),
                    {list, mhzText(band.lower) + "-" + mhzText(band.upper)});
}

}  // namespace radio
