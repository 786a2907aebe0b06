// ShortcutPanel: a handle to one panel (one bar) of a Wayband control. It holds only a
// weak reference to its control and the panel's ID; every access looks the panel up.
// Handles are made afresh whenever the control hands a panel out, so two handles of one
// panel are different objects that behave alike. Once the panel or its control is gone, a
// handle reads empty values ("", 0, false, nothing) and ignores writes.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace wayband {

namespace core {
class ControlCore;
}
namespace host {
class ContainedControl;
}

class ShortcutPanel {
 public:
  // Bar caption.
  std::string Caption() const;
  void SetCaption(const std::string& sCaption);
  // Gradient colours of the bar, its caption colour, and the same three while hovered
  // (0x8000000F and 0x80000012 mean "no colour chosen").
  uint32_t BackColor1() const;
  void SetBackColor1(uint32_t color);
  uint32_t BackColor2() const;
  void SetBackColor2(uint32_t color);
  uint32_t ForeColor() const;
  void SetForeColor(uint32_t color);
  uint32_t BackColorHover1() const;
  void SetBackColorHover1(uint32_t color);
  uint32_t BackColorHover2() const;
  void SetBackColorHover2(uint32_t color);
  uint32_t ForeColorHover() const;
  void SetForeColorHover(uint32_t color);
  // Key of the panel's icon in the control's icon store.
  std::string IconKey() const;
  void SetIconKey(const std::string& key);
  // 1-based position; setting it moves the panel (the selection stays with the position).
  int32_t Index() const;
  void SetIndex(int32_t index);
  std::string Key() const;
  // The child control shown in the panel area while the panel is selected. Assigning null
  // detaches the current one (it stays in the control, hidden).
  std::shared_ptr<host::ContainedControl> Panel() const;
  void SetPanel(const std::shared_ptr<host::ContainedControl>& control);
  // Setting selects the panel (any value: false selects it too).
  bool Selected() const;
  void SetSelected(bool selected);
  // Free host data; setting it never repaints.
  std::string Tag() const;
  void SetTag(const std::string& tag);
  bool Enabled() const;
  void SetEnabled(bool enabled);
  // Setting it never repaints.
  std::string ToolTipText() const;
  void SetToolTipText(const std::string& text);
  bool Visible() const;
  void SetVisible(bool visible);

 private:
  friend class core::ControlCore;
  ShortcutPanel(std::weak_ptr<core::ControlCore> control, int32_t id)
      : control_(std::move(control)), id_(id) {}
  std::shared_ptr<core::ControlCore> Control() const;

  std::weak_ptr<core::ControlCore> control_;
  int32_t id_;
};

}  // namespace wayband
