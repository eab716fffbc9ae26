#pragma once

namespace platform {

// Throws away the mouse clicks, wheel turns and key presses that reached the program's
// windows while it handled no events (during a wait for another program), so that none of
// them is carried out later, when the learner no longer expects it. Everything else that
// arrived meanwhile (repaints, pointer movement, window changes) is handled as usual.
void discardPendingInput();

} // namespace platform
