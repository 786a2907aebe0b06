// The headless host: an in-process implementation of the host contract for tests and
// command-line tools. It keeps forms (top-level virtual windows), controls placed on them
// or inside other controls, one site per embedded library control, a cursor and injected
// mouse input, and a readable record of what the controls reported.
//
//   headless::HeadlessHost host;
//   auto form = host.CreateForm("Form1", {0, 0, 400, 600});
//   auto* site = host.AddSite(form, "Wayband1", 0, 0, 3000, 6000);
//   Wayband bar(*site);
//   bar.InitProperties();
//   site.Show();
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "headless/environment.h"
#include "headless/file_dialogs.h"
#include "headless/headless_control.h"
#include "headless/headless_site.h"
#include "headless/message_boxes.h"
#include "headless/tip_record.h"

namespace wayband::headless {

class HeadlessHost {
 public:
  explicit HeadlessHost(const HostSettings& settings = {});
  ~HeadlessHost();
  HeadlessHost(const HeadlessHost&) = delete;
  HeadlessHost& operator=(const HeadlessHost&) = delete;

  // A visible top-level form at a screen rectangle (pixels); returns its window.
  host::WindowHandle CreateForm(std::string name, platform::Rect screen);
  // Places a control in a container window (a form, or a control's window). Returns null
  // when the container is not a window.
  std::shared_ptr<HeadlessControl> AddControl(host::WindowHandle container, ControlSpec spec);
  // A site for a library control, hidden until shown, at a twips rectangle in its
  // container; its extender has the control's type name. Null when the container is not a
  // window.
  HeadlessSite* AddSite(host::WindowHandle container, std::string name, double left, double top,
                        double width, double height, std::string typeName = kSiteTypeName);
  // The user starts to move or size the form: its window receives WM_ENTERSIZEMOVE.
  void StartSizeMove(host::WindowHandle form);
  // Unloads a control: its window goes and it is no longer contained anywhere.
  void RemoveControl(host::ControlIdentity identity);

  VirtualWindows& Windows() { return environment_.windows; }
  HostRecord& Record() { return environment_.record; }
  const HostSettings& Settings() const { return environment_.settings; }
  StdFont& AmbientFont() { return *environment_.ambientFont; }
  void SetUserMode(bool userMode) { environment_.settings.userMode = userMode; }
  // What a window a control paints itself shows now (its client area, 32 bits per pixel),
  // or null when nothing was drawn to it. Frames presented to it are in Record().
  const platform::Bitmap* WindowImage(host::WindowHandle window) const {
    return environment_.images.Image(window);
  }

  // The message boxes: answers for the next ones (each box is also in Record()).
  MessageBoxRecorder& MessageBoxes() { return messageBoxes_; }
  // The open-file dialogs: paths chosen in the next ones, and what each asked for.
  FileDialogScript& FileDialogs() { return fileDialogs_; }

  // The modal dialogs: scripted actions for the next one, and what each showed.
  DialogHost& Dialogs() { return environment_.dialogs; }

  // The tips the process's tooltip windows showed while the host lived.
  TipRecord& Tips() { return tips_; }

  // Mouse input at a screen point (pixels), delivered to the window under the point or to
  // the window that captured the mouse with the last press; the tooltip windows hear of
  // moves and presses after the window's handlers ran.
  void MouseDown(platform::Point screen, int16_t button, int16_t shift = 0);
  void MouseMove(platform::Point screen, int16_t button = 0, int16_t shift = 0);
  void MouseUp(platform::Point screen, int16_t button, int16_t shift = 0);
  void SetCursorPos(platform::Point screen) { environment_.windows.SetCursorPos(screen); }

 private:
  Environment environment_;
  std::vector<std::unique_ptr<HeadlessSite>> sites_;
  // Message boxes go into the record, answered as scripted or with their default button.
  MessageBoxRecorder messageBoxes_{environment_.record};
  // Open-file dialogs answer with scripted paths; unscripted ones are cancelled.
  FileDialogScript fileDialogs_;
  TipRecord tips_;
};

}  // namespace wayband::headless
