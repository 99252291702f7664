#include "core/image/ImageRegions.h"

#include <algorithm>

#include "core/image/ImageMap.h"
#include "core/text/Texts.h"

namespace radio {
namespace {

struct Region {
    std::size_t start;
    std::size_t end;
    TextId name;
};

// The areas a page or the program gives a meaning; every other byte is unused.
constexpr Region kRegions[] = {
    {map::kRow0, map::kChannelArea, TextId::RegionRow0},
    {303, 320, TextId::RegionOptionalFeatures},
    {map::kPriorityMode, map::kTxDwellTime + 2, TextId::RegionScanInformation},
    {map::kScanAddLow, map::kScanAddHigh + 1, TextId::RegionScanAdd},
    {map::kIdentification, map::kIdentification + map::kIdentificationSize,
     TextId::RegionIdentification},
    {map::kWriteProtected, map::kWriteProtectedEnd, TextId::RegionWriteProtected},
    {map::kFunctionSwitches, map::kFunctionSwitches + 1, TextId::RegionFunctionSwitches},
    {map::kParamAdjust, map::kParamAdjustEnd, TextId::RegionParamAdjust},
    {map::kRadioType, map::kBand + 1, TextId::RegionProductInformation},
    {map::kPowerTable, map::kPowerTableEnd, TextId::RegionPowerAdjust},
    {map::kCallTone, map::kCallTone + 1, TextId::RegionOptionalFeatures},
};

std::string regionName(std::size_t offset, Language language) {
    if (offset >= map::kChannelArea && offset < map::kChannelAreaEnd) {
        const int channel = static_cast<int>(offset / map::kChannelRecordSize);
        return fillText(text(TextId::RegionChannel, language), {std::to_string(channel)});
    }
    for (const Region& region : kRegions) {
        if (offset >= region.start && offset < region.end) {
            return std::string(text(region.name, language));
        }
    }
    return std::string(text(TextId::RegionUnused, language));
}

}  // namespace

std::string regionNames(const std::vector<std::size_t>& offsets, Language language) {
    std::vector<std::string> names;
    for (const std::size_t offset : offsets) {
        std::string name = regionName(offset, language);
        if (std::find(names.begin(), names.end(), name) == names.end()) {
            names.push_back(std::move(name));
        }
    }
    std::string joined;
    for (const std::string& name : names) {
        joined += (joined.empty() ? "" : ", ") + name;
    }
    return joined;
}

}  // namespace radio
