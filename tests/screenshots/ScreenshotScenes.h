#pragma once

#include <QString>

namespace radio::gui {
class CProgramApp;
}

namespace radio::screenshots {

// Renders every scene of a started program as OUTPUT/<scene>-<suffix>.png.
void renderScenes(gui::CProgramApp& app, const QString& out, const QString& suffix);

}  // namespace radio::screenshots
