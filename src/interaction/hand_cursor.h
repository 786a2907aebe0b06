// HandCursorArmed: one flag for every Wayband control of the user-interface thread. It is
// set by the first move over any control's toolbar strip and never cleared; from then on
// a control's own window shows the custom (hand) pointer over its bars and chevron.
#pragma once

namespace wayband::interaction {

bool HandCursorArmed();
void ArmHandCursor();

}  // namespace wayband::interaction
