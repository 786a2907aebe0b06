// One panel of a Wayband control, as the control stores it. Handles find records by lID;
// the record's position in the store is the panel's Index.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "imaging/dib32.h"
#include "platform/geometry.h"
#include "platform/host/contained_control.h"
#include "render/paint/bar_face.h"
#include "render/paint/bar_painter.h"

namespace wayband::core {

// System colour references: button face (the "no colour chosen" value) and button text.
inline constexpr uint32_t kButtonFace = 0x8000000F;
inline constexpr uint32_t kButtonText = 0x80000012;
// The value of iBarImageStale that marks the cached bar image as stale.
inline constexpr int16_t kBarImageStale = -1;

struct PanelRecord {
  std::string sCaption;
  std::string sKey;
  // Where the panel was last drawn: a large bar in control pixels, a toolbar button in the
  // toolbar strip's own pixels. Written by the refresh, read by the hit tests.
  platform::Rect rcItem;
  std::string sToolTipText;
  std::string sTag;
  host::ControlIdentity lPanelCtlPtr = host::kNoControl;
  int32_t lID = 0;
  bool bVisible = true;
  bool bEnabled = true;
  // The last refresh gave the panel a toolbar button.
  bool bInToolbar = false;
  std::string sIconKey;
  uint32_t lBackColor1 = kButtonFace;
  uint32_t lBackColor2 = kButtonFace;
  uint32_t lForeColor = kButtonText;
  uint32_t lBackColorHover1 = kButtonFace;
  uint32_t lBackColorHover2 = kButtonFace;
  uint32_t lForeColorHover = kButtonText;
  // The cached normal-state image of the panel's large bar (shared so that records stay
  // copyable while the store is reordered).
  std::shared_ptr<imaging::CDib32> oBarImage;
  // 0 while oBarImage is valid; any other value marks it stale.
  int16_t iBarImageStale = kBarImageStale;
  // What oBarImage shows (render/paint/bar_painter.h states the cache's rule).
  render::BarImageKey oBarImageKey;
  // The layout of the bar's caption (render/draw/caption.h states the cache's key).
  render::CaptionCache captionCache;
  // Images of the whole large bar (render/paint/bar_face.h states the cache's rule).
  render::BarFaces barFaces;
};

}  // namespace wayband::core
