// The process's tooltip windows (class "tooltips_class32"), as the platform's window
// manager keeps them: creating and destroying them, the class style they share, the tool
// operations (ADDTOOL, UPDATETIPTEXT, DELTOOL, ENUMTOOLS, GETTOOLCOUNT, SETTITLE), and the
// mouse they watch over their tools' windows (see TipWindow for when a tip shows).
//
// Tooltip windows are not windows of a host's window system: their handles come from a
// range of their own, from kFirstTipWindow up, which host windows never reach. A host
// tells the tooltip windows where the mouse goes (the relays) and watches what they show
// through observers. Everything runs on the user-interface thread; the tips' timers
// run on the thread's current event loop.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/tooltip/tip_display.h"
#include "platform/tooltip/tool_info.h"

namespace wayband::platform {

class TipWindow;

class TooltipWindows {
 public:
  static constexpr host::WindowHandle kFirstTipWindow = 0x7F000001;
  // The class style before anyone changes it: a tip saves the pixels it covers.
  static constexpr uint32_t kInitialClassStyle = CS_SAVEBITS;

  static TooltipWindows& Instance();

  // CreateWindowEx of the tooltip class with the TTS_ styles, owned by `owner`. Returns
  // the new window, or 0 when the handle range is used up.
  host::WindowHandle CreateTipWindow(uint32_t style, host::WindowHandle owner);
  // DestroyWindow: hides its tip and drops its tools; false when it is no tooltip window.
  bool DestroyTipWindow(host::WindowHandle tip);
  bool IsTipWindow(host::WindowHandle tip) const;
  size_t TipWindowCount() const { return tips_.size(); }
  // The owner given at creation; 0 for no tooltip window.
  host::WindowHandle Owner(host::WindowHandle tip) const;

  // GetClassLong / SetClassLong of a tooltip window's class. Only GCL_STYLE is kept; the
  // style is the class's, shared by every tooltip window. SetClassLong returns the value
  // before; both give 0 (and change nothing) for other indices or windows.
  uint32_t GetClassLong(host::WindowHandle tip, int32_t index) const;
  uint32_t SetClassLong(host::WindowHandle tip, int32_t index, uint32_t value);

  // The tool operations. Each refuses (false, 0, nothing done) a window that is no
  // tooltip window and a record whose cbSize is not kToolInfoSize.
  bool AddTool(host::WindowHandle tip, const ToolInfo& info);
  bool UpdateTipText(host::WindowHandle tip, const ToolInfo& info);
  bool DelTool(host::WindowHandle tip, const ToolInfo& info);
  bool EnumTools(host::WindowHandle tip, uint32_t index, ToolInfo& info) const;
  int32_t GetToolCount(host::WindowHandle tip) const;
  bool SetTitle(host::WindowHandle tip, uint32_t icon, std::string_view title);
  std::string Title(host::WindowHandle tip) const;

  // What a host reports of the mouse: a move to a screen point over `window` (0: over no
  // window), and a button pressed over `window`.
  void RelayMouseMove(host::WindowHandle window, Point screen);
  void RelayMouseButton(host::WindowHandle window);

  // The tips on screen now, by tooltip window.
  std::vector<TipDisplay> ShownTips() const;
  // Observers hear of tips in the order they were added; each stays until removed.
  void AddObserver(TooltipObserver* observer);
  void RemoveObserver(TooltipObserver* observer);

 private:
  // Forwards a tip shown or hidden to the observers of that moment.
  class ObserverRelay final : public TooltipObserver {
   public:
    void TipShown(const TipDisplay& tip) override;
    void TipHidden(host::WindowHandle tipWindow) override;
    std::vector<TooltipObserver*> targets;
  };

  TooltipWindows() = default;
  // The window, kept alive while an operation on it runs (observers may destroy it).
  std::shared_ptr<TipWindow> Find(host::WindowHandle tip) const;
  // The windows as they are now, kept alive while the mouse is relayed to them.
  std::vector<std::shared_ptr<TipWindow>> Snapshot() const;

  std::map<host::WindowHandle, std::shared_ptr<TipWindow>> tips_;
  uint32_t classStyle_ = kInitialClassStyle;
  host::WindowHandle nextHandle_ = kFirstTipWindow;
  ObserverRelay observer_;
};

}  // namespace wayband::platform
