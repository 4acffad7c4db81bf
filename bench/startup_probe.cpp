// Measures a windowed program's start-up on the X server of DISPLAY: the time
// from starting it to its first top-level window of at least 100 by 100 being
// mapped, and its peak memory (maximum resident set) a moment later. Prints
// the medians of RUNS starts.
//   startup_probe RUNS PROGRAM [ARGUMENTS...]

#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

bool isMainSized(xcb_connection_t* x, xcb_window_t window) {
    xcb_get_geometry_reply_t* geometry = xcb_get_geometry_reply(x, xcb_get_geometry(x, window), nullptr);
    const bool big = geometry && geometry->width >= 100 && geometry->height >= 100;
    std::free(geometry);
    return big;
}

// Waits for the map of a main-sized top-level window; false after 20 s.
bool waitForMap(xcb_connection_t* x) {
    const auto deadline = Clock::now() + std::chrono::seconds(20);
    pollfd fd{xcb_get_file_descriptor(x), POLLIN, 0};
    while (Clock::now() < deadline) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(x)) {
            const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY &&
                                isMainSized(x, reinterpret_cast<xcb_map_notify_event_t*>(event)->window);
            std::free(event);
            if (mapped) return true;
        }
        poll(&fd, 1, 5);
    }
    return false;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: startup_probe RUNS PROGRAM [ARGUMENTS...]\n");
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "startup_probe: no X server\n");
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(x);

    std::vector<double> milliseconds, kilobytes;
    for (int run = 0; run < runs; ++run) {
        const auto start = Clock::now();
        const pid_t child = fork();
        if (child == 0) {
            execv(argv[2], argv + 2);
            _exit(127);
        }
        const bool mapped = waitForMap(x);
        const auto shown = Clock::now();
        std::this_thread::sleep_for(std::chrono::milliseconds(300));  // let it draw its first frame
        kill(child, SIGTERM);
        int status = 0;
        rusage usage{};
        wait4(child, &status, 0, &usage);
        if (!mapped) {
            std::fprintf(stderr, "startup_probe: %s mapped no window\n", argv[2]);
            return 1;
        }
        milliseconds.push_back(std::chrono::duration<double, std::milli>(shown - start).count());
        kilobytes.push_back(static_cast<double>(usage.ru_maxrss));
    }
    std::printf("%s: start to mapped %.1f ms, peak memory %.0f KiB (medians of %d)\n", argv[2], median(milliseconds),
                median(kilobytes), runs);
    std::printf("%.3f %.0f\n", median(milliseconds), median(kilobytes));
    xcb_disconnect(x);
    return 0;
}
