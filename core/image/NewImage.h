#pragma once

#include "core/image/MemoryImage.h"

namespace radio {

// The image of a new document: erased memory with the factory defaults of row 0, the options,
// the identification, the scan settings and the power table. Channels stay empty and the type
// and band bytes stay 0xFF until the view fills them in.
MemoryImage newDocumentImage();

}  // namespace radio
