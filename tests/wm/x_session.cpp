#include "tests/wm/x_session.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QEventLoop>
#include <QSocketNotifier>
#include <QTimer>
#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fstream>

extern char** environ;

namespace zembo::test {
namespace {

int MillisecondsLeft(Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

bool OnPath(const std::string& program) {
    const char* path = std::getenv("PATH");
    std::string rest = path != nullptr ? path : "/usr/bin:/bin";
    std::size_t start = 0;
    while (start <= rest.size()) {
        std::size_t end = rest.find(':', start);
        if (end == std::string::npos) {
            end = rest.size();
        }
        const std::string file = rest.substr(start, end - start) + "/" + program;
        if (access(file.c_str(), X_OK) == 0) {
            return true;
        }
        start = end + 1;
    }
    return false;
}

// The window manager's look as its packages ship it, written down so that no setting of the
// machine's changes what the tests measure; no animation of minimising.
constexpr const char* kOpenboxConfig = R"(<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <theme>
    <name>Clearlooks</name>
    <titleLayout>NLIMC</titleLayout>
    <animateIconify>no</animateIconify>
    <font place="ActiveWindow"><name>sans</name><size>8</size><weight>bold</weight></font>
    <font place="InactiveWindow"><name>sans</name><size>8</size><weight>bold</weight></font>
  </theme>
</openbox_config>
)";

template <class Reply>
struct Freed {
    Reply* reply;
    ~Freed() { std::free(reply); }
    Reply* operator->() const { return reply; }
    explicit operator bool() const { return reply != nullptr; }
};

pid_t Spawn(const std::vector<std::string>& args, const std::vector<std::string>& env) {
    std::vector<char*> argv;
    std::vector<char*> envp;
    for (const std::string& a : args) {
        argv.push_back(const_cast<char*>(a.c_str()));
    }
    for (const std::string& e : env) {
        envp.push_back(const_cast<char*>(e.c_str()));
    }
    argv.push_back(nullptr);
    envp.push_back(nullptr);
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&files, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&files, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    const int rc = posix_spawnp(&pid, argv[0], &files, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&files);
    return rc == 0 ? pid : -1;
}

bool HasProperty(xcb_connection_t* c, xcb_window_t window, xcb_atom_t property) {
    Freed<xcb_get_property_reply_t> r{xcb_get_property_reply(
        c, xcb_get_property(c, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 1), nullptr)};
    return r && r->type != XCB_NONE;
}

xcb_atom_t InternAtom(xcb_connection_t* c, const char* name) {
    Freed<xcb_intern_atom_reply_t> r{xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr)};
    return r ? r->atom : XCB_NONE;
}

// Waits for the next event on c; false when the deadline passes first.
bool NextEvent(xcb_connection_t* c, Clock::time_point deadline, int atMostMs = 60000) {
    xcb_flush(c);
    for (;;) {
        if (xcb_generic_event_t* e = xcb_poll_for_event(c)) {
            std::free(e);
            return true;
        }
        pollfd p{xcb_get_file_descriptor(c), POLLIN, 0};
        if (poll(&p, 1, std::min(atMostMs, MillisecondsLeft(deadline))) <= 0) {
            return false;
        }
    }
}

}  // namespace

XSession::~XSession() {
    for (pid_t pid : {windowManager_, server_}) {
        if (pid > 0) {
            kill(pid, SIGTERM);
            waitpid(pid, nullptr, 0);
        }
    }
}

std::string XSession::Start(const std::string& home) {
    if (!OnPath("Xvfb")) {
        return "no X server: Xvfb is not installed";
    }
    if (!OnPath("openbox")) {
        return "no window manager: openbox is not installed";
    }
    if (std::string why = StartServer(); !why.empty()) {
        return why;
    }
    return StartWindowManager(home);
}

std::string XSession::StartServer() {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) {
        return "no X server: no pipe";
    }
    server_ = fork();
    if (server_ < 0) {
        return "no X server: cannot fork";
    }
    if (server_ == 0) {
        dup2(fds[1], 3);  // the copy stays open across exec
        const int null = open("/dev/null", O_RDWR);
        dup2(null, 0);
        dup2(null, 1);
        dup2(null, 2);
        // A test killed by a time-out takes its server along; the window manager follows it.
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        // -displayfd: the server takes the first free display and writes its number once it
        // accepts connections. 96 dots per inch, as the toolkit takes without a setting.
        execlp("Xvfb", "Xvfb", "-displayfd", "3", "-screen", "0", "1280x1024x24", "-dpi", "96",
               "-nolisten", "tcp", "-noreset", "-nocursor", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    std::string number;
    const Clock::time_point deadline = Clock::now() + std::chrono::seconds(20);
    for (;;) {
        pollfd p{fds[0], POLLIN, 0};
        if (poll(&p, 1, MillisecondsLeft(deadline)) <= 0) {
            break;
        }
        char ch = 0;
        if (read(fds[0], &ch, 1) != 1 || ch == '\n') {
            break;  // the end of the number, or the server died
        }
        number += ch;
    }
    close(fds[0]);
    if (number.empty()) {
        return "no X server: Xvfb did not start";
    }
    display_ = ":" + number;
    return {};
}

std::string XSession::StartWindowManager(const std::string& home) {
    xcb_connection_t* c = xcb_connect(display_.c_str(), nullptr);
    struct Closer {
        xcb_connection_t* c;
        ~Closer() { xcb_disconnect(c); }
    } closer{c};
    if (xcb_connection_has_error(c) != 0) {
        return "no X server: cannot connect to " + display_;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    // The root's properties are watched before the window manager starts, so that no change
    // is missed.
    const std::uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c);

    const std::string config = home + "/openbox-rc.xml";
    std::ofstream(config) << kOpenboxConfig;
    const char* path = std::getenv("PATH");
    windowManager_ =
        Spawn({"openbox", "--sm-disable", "--config-file", config},
              {"DISPLAY=" + display_, "HOME=" + home, "XDG_CONFIG_HOME=" + home + "/.config",
               "XDG_CACHE_HOME=" + home + "/.cache", "XDG_DATA_HOME=" + home + "/.local/share",
               std::string("PATH=") + (path != nullptr ? path : "/usr/bin:/bin")});
    if (windowManager_ <= 0) {
        return "no window manager: openbox did not start";
    }
    const Clock::time_point deadline = Clock::now() + std::chrono::seconds(20);
    const xcb_atom_t check = InternAtom(c, "_NET_SUPPORTING_WM_CHECK");
    while (!HasProperty(c, root, check)) {
        if (!NextEvent(c, deadline)) {
            return "no window manager: openbox did not take over the screen";
        }
    }

    // Openbox may leave a window mapped during its start-up unmanaged until some other event
    // reaches it. A window of our own is mapped, and openbox nudged with a change of a root
    // property it watches, until it frames that window; from then on it keeps up.
    const xcb_window_t probe = xcb_generate_id(c);
    const std::uint32_t structure = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
    xcb_create_window(c, XCB_COPY_FROM_PARENT, probe, root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK,
                      &structure);
    xcb_map_window(c, probe);
    const xcb_atom_t nudge = InternAtom(c, "_ZEMBO_TEST_NUDGE");
    bool managed = false;
    for (std::uint32_t n = 0; !managed && Clock::now() < deadline; ++n) {
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, root, nudge, XCB_ATOM_CARDINAL, 32, 1, &n);
        xcb_flush(c);
        pollfd p{xcb_get_file_descriptor(c), POLLIN, 0};
        poll(&p, 1, std::min(50, MillisecondsLeft(deadline)));
        while (xcb_generic_event_t* e = xcb_poll_for_event(c)) {
            managed = managed || (e->response_type & 0x7f) == XCB_REPARENT_NOTIFY;
            std::free(e);
        }
    }
    xcb_destroy_window(c, probe);
    xcb_delete_property(c, root, nudge);
    xcb_flush(c);
    return managed ? std::string() : "no window manager: openbox manages no window";
}

XProbe::XProbe(const std::string& display) : c_(xcb_connect(display.c_str(), nullptr)) {
    if (xcb_connection_has_error(c_) == 0) {
        root_ = xcb_setup_roots_iterator(xcb_get_setup(c_)).data->root;
    }
}

XProbe::~XProbe() {
    xcb_disconnect(c_);
}

xcb_atom_t XProbe::Atom(const char* name) {
    return InternAtom(c_, name);
}

// The server has done what this connection asked before: what other clients do next is seen.
void XProbe::Sync() {
    std::free(xcb_get_input_focus_reply(c_, xcb_get_input_focus(c_), nullptr));
}

void XProbe::Watch(xcb_window_t window) {
    const std::uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE | XCB_EVENT_MASK_STRUCTURE_NOTIFY;
    xcb_change_window_attributes(c_, window, XCB_CW_EVENT_MASK, &mask);
    Sync();
}

void XProbe::WatchRoot(std::uint32_t mask) {
    xcb_change_window_attributes(c_, root_, XCB_CW_EVENT_MASK, &mask);
    Sync();
}

std::optional<FrameExtents> XProbe::ExtentsOf(xcb_window_t window) {
    Freed<xcb_get_property_reply_t> r{xcb_get_property_reply(
        c_, xcb_get_property(c_, 0, window, Atom("_NET_FRAME_EXTENTS"), XCB_ATOM_CARDINAL, 0, 4),
        nullptr)};
    if (!r || r->format != 32 || xcb_get_property_value_length(r.reply) != 16) {
        return std::nullopt;
    }
    const auto* v = static_cast<const std::uint32_t*>(xcb_get_property_value(r.reply));
    return FrameExtents{static_cast<int>(v[0]), static_cast<int>(v[1]), static_cast<int>(v[2]),
                        static_cast<int>(v[3])};
}

QRect XProbe::ClientRect(xcb_window_t window) {
    Freed<xcb_get_geometry_reply_t> g{
        xcb_get_geometry_reply(c_, xcb_get_geometry(c_, window), nullptr)};
    Freed<xcb_translate_coordinates_reply_t> t{xcb_translate_coordinates_reply(
        c_, xcb_translate_coordinates(c_, window, root_, 0, 0), nullptr)};
    if (!g || !t) {
        return {};
    }
    return {t->dst_x, t->dst_y, g->width, g->height};
}

QRect XProbe::OuterRect(xcb_window_t window) {
    const FrameExtents e = ExtentsOf(window).value_or(FrameExtents{});
    return ClientRect(window).adjusted(-e.left, -e.top, e.right, e.bottom);
}

QRect XProbe::FrameWindowRect(xcb_window_t window) {
    for (;;) {
        Freed<xcb_query_tree_reply_t> r{
            xcb_query_tree_reply(c_, xcb_query_tree(c_, window), nullptr)};
        if (!r) {
            return {};
        }
        if (r->parent == root_) {
            break;
        }
        window = r->parent;
    }
    Freed<xcb_get_geometry_reply_t> g{
        xcb_get_geometry_reply(c_, xcb_get_geometry(c_, window), nullptr)};
    if (!g) {
        return {};
    }
    const int border = g->border_width;
    return {g->x, g->y, g->width + 2 * border, g->height + 2 * border};
}

bool XProbe::IsViewable(xcb_window_t window) {
    Freed<xcb_get_window_attributes_reply_t> r{
        xcb_get_window_attributes_reply(c_, xcb_get_window_attributes(c_, window), nullptr)};
    return r && r->map_state == XCB_MAP_STATE_VIEWABLE;
}

bool XProbe::HasState(xcb_window_t window, const char* state) {
    const xcb_atom_t wanted = Atom(state);
    Freed<xcb_get_property_reply_t> r{xcb_get_property_reply(
        c_, xcb_get_property(c_, 0, window, Atom("_NET_WM_STATE"), XCB_ATOM_ATOM, 0, 32), nullptr)};
    if (!r || r->format != 32) {
        return false;
    }
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(r.reply));
    const int count = xcb_get_property_value_length(r.reply) / 4;
    return std::find(atoms, atoms + count, wanted) != atoms + count;
}

QImage XProbe::Grab(const QRect& rect) {
    Freed<xcb_get_image_reply_t> image{xcb_get_image_reply(
        c_,
        xcb_get_image(c_, XCB_IMAGE_FORMAT_Z_PIXMAP, root_, static_cast<std::int16_t>(rect.x()),
                      static_cast<std::int16_t>(rect.y()), static_cast<std::uint16_t>(rect.width()),
                      static_cast<std::uint16_t>(rect.height()), ~0u),
        nullptr)};
    if (!image) {
        return {};
    }
    // A 24-bit screen comes as 32 bits a pixel, blue first: RGB32 on this machine's byte order.
    return QImage(xcb_get_image_data(image.reply), rect.width(), rect.height(), rect.width() * 4,
                  QImage::Format_RGB32)
        .copy();
}

void XProbe::SendToRoot(xcb_window_t window, const char* type, std::uint32_t d0, std::uint32_t d1) {
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = Atom(type);
    event.data.data32[0] = d0;
    event.data.data32[1] = d1;
    xcb_send_event(c_, 0, root_,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&event));
    xcb_flush(c_);
}

void XProbe::Minimise(xcb_window_t window) {
    SendToRoot(window, "WM_CHANGE_STATE", 3, 0);  // IconicState
}

void XProbe::Activate(xcb_window_t window) {
    SendToRoot(window, "_NET_ACTIVE_WINDOW", 2, XCB_CURRENT_TIME);  // as a pager asks
}

void XProbe::SendProtocol(xcb_window_t window, const char* protocol, std::uint32_t time) {
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = Atom("WM_PROTOCOLS");
    event.data.data32[0] = Atom(protocol);
    event.data.data32[1] = time;
    event.data.data32[2] = window;
    xcb_send_event(c_, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&event));
    xcb_flush(c_);
}

bool XProbe::WaitForEvent(const std::function<bool(const xcb_generic_event_t&)>& until,
                          Clock::time_point deadline) {
    xcb_flush(c_);
    for (;;) {
        while (xcb_generic_event_t* e = xcb_poll_for_event(c_)) {
            const bool done = until(*e);
            std::free(e);
            if (done) {
                return true;
            }
        }
        pollfd p{xcb_get_file_descriptor(c_), POLLIN, 0};
        if (poll(&p, 1, MillisecondsLeft(deadline)) <= 0) {
            return false;
        }
    }
}

void XProbe::Drain() {
    while (xcb_generic_event_t* e = xcb_poll_for_event(c_)) {
        std::free(e);
    }
}

bool WaitUntil(XProbe& probe, const std::function<bool()>& done, int ms) {
    if (done()) {
        return true;
    }
    QEventLoop loop;
    auto check = [&] {
        probe.Drain();
        if (done()) {
            loop.quit();
        }
    };
    QSocketNotifier events(xcb_get_file_descriptor(probe.Connection()), QSocketNotifier::Read);
    QObject::connect(&events, &QSocketNotifier::activated, &loop, check);
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, &loop, check);
    tick.start(10);
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    xcb_flush(probe.Connection());
    loop.exec();
    return done();
}

}  // namespace zembo::test
