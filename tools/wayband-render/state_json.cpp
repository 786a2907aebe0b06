#include "state_json.h"

#include <cstdio>
#include <string>

namespace wayband::render_tool {

namespace {

using Json = nlohmann::ordered_json;

// Colour values as hexadecimal text ("0x8000000F", "0x00CC6633"): system references and
// plain colours read at a glance.
std::string ColorText(uint32_t color) {
  char text[] = "0x00000000";
  std::snprintf(text, sizeof text, "0x%08X", color);
  return text;
}

Json Rect(const InspectedRect& r) {
  return Json{{"left", r.left}, {"top", r.top}, {"right", r.right}, {"bottom", r.bottom}};
}

Json Window(const InspectedWindow& w) {
  return Json{
      {"twips", {{"left", w.left}, {"top", w.top}, {"width", w.width}, {"height", w.height}}},
      {"pixels", Rect(w.pixels)},
      {"visible", w.visible}};
}

Json Panel(const InspectedPanel& p) {
  return Json{
      {"lID", p.lID},           {"sKey", p.sKey},           {"sCaption", p.sCaption},
      {"sIconKey", p.sIconKey}, {"rcItem", Rect(p.rcItem)}, {"bInToolbar", p.bInToolbar},
      {"bVisible", p.bVisible}, {"bEnabled", p.bEnabled},   {"iBarImageStale", p.iBarImageStale}};
}

}  // namespace

Json InspectionToJson(const WaybandInspection& s) {
  Json panels = Json::array();
  for (const InspectedPanel& panel : s.panels)
    panels.push_back(Panel(panel));
  Json controls = Json::array();
  for (const InspectedControl& control : s.containedControls) {
    controls.push_back({{"name", control.name},
                        {"typeName", control.typeName},
                        {"geometry", Window(control.geometry)}});
  }
  Json palette = Json::array();
  for (const uint32_t color : s.SchemePalette)
    palette.push_back(ColorText(color));
  return Json{{"BarsToShow", s.BarsToShow},
              {"BarsTop", s.BarsTop},
              {"MaxBars", s.MaxBars},
              {"PreferredBarCount", s.PreferredBarCount},
              {"SelectedIndex", s.SelectedIndex},
              {"HoverIndex", s.HoverIndex},
              {"PressedIndex", s.PressedIndex},
              {"SplitterDragging", s.SplitterDragging},
              {"LastSplitterTop", s.LastSplitterTop},
              {"BarPadding", s.BarPadding},
              {"UserMode", s.UserMode},
              {"PollingNeeded", s.PollingNeeded},
              {"ToolbarDirty", s.ToolbarDirty},
              {"AnimationEnabled", s.AnimationEnabled},
              {"ChevronHot", s.ChevronHot},
              {"LastMouseX", s.LastMouseX},
              {"LastMouseY", s.LastMouseY},
              {"MouseLeft", s.MouseLeft},
              {"SplitterAnchorY", s.SplitterAnchorY},
              {"AnimationStep", s.AnimationStep},
              {"HandCursorArmed", s.HandCursorArmed},
              {"MouseTimerInterval", s.MouseTimerInterval},
              {"ToolTipText", s.ToolTipText},
              {"MousePointers",
               {{"control", s.ControlPointer},
                {"ctlToolbar", s.ToolbarPointer},
                {"ctlSplitBar", s.SplitterPointer}}},
              {"clientWidth", s.clientWidth},
              {"clientHeight", s.clientHeight},
              {"ctlToolbar", Window(s.ctlToolbar)},
              {"ctlSplitBar", Window(s.ctlSplitBar)},
              {"panels", panels},
              {"containedControls", controls},
              {"SchemePalette", palette},
              {"completedFramePasses", s.completedFramePasses}};
}

}  // namespace wayband::render_tool
