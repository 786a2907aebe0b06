// The demo's panels: their keys, captions, icons and tooltips, and the application widget
// each one shows in the panel area.
#pragma once

#include <QString>
#include <QWidget>
#include <span>

namespace wayband_demo {

struct PanelInfo {
  const char* key;
  const char* caption;
  const char* icon;  // a file under the icons folder
  const char* toolTip;
  QWidget* (*makeView)();
  // Shown inside a captioned container with the panel's icon and caption.
  bool captioned = false;
};

// The six panels in their order on the bar.
std::span<const PanelInfo> Panels();

}  // namespace wayband_demo
