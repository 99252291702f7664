#include "core/channels/BandText.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "core/util/CRuntimeText.h"

namespace radio {

namespace {

std::int32_t megahertz(std::string_view text) {
    const long long value = static_cast<long long>(leadingInt(text)) * kFrequencyPerMHz;
    return static_cast<std::int32_t>(std::clamp<long long>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

std::vector<std::string> splitBandList(std::string_view value) {
    std::vector<std::string> items;
    for (std::size_t bar = value.find('|'); bar != std::string_view::npos; bar = value.find('|')) {
        items.emplace_back(value.substr(0, bar));
        value.remove_prefix(bar + 1);
    }
    items.emplace_back(value);
    return items;
}

std::string bandItem(std::string_view value, int index) {
    const std::vector<std::string> items = splitBandList(value);
    const std::size_t last = items.size() - 1;
    return items[index < 0 ? 0 : std::min(static_cast<std::size_t>(index), last)];
}

BandLimits bandLimits(std::string_view bandText) {
    const std::int32_t lower = megahertz(bandText);
    const std::size_t dash = bandText.find('-');
    if (dash == std::string_view::npos) {
        return {lower, lower};
    }
    return {lower, megahertz(bandText.substr(dash + 1))};
}

std::string configuredBand(const IniFile& config, int typeIndex, int bandIndex) {
    return bandItem(config.get("Setup", "Field" + std::to_string(typeIndex + 1), ""), bandIndex);
}

}  // namespace radio
