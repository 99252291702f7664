#pragma once

namespace radio {

// The interface language; fixed for a run of the program.
enum class Language { English, Chinese };

}  // namespace radio
