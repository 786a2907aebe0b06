// What every object of one headless host shares: its settings, its record, its window
// system and the registry of the controls placed on its forms.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "headless/dialog_host.h"
#include "headless/host_record.h"
#include "headless/virtual_windows.h"
#include "headless/window_images.h"
#include "platform/hook/desktop_broadcast.h"
#include "platform/host/contained_control.h"
#include "platform/twips.h"
#include "wayband/std_font.h"

namespace wayband::headless {

class HeadlessControl;

struct HostSettings {
  // The screen's twips per pixel (15 at 96 dots per inch; 12 at 120; 10 at 144).
  double twipsPerPixelX = platform::kDefaultTwipsPerPixel;
  double twipsPerPixelY = platform::kDefaultTwipsPerPixel;
  // True for a running application, false for a form designer.
  bool userMode = true;
  std::string ambientFontName = "DejaVu Sans";
  double ambientFontSize = 9.0;
  // 0: the process the host runs in.
  uint32_t processId = 0;
  // Frames presented to windows are recorded with their pixels; false records the window
  // and size only (for long runs such as benchmarks).
  bool recordFramePixels = true;
  // False records no presented frames at all (for benchmarks that count every allocation).
  bool recordFrames = true;
  // False records no raised events (handlers still run), for benchmarks that raise an
  // event on every step and would grow the record without end.
  bool recordEvents = true;
};

struct Environment {
  explicit Environment(const HostSettings& hostSettings);

  // Screen pixels of a twips length along one axis.
  int32_t PixelsX(double twips) const;
  int32_t PixelsY(double twips) const;
  // The control registered under a window, or null.
  std::shared_ptr<HeadlessControl> ControlWithWindow(host::WindowHandle window) const;

  HostSettings settings;
  HostRecord record;
  VirtualWindows windows;
  // Changes of the desktop settings reach the forms as the system's notifications.
  platform::DesktopBroadcast broadcast{windows};
  // The images of the windows the controls paint themselves.
  WindowImages images;
  // The modal dialogs the controls showed, and the actions scripted for the next one.
  DialogHost dialogs;
  std::shared_ptr<StdFont> ambientFont;
  std::map<host::WindowHandle, std::string> forms;
  std::vector<std::shared_ptr<HeadlessControl>> controls;  // in the order they were placed
  host::ControlIdentity nextIdentity = 1;
};

}  // namespace wayband::headless
