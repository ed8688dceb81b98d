// The end without Qt's teardown, which the sanitizers' leak check must be
// asked to follow.
#include "ui/start/end.h"

#include <cstdio>
#include <cstdlib>

// The sanitizers' leak check, which a program that ends with _Exit must ask for.
#if defined(__SANITIZE_ADDRESS__)
#define QUINTET_LEAK_CHECK 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QUINTET_LEAK_CHECK 1
#endif
#endif
#ifdef QUINTET_LEAK_CHECK
#include <sanitizer/lsan_interface.h>
#endif

void Say(const StartAnswer &a)
{
    std::fputs(qPrintable(a.Out), stdout);
    std::fputs(qPrintable(a.Err), stderr);
}

// Nothing is lost: the game saves nothing, and the window is already gone.
// Qt's Wayland teardown waits for its event thread, which can sit in
// wl_display_read_events for good; the server cleans up after a client that
// ends, on X11 as on Wayland.
void EndProgram(int status)
{
    std::fflush(nullptr);
#ifdef QUINTET_LEAK_CHECK
    // What is unreachable now is lost; what Qt still holds is not.
    __lsan_do_leak_check();
#endif
    std::_Exit(status);
}
