#pragma once

#include "core/channels/ChannelFields.h"
#include "core/image/MemoryImage.h"

namespace radio {
namespace gui {

// Everything a document holds for its user: the image, and the channels as the grid shows
// them. The grid is the working copy of the channels (it reaches the image's channel records
// whenever the image is about to be used), so a state is only whole with both: putting back
// the image alone would let the next store write the newer grid over it.
struct DocumentState {
    MemoryImage image;
    ChannelTable channels;

    friend bool operator==(const DocumentState&, const DocumentState&) = default;
};

}  // namespace gui
}  // namespace radio
