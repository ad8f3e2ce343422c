#pragma once
// A private X server (Xvfb) with the openbox window manager, for the tests of what only a window
// manager shows; and the test's own view of that screen over a connection of its own, independent
// of the toolkit's.

#include <sys/types.h>
#include <xcb/xcb.h>

#include <QImage>
#include <QRect>
#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zembo::test {

using Clock = std::chrono::steady_clock;

class XSession {
  public:
    XSession() = default;
    ~XSession();
    XSession(const XSession&) = delete;
    XSession& operator=(const XSession&) = delete;

    // Starts the server and the window manager, their files below home. Empty when both run and
    // the window manager manages windows; else why not, for the tests to skip with.
    std::string Start(const std::string& home);
    const std::string& Display() const { return display_; }

  private:
    std::string StartServer();
    std::string StartWindowManager(const std::string& home);

    std::string display_;
    pid_t server_ = -1;
    pid_t windowManager_ = -1;
};

// The frame the window manager put around a window: left, right, top, bottom.
struct FrameExtents {
    int left = 0;
    int right = 0;
    int top = 0;
    int bottom = 0;
};

class XProbe {
  public:
    explicit XProbe(const std::string& display);
    ~XProbe();
    XProbe(const XProbe&) = delete;
    XProbe& operator=(const XProbe&) = delete;

    xcb_connection_t* Connection() const { return c_; }
    xcb_window_t Root() const { return root_; }
    xcb_atom_t Atom(const char* name);

    // Property and structure changes of the window wake the waits below, from the moment these
    // return.
    void Watch(xcb_window_t window);
    void WatchRoot(std::uint32_t mask);

    std::optional<FrameExtents> ExtentsOf(xcb_window_t window);
    // The client area on the screen.
    QRect ClientRect(xcb_window_t window);
    // The client area grown by the frame extents the window manager announced.
    QRect OuterRect(xcb_window_t window);
    // The window manager's own frame window: the ancestor that is a child of the root.
    QRect FrameWindowRect(xcb_window_t window);
    bool IsViewable(xcb_window_t window);
    // Whether the window's _NET_WM_STATE holds the state named.
    bool HasState(xcb_window_t window, const char* state);
    // What the screen shows in rect, as the server has it.
    QImage Grab(const QRect& rect);

    // As a task bar asks: minimise; restore and activate.
    void Minimise(xcb_window_t window);
    void Activate(xcb_window_t window);
    // A WM_PROTOCOLS message to the window, as a window manager sends it.
    void SendProtocol(xcb_window_t window, const char* protocol, std::uint32_t time);

    // Takes the events that come until until() holds or the deadline passes; false on the
    // deadline. The thread sleeps in poll() between events.
    bool WaitForEvent(const std::function<bool(const xcb_generic_event_t&)>& until,
                      Clock::time_point deadline);
    // Drops the events that came.
    void Drain();

  private:
    void Sync();
    void SendToRoot(xcb_window_t window, const char* type, std::uint32_t d0, std::uint32_t d1);

    xcb_connection_t* c_;
    xcb_window_t root_ = 0;
};

// Runs the toolkit's event loop until done() holds or ms pass: wakes on the probe's events, on
// the toolkit's own and every 10 ms for what gives no event (pixels being drawn).
bool WaitUntil(XProbe& probe, const std::function<bool()>& done, int ms = 5000);

}  // namespace zembo::test
