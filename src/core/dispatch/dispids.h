// DISPIDs of the library's automation interfaces.
#pragma once

#include <cstdint>

namespace wayband::core::dispid {

// _Wayband
inline constexpr int32_t kBackColor = 0x68030036;
inline constexpr int32_t kHoverColor = 0x68030035;
inline constexpr int32_t kBackgroundPicture = 0x68030034;
inline constexpr int32_t kBarPicture = 0x68030033;
inline constexpr int32_t kBarHoverPicture = 0x68030032;
inline constexpr int32_t kBarSelectedPicture = 0x68030031;
inline constexpr int32_t kBarPressedPicture = 0x68030030;
inline constexpr int32_t kToolbarPicture = 0x6803002F;
inline constexpr int32_t kHeaderPicture = 0x6803002E;
inline constexpr int32_t kShowHeaderIcon = 0x6803002B;
inline constexpr int32_t kToolbarOnTop = 0x6803002A;
inline constexpr int32_t kLockSplitter = 0x68030029;
inline constexpr int32_t kCenter = 0x68030028;
inline constexpr int32_t kAutoHide = 0x68030027;
inline constexpr int32_t kShowNavigationOptions = 0x6003003D;
inline constexpr int32_t kEnabled = -514;  // the standard enabled DISPID, 0xFFFFFDFE
inline constexpr int32_t kWaybandPanels = 0x68030026;
inline constexpr int32_t kFont = 0x6803000D;
inline constexpr int32_t kSelectedFont = 0x6803000C;
inline constexpr int32_t kHeaderFont = 0x6803000B;
inline constexpr int32_t kForeColor = 0x6803000A;
inline constexpr int32_t kHeaderForeColor = 0x68030008;
inline constexpr int32_t kHwnd = 0x68030007;
inline constexpr int32_t kRedraw = 0x68030006;
inline constexpr int32_t kRightToLeft = 0x68030005;
inline constexpr int32_t kSelectedBar = 0x68030004;
inline constexpr int32_t kEmptyPanelCaption = 0x68030003;
inline constexpr int32_t kBarsToShow = 0x68030002;
inline constexpr int32_t kLoadIconImageFromFile = 0x6003006C;

// _ShortcutPanels
inline constexpr int32_t kPanelsAdd = 0x60030003;
inline constexpr int32_t kPanelsClear = 0x60030004;
inline constexpr int32_t kPanelsCount = 0x68030002;
inline constexpr int32_t kPanelsItem = 0x68030000;
inline constexpr int32_t kPanelsRemove = 0x60030006;

// _ShortcutPanel
inline constexpr int32_t kPanelCaption = 0x68030013;
inline constexpr int32_t kPanelBackColor1 = 0x68030012;
inline constexpr int32_t kPanelBackColor2 = 0x68030011;
inline constexpr int32_t kPanelForeColor = 0x68030010;
inline constexpr int32_t kPanelBackColorHover1 = 0x6803000F;
inline constexpr int32_t kPanelBackColorHover2 = 0x6803000E;
inline constexpr int32_t kPanelForeColorHover = 0x6803000D;
inline constexpr int32_t kPanelIconKey = 0x6803000B;
inline constexpr int32_t kPanelIndex = 0x6803000A;
inline constexpr int32_t kPanelKey = 0x68030009;
inline constexpr int32_t kPanelPanel = 0x68030005;
inline constexpr int32_t kPanelSelected = 0x68030004;
inline constexpr int32_t kPanelTag = 0x68030003;
inline constexpr int32_t kPanelEnabled = 0x68030002;
inline constexpr int32_t kPanelToolTipText = 0x68030001;
inline constexpr int32_t kPanelVisible = 0x68030000;

}  // namespace wayband::core::dispid
