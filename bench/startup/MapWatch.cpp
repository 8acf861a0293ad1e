// startup-map-watch [--title TEXT] [--settle MS] [--timeout MS] PROGRAM [ARGS...]
//
// Starts PROGRAM on the X display in $DISPLAY and waits for it to map a top-level window (with TEXT in its
// title, when given). Prints one line:
//   mapped_ms=<from just before exec to the MapNotify> rss_kb=<resident memory SETTLE ms later> title=<title>
// then ends the program with SIGTERM. The window is seen from outside, as a window manager would see it,
// so the program under test needs no hook of its own. Exit code 0 when the window was mapped, 1 when the
// program ended first or the time-out passed, 2 for a usage or display error.
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

long ResidentKilobytes(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

} // namespace

int main(int argc, char** argv) {
    std::string wanted;
    int settleMs = 300, timeoutMs = 60000, first = 1;
    for (; first < argc && argv[first][0] == '-'; first += 2) {
        if (first + 1 >= argc) break;
        const std::string option = argv[first];
        if (option == "--title")
            wanted = argv[first + 1];
        else if (option == "--settle")
            settleMs = std::atoi(argv[first + 1]);
        else if (option == "--timeout")
            timeoutMs = std::atoi(argv[first + 1]);
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

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[first], argv + first);
        std::fprintf(stderr, "startup-map-watch: cannot run %s: %s\n", argv[first], std::strerror(errno));
        _exit(127);
    }

    double mappedMs = -1;
    std::string title;
    pollfd display{xcb_get_file_descriptor(x), POLLIN, 0};
    while (mappedMs < 0 && MillisecondsSince(start) < timeoutMs) {
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child) {
            std::fprintf(stderr, "startup-map-watch: the program ended before it mapped a window\n");
            return 1;
        }
        while (xcb_generic_event_t* event = xcb_poll_for_event(x)) {
            if ((event->response_type & 0x7F) == XCB_MAP_NOTIFY && mappedMs < 0) {
                const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
                const double at = MillisecondsSince(start);
                const std::string name = Title(x, map->window, netWmName, utf8);
                if (!map->override_redirect && (wanted.empty() || name.find(wanted) != std::string::npos)) {
                    mappedMs = at;
                    title = name;
                }
            }
            std::free(event);
        }
        if (mappedMs < 0) poll(&display, 1, 20);
    }

    long rss = -1;
    if (mappedMs >= 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
        rss = ResidentKilobytes(child);
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    xcb_disconnect(x);
    if (mappedMs < 0) {
        std::fprintf(stderr, "startup-map-watch: no window mapped within %d ms\n", timeoutMs);
        return 1;
    }
    std::printf("mapped_ms=%.1f rss_kb=%ld title=%s\n", mappedMs, rss, title.c_str());
    return 0;
}
