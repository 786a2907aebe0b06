// The desktop settings stand-in: everything the controls ask the system about its look,
// held in one object that a host chooses and changes at run time.
//
// The platform calls of this layer (GetVersionEx, GetSysColor, OleTranslateColor, the
// registry, the visual-style service, GetDeviceCaps) all answer from the process-wide
// current settings, CurrentDesktop(). Changing them notifies every subscriber with the
// kinds of change that happened, which map onto the system's broadcast notifications
// (display change, system colour change, setting change, visual-style change); the parent
// window hook turns them into those messages for the controls.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/color.h"
#include "platform/os_version.h"
#include "platform/system_colors.h"

namespace wayband::platform {

// The registry value "Current" under "Control Panel\Appearance" of the current user. Its
// data are the stored bytes, which normally end with a NUL.
struct AppearanceValue {
  enum class Status {
    kPresent,       // the key and the value exist and can be read
    kKeyMissing,    // the key does not exist
    kValueMissing,  // the key exists, the value does not
    kUnreadable,    // the key opens but reading the value fails
  };
  Status status = Status::kPresent;
  std::string data;
  friend bool operator==(const AppearanceValue&, const AppearanceValue&) = default;
};

// A present value holding `name` followed by the terminating NUL, as the system stores it.
AppearanceValue AppearanceName(std::string name);

// One colour property of the visual style: class, part, state and property id.
// Part 0 and state 0 are the class-level and part-level defaults that more specific
// queries fall back to.
struct ThemeColorEntry {
  std::string className;
  int part = 0;
  int state = 0;
  int property = 0;
  ColorRef color = 0;
  friend bool operator==(const ThemeColorEntry&, const ThemeColorEntry&) = default;
};

// The current visual style: its file, colour variant and size variant names, the window
// classes it has data for, and its colour properties.
struct VisualStyle {
  std::string fileName;
  std::string colorName;
  std::string sizeName;
  bool namesReadable = true;  // false: GetCurrentThemeName fails
  std::vector<std::string> classes;
  std::vector<ThemeColorEntry> colors;
  friend bool operator==(const VisualStyle&, const VisualStyle&) = default;
};

inline constexpr int kDefaultColorDepth = 32;
inline constexpr int kDefaultLogicalDpi = 96;

struct DesktopState {
  OsVersion version{PlatformId::kNT, 5, 1, 2600};
  SysColorTable sysColors{};
  AppearanceValue appearance;
  bool visualStylesLibraryLoads = true;  // the optional visual-styles library is present
  bool appStyled = false;                // the application is drawn with the style
  std::optional<VisualStyle> visualStyle;
  std::vector<int32_t> windowsWithoutStyle;  // windows that opted out of style data
  int colorDepth = kDefaultColorDepth;       // display bits per pixel
  int logicalDpi = kDefaultLogicalDpi;
  friend bool operator==(const DesktopState&, const DesktopState&) = default;
};

// What a change touched; several kinds may come together.
enum class DesktopChange : uint32_t {
  kNone = 0,
  kDisplay = 1u << 0,      // colour depth or logical DPI
  kSysColors = 1u << 1,    // any system colour
  kSettings = 1u << 2,     // version or appearance-scheme setting
  kVisualStyle = 1u << 3,  // styled flag, library presence, style data, opted-out windows
};

constexpr DesktopChange operator|(DesktopChange a, DesktopChange b) {
  return static_cast<DesktopChange>(static_cast<uint32_t>(a) | static_cast<uint32_t>(b));
}
constexpr bool HasChange(DesktopChange set, DesktopChange kind) {
  return (static_cast<uint32_t>(set) & static_cast<uint32_t>(kind)) != 0;
}

// The kinds of change between two states.
DesktopChange CompareDesktopStates(const DesktopState& before, const DesktopState& after);

using DesktopListener = std::function<void(DesktopChange)>;

class DesktopSettings;

// Keeps one listener subscribed for its lifetime; moving transfers the subscription.
class DesktopSubscription {
 public:
  DesktopSubscription() = default;
  DesktopSubscription(DesktopSettings* settings, uint64_t id) : settings_(settings), id_(id) {}
  DesktopSubscription(DesktopSubscription&& other) noexcept;
  DesktopSubscription& operator=(DesktopSubscription&& other) noexcept;
  DesktopSubscription(const DesktopSubscription&) = delete;
  DesktopSubscription& operator=(const DesktopSubscription&) = delete;
  ~DesktopSubscription() { Reset(); }

  void Reset();
  bool Active() const { return settings_ != nullptr; }

 private:
  DesktopSettings* settings_ = nullptr;
  uint64_t id_ = 0;
};

class DesktopSettings {
 public:
  DesktopSettings();  // the default preset
  explicit DesktopSettings(DesktopState state) : state_(std::move(state)) {}
  DesktopSettings(const DesktopSettings&) = delete;
  DesktopSettings& operator=(const DesktopSettings&) = delete;

  const DesktopState& State() const { return state_; }

  // Replaces the whole state; listeners hear of the kinds that differ (nothing when
  // nothing differs). Listeners may change the settings or their subscriptions while
  // being notified.
  void Assign(DesktopState state);

  void SetVersion(const OsVersion& version);
  void SetSysColor(int index, ColorRef color);  // an index outside 0-30 is ignored
  void SetSysColors(const SysColorTable& colors);
  void SetAppearance(AppearanceValue value);
  void SetAppStyled(bool styled);
  void SetVisualStylesLibraryLoads(bool loads);
  void SetVisualStyle(std::optional<VisualStyle> style);
  void SetWindowsWithoutStyle(std::vector<int32_t> windows);
  void SetColorDepth(int bitsPerPixel);
  void SetLogicalDpi(int dpi);

  [[nodiscard]] DesktopSubscription Subscribe(DesktopListener listener);
  void Unsubscribe(uint64_t id);
  size_t ListenerCount() const { return listeners_.size(); }

 private:
  struct Listener {
    uint64_t id;
    std::shared_ptr<DesktopListener> callback;
  };
  template <typename Edit>
  void Modify(Edit edit);
  void Notify(DesktopChange changes);

  DesktopState state_;
  std::vector<Listener> listeners_;
  uint64_t nextId_ = 1;
};

// The process-wide settings every platform call of this layer reads. It is one object for
// the life of the process, so subscriptions survive a host choosing other settings.
DesktopSettings& CurrentDesktop();
// Chooses new settings for the process (same as CurrentDesktop().Assign(state)).
void SetCurrentDesktop(DesktopState state);

}  // namespace wayband::platform
