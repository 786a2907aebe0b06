// The error a host can receive from the library. Everything else the controls do reports
// failure through its result (nothing, false, an unchanged value); the one exception is
// the subscript-out-of-range error of an item lookup on an empty panel collection.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace wayband {

// The automation error numbers the library raises.
inline constexpr int32_t kErrSubscriptOutOfRange = 9;

class AutomationError : public std::runtime_error {
 public:
  AutomationError(int32_t number, const std::string& description)
      : std::runtime_error(description), number_(number) {}

  // The error number a host's error handler sees (9 for subscript out of range).
  int32_t Number() const { return number_; }

 private:
  int32_t number_;
};

// Error 9, "Subscript out of range".
inline AutomationError SubscriptOutOfRange() {
  return AutomationError(kErrSubscriptOutOfRange, "Subscript out of range");
}

}  // namespace wayband
