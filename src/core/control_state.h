// The state a Wayband control keeps besides what its host keeps for it (BackColor,
// ForeColor, Font, Enabled, the window handle and the scale size) and besides its
// resources (strips, surfaces, timers). Plain values only, so that a read-only snapshot is
// a copy of this record.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/icon_store.h"
#include "core/panel_store.h"
#include "platform/host/window_system.h"
#include "render/draw/caption.h"
#include "render/paint/header_face.h"
#include "render/scheme/scheme_palette.h"
#include "wayband/picture.h"
#include "wayband/std_font.h"

namespace wayband::core {

// HoverIndex and PressedIndex value that stands for the chevron of the toolbar strip.
inline constexpr int32_t kChevronIndex = 99999;
// The height of one large bar, in pixels.
inline constexpr int32_t kBarHeight = 32;
inline constexpr uint32_t kWhite = 0x00FFFFFF;
inline constexpr const char* kDefaultEmptyPanelCaption = "Empty Panel";
// Extra travel of a splitter drag step in a newly created control, pixels.
inline constexpr int32_t kNewInstanceBarPadding = 31;

struct ControlState {
  // --- Public properties held by the control ----------------------------------------------
  uint32_t HoverColor = kButtonFace;
  uint32_t HeaderForeColor = kWhite;
  std::shared_ptr<StdFont> HeaderFont;
  std::shared_ptr<StdFont> SelectedFont;
  std::string EmptyPanelCaption = kDefaultEmptyPanelCaption;
  std::shared_ptr<Picture> BackgroundPicture;
  std::shared_ptr<Picture> BarPicture;
  std::shared_ptr<Picture> BarHoverPicture;
  std::shared_ptr<Picture> BarSelectedPicture;
  std::shared_ptr<Picture> BarPressedPicture;
  std::shared_ptr<Picture> ToolbarPicture;
  std::shared_ptr<Picture> HeaderPicture;
  bool ShowHeaderIcon = true;
  bool ToolbarOnTop = false;
  bool LockSplitter = false;
  bool Center = false;
  bool AutoHide = true;
  bool Redraw = true;
  bool RightToLeft = false;
  int32_t BarsToShow = 1;

  // --- Panels -------------------------------------------------------------------------------
  PanelStore panels;

  // --- Icons ------------------------------------------------------------------------------
  // The icons drawn on bars, toolbar buttons and the header, by panel sIconKey.
  IconStore Icons;
  // The file of the last icon LoadIconImageFromFile imported.
  std::string LastIconFile;

  // --- Geometry -----------------------------------------------------------------------------
  // Most large bars that fit, from the BarsToShow setter and the resize.
  int32_t MaxBars = 0;
  // The bar count automatic hiding returns to.
  int32_t PreferredBarCount = 0;
  // Pixel row of the top edge of the large-bar stack (set by each refresh with panels).
  int32_t BarsTop = 0;
  // ctlSplitBar.Top after the last refresh, twips.
  int32_t LastSplitterTop = 0;
  bool InRefresh = false;
  // Alternates on each BarsToShow assignment during a splitter drag.
  bool SplitterDragToggle = false;

  // --- Painting and interaction state -------------------------------------------------------
  bool ToolbarDirty = true;
  // The panels' cached bar images are used (false paints every bar afresh).
  bool BarImageCacheEnabled = true;
  // The layouts of the header's caption and of the background's centred caption (see
  // render/draw/caption.h).
  render::CaptionCache HeaderCaptionCache;
  render::CaptionCache BackgroundCaptionCache;
  // The image of the header strip (render/paint/header_face.h states the cache's rule).
  render::HeaderFace HeaderFaceImage;
  // The splitter strip has been painted since the marker was last cleared.
  bool SplitterDrawn = false;
  bool AnimationEnabled = false;
  int32_t AnimationStep = 0;
  host::WindowHandle WindowHandle = host::kNoWindow;
  // The host's ambient UserMode as read when stored properties were loaded.
  bool UserMode = false;
  int32_t BarPadding = 0;
  bool SplitterDragging = false;
  // Cursor row in control pixels at the splitter press, then at the last drag step.
  int32_t SplitterAnchorY = 0;
  int32_t HoverIndex = 0;
  int32_t PressedIndex = 0;

  // --- Mouse ----------------------------------------------------------------------------------
  // The most recent hit test found the chevron zone of the toolbar strip.
  bool ChevronHot = false;
  // Position of the last move on the control's own window, rounded twips.
  int32_t LastMouseX = 0;
  int32_t LastMouseY = 0;
  // The panel (by lID) the last move on the control's own window found; 0 for none.
  int32_t LastHoverPanelId = 0;
  // The mouse-leave poll found the mouse outside since the last own move.
  bool MouseLeft = false;

  // --- Reordering (the navigation options dialog's OK) ----------------------------------------
  // Positions 1..n are entries 0..n-1; an entry stays empty until a record is placed there.
  std::vector<std::optional<PanelRecord>> ReorderRecords;
  int32_t ReorderSelectedIndex = 0;

  // --- Parent window hook -------------------------------------------------------------------
  bool ParentIsForm = false;
  host::WindowHandle ParentWindow = host::kNoWindow;
  // No hook could be installed: the colour scheme is polled.
  bool PollingNeeded = false;

  // The colours the control paints with, from the desktop's scheme.
  render::SchemePalette Palette;

  // Refreshes that got past the Redraw gate and ran to the end.
  uint64_t CompletedFramePasses = 0;
};

}  // namespace wayband::core
