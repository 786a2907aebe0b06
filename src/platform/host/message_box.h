// The message-box service: a modal message with a title, an icon and buttons, shown by
// whatever host embeds the library. A host installs one handler for the process; without
// one, messages are not shown and every call answers OK, as a user closing the box would.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

namespace wayband::host {

// Buttons and icon of a message box, combined with |.
inline constexpr uint32_t MB_OK = 0x00000000;
inline constexpr uint32_t MB_YESNO = 0x00000004;
inline constexpr uint32_t MB_ICONQUESTION = 0x00000020;
inline constexpr uint32_t MB_ICONEXCLAMATION = 0x00000030;
inline constexpr uint32_t MB_ICONINFORMATION = 0x00000040;
// The second button is the default one (Enter presses it).
inline constexpr uint32_t MB_DEFBUTTON2 = 0x00000100;

// The button that closed a box.
inline constexpr int32_t IDOK = 1;
inline constexpr int32_t IDYES = 6;
inline constexpr int32_t IDNO = 7;

// Shows the message and returns the button that closed it.
using MessageBoxHandler =
    std::function<int32_t(std::string_view text, std::string_view title, uint32_t flags)>;

// Installs the process's handler (an empty one: none) and returns the one it replaces.
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);

// Shows a message through the installed handler; IDOK without one.
int32_t MessageBox(std::string_view text, std::string_view title, uint32_t flags);

}  // namespace wayband::host
