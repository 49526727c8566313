#include "KeyboardRepeat.h"

#include <QGuiApplication>
#include <cstdlib>

#if defined(ZANFRONI_XCB_XKB) && QT_CONFIG(xcb)
#include <xcb/xcb.h>
// The XKB header names a member "explicit", which C++ reserves.
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit
#endif

bool KeyboardRepeat::makeDetectable()
{
#if defined(ZANFRONI_XCB_XKB) && QT_CONFIG(xcb)
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t *connessione = x11 ? x11->connection() : nullptr;
    if (!connessione)
        return false;
    xcb_xkb_use_extension_reply_t *uso = xcb_xkb_use_extension_reply(
        connessione, xcb_xkb_use_extension(connessione, XCB_XKB_MAJOR_VERSION, XCB_XKB_MINOR_VERSION), nullptr);
    const bool xkb = uso && uso->supported;
    std::free(uso);
    if (!xkb)
        return false;
    constexpr uint32_t flag = XCB_XKB_PER_CLIENT_FLAG_DETECTABLE_AUTO_REPEAT;
    xcb_xkb_per_client_flags_reply_t *esito = xcb_xkb_per_client_flags_reply(
        connessione, xcb_xkb_per_client_flags(connessione, XCB_XKB_ID_USE_CORE_KBD, flag, flag, 0, 0, 0), nullptr);
    const bool fatto = esito && (esito->value & flag);
    std::free(esito);
    return fatto;
#else
    return false;
#endif
}
