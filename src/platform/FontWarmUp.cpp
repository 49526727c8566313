#include "FontWarmUp.h"

#include <dlfcn.h>
#include <thread>

namespace {
struct Warmer
{
    std::thread thread;
    ~Warmer() { FontWarmUp::finish(); }
};
Warmer warmer;
} // namespace

void FontWarmUp::start()
{
    // Fontconfig comes with Qt's GUI library, where Qt draws text with it: found at run time, nothing
    // to build against. Without it there is nothing to read ahead.
    using Init = int (*)();
    const auto init = reinterpret_cast<Init>(dlsym(RTLD_DEFAULT, "FcInit"));
    if (init && !warmer.thread.joinable())
        warmer.thread = std::thread(init);
}

void FontWarmUp::finish()
{
    if (warmer.thread.joinable())
        warmer.thread.join();
}
