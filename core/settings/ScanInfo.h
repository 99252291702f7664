#pragma once

#include <string>
#include <vector>

#include "core/image/MemoryImage.h"
#include "core/text/Language.h"
#include "core/util/Result.h"

namespace radio {

// Priority list indexes. A stored mode outside them leaves the list without a selection.
constexpr int kPriorityNone = 0;
constexpr int kPriorityFixed = 1;
constexpr int kPrioritySelected = 2;

constexpr double kLookBackMin = 0.5;
constexpr double kLookBackMax = 5.0;
constexpr double kLookBackStep = 0.05;
constexpr int kCountMax = 300;  // dropout delay and transmit dwell

// The Scan Information page's values as its controls show them.
struct ScanInfoValues {
    int priorityMode = kPriorityNone;  // list index; -1 (no selection) stores 0xFF
    std::string priorityChannelText;
    double lookBackA = kLookBackMin;
    double lookBackB = kLookBackMin;
    int revertIndex = 0;  // index within revertList(priorityMode)
    int dropoutDelay = 0;
    int txDwell = 0;
    friend bool operator==(const ScanInfoValues&, const ScanInfoValues&) = default;
};

ScanInfoValues decodeScanInfo(const MemoryImage& image);

// Checks the priority channel (mode Fixed: 1..16 and programmed) and, when it passes,
// writes the page with every number taken into its range first. On failure the image is
// untouched and the error is the message to show.
Status<std::string> encodeScanInfo(MemoryImage& image, const ScanInfoValues& values,
                                   Language language);

// Revert Channel entries for a priority mode; a mode without a list entry gets the
// Selected mode's entries.
std::vector<std::string> revertList(int priorityMode, Language language);
// The stored revert code of a list index.
int revertCode(int priorityMode, int revertIndex);

// Whether the channel-number box is in use for a priority mode.
bool priorityChannelEnabled(int priorityMode);
// Whether the look-back boxes are in use for a priority mode.
bool lookBackEnabled(int priorityMode);

// A look-back time taken into 0.5..5.0 s on its 0.05 s raster (leaving the box).
double snapLookBack(double seconds);
// One spin step; delta +1 goes up, anything else down; both ends wrap around.
double spinLookBack(double seconds, int delta);

// One spin step of dropout delay or transmit dwell; both ends wrap around.
int spinCount(int value, int delta);
int clampCount(int value);

// A channel counts as programmed when byte 3 of its record is neither 0x00 nor 0xFF.
bool channelProgrammed(const MemoryImage& image, int channel);

}  // namespace radio
