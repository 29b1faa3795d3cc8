#include "solidwindow.h"

#include <QColor>
#include <QGuiApplication>
#include <QWidget>

#ifdef KERBU_HAVE_XCB
#include <xcb/xcb.h>
#endif

namespace kerbu {

bool paintBySystem(QWidget* window, const QColor& colour) {
#ifdef KERBU_HAVE_XCB
    auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection())
        return false;
    xcb_connection_t* connection = x11->connection();
    const auto id = static_cast<xcb_window_t>(window->winId());
    // A TrueColor visual of depth 24: the pixel is the colour itself.
    const uint32_t pixel = colour.rgb() & 0xffffffu;
    xcb_change_window_attributes(connection, id, XCB_CW_BACK_PIXEL, &pixel);
    xcb_clear_area(connection, 0, id, 0, 0, 0, 0);
    xcb_flush(connection);
    return true;
#else
    Q_UNUSED(window);
    Q_UNUSED(colour);
    return false;
#endif
}

} // namespace kerbu
