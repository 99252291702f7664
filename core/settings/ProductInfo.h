#pragma once

#include <string>
#include <string_view>

#include "core/image/MemoryImage.h"
#include "core/text/Language.h"

namespace radio {

// The radio type and its band as list indexes (0-based) into Program.ini's lists.
struct ProductInfoValues {
    int typeIndex = 0;
    int bandIndex = 0;
    friend bool operator==(const ProductInfoValues&, const ProductInfoValues&) = default;
};

// The stored bytes as they are: 0xFF (no selection when stored) reads as 255.
ProductInfoValues decodeProductInfo(const MemoryImage& image);
// Stores the low 8 bits of each index, so no selection (-1) stores 0xFF.
void encodeProductInfo(MemoryImage& image, const ProductInfoValues& values);

// The main window's title has two forms. Loading an image names the program in the interface
// language; OK on the Product Information page puts the English pieces right after the name.
enum class TitleForm { ImageLoaded, ProductChosen };

// All texts UTF-8; the result too.
std::string mainWindowTitle(TitleForm form, std::string_view appName, std::string_view typeName,
                            std::string_view bandText, Language language);

}  // namespace radio
