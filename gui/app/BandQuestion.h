#pragma once

#include <QString>

#include "core/channels/Frequency.h"
#include "core/image/MemoryImage.h"

class QWidget;

namespace radio {
namespace gui {

class CProgramApp;

// Names the channels of the image that lie outside the band and asks the question after them
// (Yes / No). True when no channel is outside or the user answered Yes.
bool goOnWithChannelsOutsideBand(CProgramApp& app, QWidget* parent, const MemoryImage& image,
                                 BandLimits band, const QString& question);

}  // namespace gui
}  // namespace radio
