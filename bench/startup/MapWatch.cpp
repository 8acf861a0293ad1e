// startup-map-watch [--title TEXT] [--settle MS] [--timeout MS] [--click X,Y --then TEXT2 | --then-size WxH]
//                   PROGRAM [ARGS...]
//
// Starts PROGRAM on the X display in $DISPLAY and waits for it to map a top-level window (with TEXT in its
// title, when given). Prints one line:
//   mapped_ms=<from just before exec to the MapNotify> rss_kb=<resident memory SETTLE ms later> title=<title>
// With --click, once SETTLE ms have passed it clicks the left button at (X, Y) in that window and adds
//   then_ms=<from the click to the MapNotify of a window with TEXT2 in its title, or of the size WxH>
// and after all that icon=<the sizes in the first window's _NET_WM_ICON, as 16x16,32x32, or "none">, and with
// --click then_icon=<the same for the second window>.
// (the launcher's module 4 button opening the experiment window, say, or a module's button its picture). Then
// it ends the program with SIGTERM. The window is seen from outside, as a window manager would see it, so the
// program under test needs no hook of its own. Exit code 0 when the window was mapped, 1 when the program
// ended first or the time-out passed, 2 for a usage or display error.
#include <xcb/xcb.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>

namespace {

double MillisecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

xcb_atom_t Atom(xcb_connection_t* x, const char* name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        x, xcb_intern_atom(x, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

std::string Title(xcb_connection_t* x, xcb_window_t window, xcb_atom_t netWmName, xcb_atom_t utf8) {
    for (const auto& [property, type] : {std::pair{netWmName, utf8}, {XCB_ATOM_WM_NAME, XCB_ATOM_STRING}}) {
        xcb_get_property_reply_t* reply =
            xcb_get_property_reply(x, xcb_get_property(x, 0, window, property, type, 0, 1024), nullptr);
        std::string title;
        if (reply && xcb_get_property_value_length(reply) > 0)
            title.assign(static_cast<const char*>(xcb_get_property_value(reply)),
                         static_cast<std::size_t>(xcb_get_property_value_length(reply)));
        std::free(reply);
        if (!title.empty()) return title;
    }
    return {};
}

// The sizes of the pictures in a window's _NET_WM_ICON (width, height, then the pixels, for each picture).
std::string IconSizes(xcb_connection_t* x, xcb_window_t window, xcb_atom_t netWmIcon) {
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        x, xcb_get_property(x, 0, window, netWmIcon, XCB_ATOM_CARDINAL, 0, 1 << 20), nullptr);
    std::string sizes;
    if (reply && reply->format == 32) {
        const auto* words = static_cast<const uint32_t*>(xcb_get_property_value(reply));
        const std::size_t count = std::size_t(xcb_get_property_value_length(reply)) / 4;
        for (std::size_t i = 0; i + 2 <= count;) {
            const uint32_t width = words[i], height = words[i + 1];
            if (width == 0 || height == 0 || i + 2 + std::size_t(width) * height > count) break;
            sizes += (sizes.empty() ? "" : ",") + std::to_string(width) + "x" + std::to_string(height);
            i += 2 + std::size_t(width) * height;
        }
    }
    std::free(reply);
    return sizes.empty() ? "none" : sizes;
}

// A left click as the server would report it: press and release at (x, y) of the window.
void Click(xcb_connection_t* x, xcb_window_t root, xcb_window_t window, int16_t px, int16_t py) {
    for (const uint8_t type : {uint8_t(XCB_BUTTON_PRESS), uint8_t(XCB_BUTTON_RELEASE)}) {
        xcb_button_press_event_t event{};
        event.response_type = type;
        event.detail = 1;
        event.time = XCB_CURRENT_TIME;
        event.root = root;
        event.event = window;
        event.child = XCB_NONE;
        event.root_x = px;
        event.root_y = py;
        event.event_x = px;
        event.event_y = py;
        event.state = type == XCB_BUTTON_RELEASE ? XCB_BUTTON_MASK_1 : 0;
        event.same_screen = 1;
        xcb_send_event(x, 0, window,
                       type == XCB_BUTTON_PRESS ? XCB_EVENT_MASK_BUTTON_PRESS : XCB_EVENT_MASK_BUTTON_RELEASE,
                       reinterpret_cast<const char*>(&event));
    }
    xcb_flush(x);
}

long ResidentKilobytes(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

} // namespace

int main(int argc, char** argv) {
    std::string wanted, then;
    int settleMs = 300, timeoutMs = 60000, first = 1, clickX = -1, clickY = -1, thenWidth = -1,
        thenHeight = -1;
    for (; first < argc && argv[first][0] == '-'; first += 2) {
        if (first + 1 >= argc) break;
        const std::string option = argv[first];
        if (option == "--title")
            wanted = argv[first + 1];
        else if (option == "--settle")
            settleMs = std::atoi(argv[first + 1]);
        else if (option == "--timeout")
            timeoutMs = std::atoi(argv[first + 1]);
        else if (option == "--click")
            std::sscanf(argv[first + 1], "%d,%d", &clickX, &clickY);
        else if (option == "--then")
            then = argv[first + 1];
        else if (option == "--then-size")
            std::sscanf(argv[first + 1], "%dx%d", &thenWidth, &thenHeight);
        else
            break;
    }
    if (first >= argc) {
        std::fprintf(
            stderr,
            "usage: startup-map-watch [--title TEXT] [--settle MS] [--timeout MS] PROGRAM [ARGS...]\n");
        return 2;
    }

    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "startup-map-watch: cannot open the display %s\n", std::getenv("DISPLAY"));
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
    const xcb_atom_t netWmName = Atom(x, "_NET_WM_NAME"), utf8 = Atom(x, "UTF8_STRING"); // also a round trip
    const xcb_atom_t netWmIcon = Atom(x, "_NET_WM_ICON");

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[first], argv + first);
        std::fprintf(stderr, "startup-map-watch: cannot run %s: %s\n", argv[first], std::strerror(errno));
        _exit(127);
    }

    pollfd display{xcb_get_file_descriptor(x), POLLIN, 0};
    // Waits for a window with `text` in its title (and of the given size, if any) to be mapped; answers when,
    // from `from`, or -1.
    auto waitForMap = [&](const std::string& text, std::chrono::steady_clock::time_point from,
                          xcb_window_t* window, std::string* title, int width = -1, int height = -1) {
        while (MillisecondsSince(start) < timeoutMs) {
            int status = 0;
            if (waitpid(child, &status, WNOHANG) == child) {
                std::fprintf(stderr, "startup-map-watch: the program ended before it mapped the window\n");
                return -2.0;
            }
            double mapped = -1;
            while (xcb_generic_event_t* event = xcb_poll_for_event(x)) {
                if ((event->response_type & 0x7F) == XCB_MAP_NOTIFY && mapped < 0) {
                    const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
                    const double at = MillisecondsSince(from);
                    const std::string name = Title(x, map->window, netWmName, utf8);
                    bool sized = width < 0;
                    if (!sized) {
                        xcb_get_geometry_reply_t* geometry =
                            xcb_get_geometry_reply(x, xcb_get_geometry(x, map->window), nullptr);
                        sized = geometry && geometry->width == width && geometry->height == height;
                        std::free(geometry);
                    }
                    if (!map->override_redirect && sized &&
                        (text.empty() || name.find(text) != std::string::npos)) {
                        mapped = at;
                        *window = map->window;
                        *title = name;
                    }
                }
                std::free(event);
            }
            if (mapped >= 0) return mapped;
            poll(&display, 1, 20);
        }
        std::fprintf(stderr, "startup-map-watch: no window \"%s\" mapped within %d ms\n", text.c_str(),
                     timeoutMs);
        return -1.0;
    };

    xcb_window_t window = XCB_NONE, second = XCB_NONE;
    std::string title, secondTitle;
    const double mappedMs = waitForMap(wanted, start, &window, &title);
    long rss = -1;
    double thenMs = -1;
    std::string icon = "none", thenIcon = "none";
    if (mappedMs >= 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
        rss = ResidentKilobytes(child);
        icon = IconSizes(x, window, netWmIcon);
        if (clickX >= 0) {
            const auto clicked = std::chrono::steady_clock::now();
            Click(x, root, window, int16_t(clickX), int16_t(clickY));
            thenMs = waitForMap(then, clicked, &second, &secondTitle, thenWidth, thenHeight);
            if (thenMs >= 0) thenIcon = IconSizes(x, second, netWmIcon);
        }
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    xcb_disconnect(x);
    if (mappedMs < 0 || (clickX >= 0 && thenMs < 0)) return 1;
    std::printf("mapped_ms=%.1f rss_kb=%ld", mappedMs, rss);
    if (clickX >= 0) std::printf(" then_ms=%.1f", thenMs);
    std::printf(" title=%s icon=%s", title.c_str(), icon.c_str());
    if (clickX >= 0) std::printf(" then_icon=%s", thenIcon.c_str());
    std::printf("\n");
    return 0;
}
