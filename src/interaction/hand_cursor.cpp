#include "interaction/hand_cursor.h"

namespace wayband::interaction {

namespace {
thread_local bool handCursorArmed = false;
}  // namespace

bool HandCursorArmed() {
  return handCursorArmed;
}

void ArmHandCursor() {
  handCursorArmed = true;
}

}  // namespace wayband::interaction
