#include "core/settings/ProductInfo.h"

#include <cstdint>

#include "core/image/ImageMap.h"
#include "core/text/Texts.h"

namespace radio {

ProductInfoValues decodeProductInfo(const MemoryImage& image) {
    return {image[map::kRadioType], image[map::kBand]};
}

void encodeProductInfo(MemoryImage& image, const ProductInfoValues& values) {
    image.set(map::kRadioType, static_cast<std::uint8_t>(values.typeIndex & 0xFF));
    image.set(map::kBand, static_cast<std::uint8_t>(values.bandIndex & 0xFF));
}

std::string mainWindowTitle(TitleForm form, std::string_view appName, std::string_view typeName,
                            std::string_view bandText, Language language) {
    const Language pieces = form == TitleForm::ImageLoaded ? language : Language::English;
    std::string title(appName);
    if (form == TitleForm::ImageLoaded) {
        title += text(TextId::TitleProgrammingSoftware, pieces);
    }
    title += text(TextId::TitleType, pieces);
    title += typeName;
    title += text(TextId::TitleBand, pieces);
    title += bandText;
    title += text(TextId::TitleEnd, pieces);
    return title;
}

}  // namespace radio
