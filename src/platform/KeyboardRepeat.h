#pragma once

// Key repeat of the window system.
namespace KeyboardRepeat {
// Asks the X server (XKB detectable auto-repeat) to send a held key as repeated presses and one
// release, instead of release/press pairs. True only when the server confirmed it.
bool makeDetectable();
} // namespace KeyboardRepeat
