// Channel list files from anywhere: whatever the bytes, reading one never fails but with
// problems to list, and a list that was taken exports to a file that imports back onto its
// own result without changing a byte, in either mode.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/channels/ChannelCodec.h"
#include "core/channels/ChannelCsv.h"
#include "core/image/NewImage.h"

namespace {

using namespace radio;

constexpr BandLimits kBand{40000000, 48000000};

void require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

MemoryImage baseImage() {
    MemoryImage image = newDocumentImage();
    encodeChannel(image, 1, newChannelDefaults("401.00000", Language::English));
    encodeChannel(image, 9, newChannelDefaults("446.00625", Language::English));
    return image;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const MemoryImage base = baseImage();
    const std::string_view csv(reinterpret_cast<const char*>(data), size);
    for (const ImportMode mode : {ImportMode::Replace, ImportMode::Merge}) {
        const auto imported = importChannelsCsv(csv, base, kBand, mode);
        if (!imported) {
            require(!imported.error().empty());
            require(!describeProblems(imported.error(), Language::Chinese).empty());
            continue;
        }
        const std::string exported = exportChannelsCsv(imported.value());
        for (const ImportMode again : {ImportMode::Replace, ImportMode::Merge}) {
            const auto back = importChannelsCsv(exported, imported.value(), kBand, again);
            require(back && back.value() == imported.value());
        }
        const auto table = importChannelsCsv(csv, decodeChannels(base, Language::Chinese), kBand,
                                             mode, Language::Chinese);
        require(static_cast<bool>(table));
    }
    return 0;
}
