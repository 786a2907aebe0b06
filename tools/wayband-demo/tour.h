// The scripted tour: the demo's window driven as a user would (mouse events through the
// window, the menus, the dialog, a resize), with a PNG of the window saved after each
// step. It runs on any platform, the offscreen one included.
#pragma once

#include <QString>

namespace wayband_demo {

class DemoWindow;

// Runs the tour on a shown window, saving NN-step.png files into `folder` (made when
// missing). Returns the process's exit code: 0, or 1 when a file could not be written.
int RunTour(DemoWindow& window, const QString& folder);

}  // namespace wayband_demo
