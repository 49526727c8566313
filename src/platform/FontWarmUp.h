#pragma once

// The first word drawn makes fontconfig read its configuration (dozens of XML files) and its caches:
// several milliseconds the first window would wait for. `start` has that done on a thread of its
// own while the program loads and connects to the display; `finish` waits for the thread (no wait
// once it is done) and comes before the first word is laid out. Fontconfig may be asked meanwhile
// all the same: whoever comes second finds the work done. The thread is waited for at exit in any case.
namespace FontWarmUp {
void start();
void finish();
} // namespace FontWarmUp
