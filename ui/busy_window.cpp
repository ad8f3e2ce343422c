#include "ui/busy_window.h"

#include <xcb/xcb.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace zembo::ui {

void ServeAllButInput() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void WaitServingAllButInput(int milliseconds) {
    QEventLoop wait;
    QTimer::singleShot(milliseconds, Qt::PreciseTimer, &wait, &QEventLoop::quit);
    wait.exec(QEventLoop::ExcludeUserInputEvents);
}

void ReleaseHeldInput(QWidget& window) {
    if (QGuiApplication::platformName() != QLatin1String("xcb") || window.internalWinId() == 0) {
        return;
    }
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* c = x11 != nullptr ? x11->connection() : nullptr;
    if (c == nullptr) {
        return;
    }
    // A property of our own window changed and removed: the server's answer is the event that
    // wakes the toolkit's queue.
    static const char kName[] = "_ZEMBO_WAKE";
    xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(kName)), kName), nullptr);
    if (atom == nullptr) {
        return;
    }
    const auto id = static_cast<xcb_window_t>(window.internalWinId());
    const std::uint32_t one = 1;
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, atom->atom, XCB_ATOM_CARDINAL, 32, 1, &one);
    xcb_delete_property(c, id, atom->atom);
    xcb_flush(c);
    std::free(atom);
}

}  // namespace zembo::ui
