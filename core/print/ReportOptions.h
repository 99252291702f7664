#pragma once

#include <string>
#include <vector>

#include "core/image/MemoryImage.h"
#include "core/text/Language.h"

namespace radio {

// One line of the options page of the printed report.
struct ReportOptionRow {
    int row;  // line number on the page, 5..15
    std::string label;
    std::string value;
};

// The general options as the printed report shows them, decoded straight from the image.
std::vector<ReportOptionRow> reportOptionRows(const MemoryImage& image, Language language);

}  // namespace radio
