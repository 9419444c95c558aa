// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Times the start of X11 programs from outside, without changing them.
//
// For each run the probe forks and execs the program and watches the X server:
// it asks the DAMAGE extension to report every rectangle drawn into each new
// top-level window and, once a window is mapped, marks the reported
// rectangles on a map of that window. The first moment at which every pixel
// of the mapped window has been drawn is the first complete frame; the time
// from just before fork() to the arrival of that report is the start-up time,
// and the program's VmRSS read from /proc at that moment its resident memory.
// The program is then killed. Programs are run alternately, round after round,
// so drift of the machine affects them alike.
//
// usage: startup_probe ROUNDS PROGRAM_A PROGRAM_B [SNAPSHOT.ppm]
// With SNAPSHOT, the window of PROGRAM_B's first run is saved as it stood at
// its first complete frame, to check the method by eye.
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <map>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Sample {
    double milliseconds = 0;
    long rssKiB = 0;
};

struct Watched {
    xcb_damage_damage_t damage = 0;
    bool mapped = false;
    int width = 0, height = 0;
    std::vector<unsigned char> drawn;
    long left = 0;
};

[[noreturn]] void die(const char *what)
{
    std::fprintf(stderr, "startup_probe: %s\n", what);
    std::exit(2);
}

long residentKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

void saveWindow(xcb_connection_t *x, xcb_window_t window, int width, int height, const char *file)
{
    auto *reply = xcb_get_image_reply(
        x, xcb_get_image(x, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0, width, height, ~0u), nullptr);
    if (!reply)
        return;
    const uint8_t *data = xcb_get_image_data(reply);
    FILE *out = std::fopen(file, "wb");
    if (out) {
        std::fprintf(out, "P6\n%d %d\n255\n", width, height);
        for (int i = 0; i < width * height; ++i) {
            const uint8_t rgb[3] = {data[4 * i + 2], data[4 * i + 1], data[4 * i]};
            std::fwrite(rgb, 1, 3, out);
        }
        std::fclose(out);
    }
    std::free(reply);
}

Sample runOnce(xcb_connection_t *x, xcb_window_t root, const char *program, const char *snapshot)
{
    std::map<xcb_window_t, Watched> windows;
    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid < 0)
        die("fork failed");
    if (pid == 0) {
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, 1);
        dup2(null, 2);
        execl(program, program, static_cast<char *>(nullptr));
        _exit(127);
    }
    const int damageBase = xcb_get_extension_data(x, &xcb_damage_id)->first_event;
    Sample sample;
    bool done = false;
    while (!done) {
        xcb_generic_event_t *event = xcb_poll_for_event(x);
        if (!event) {
            if (xcb_connection_has_error(x))
                die("lost the X connection");
            pollfd fd{xcb_get_file_descriptor(x), POLLIN, 0};
            if (poll(&fd, 1, 20000) == 0)
                die("no complete frame within 20 s");
            continue;
        }
        const int type = event->response_type & 0x7f;
        if (type == XCB_CREATE_NOTIFY) {
            auto *created = reinterpret_cast<xcb_create_notify_event_t *>(event);
            Watched &w = windows[created->window];
            w.damage = xcb_generate_id(x);
            xcb_damage_create(x, w.damage, created->window, XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
            xcb_flush(x);
        } else if (type == XCB_MAP_NOTIFY) {
            auto *mapped = reinterpret_cast<xcb_map_notify_event_t *>(event);
            auto found = windows.find(mapped->window);
            if (found != windows.end() && !mapped->override_redirect) {
                auto *geometry = xcb_get_geometry_reply(
                    x, xcb_get_geometry(x, mapped->window), nullptr);
                Watched &w = found->second;
                w.mapped = true;
                w.width = geometry->width;
                w.height = geometry->height;
                w.drawn.assign(size_t(w.width) * w.height, 0);
                w.left = long(w.width) * w.height;
                std::free(geometry);
            }
        } else if (type == damageBase + XCB_DAMAGE_NOTIFY) {
            auto *damage = reinterpret_cast<xcb_damage_notify_event_t *>(event);
            auto found = windows.find(damage->drawable);
            if (found != windows.end() && found->second.mapped) {
                Watched &w = found->second;
                const xcb_rectangle_t &r = damage->area;
                for (int y = std::max(0, int(r.y)); y < std::min(w.height, r.y + r.height); ++y)
                    for (int xx = std::max(0, int(r.x)); xx < std::min(w.width, r.x + r.width); ++xx) {
                        unsigned char &cell = w.drawn[size_t(y) * w.width + xx];
                        if (!cell) {
                            cell = 1;
                            --w.left;
                        }
                    }
                if (w.left == 0) {
                    sample.milliseconds =
                        std::chrono::duration<double, std::milli>(Clock::now() - start).count();
                    sample.rssKiB = residentKiB(pid);
                    if (snapshot)
                        saveWindow(x, damage->drawable, w.width, w.height, snapshot);
                    done = true;
                }
            }
        }
        std::free(event);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    for (auto &[window, w] : windows)
        xcb_damage_destroy(x, w.damage);
    xcb_flush(x);
    // Let the server finish with the dead program's windows before the next start.
    usleep(150 * 1000);
    while (xcb_generic_event_t *late = xcb_poll_for_event(x))
        std::free(late);
    (void)root;
    return sample;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 4)
        die("usage: startup_probe ROUNDS PROGRAM_A PROGRAM_B [SNAPSHOT.ppm]");
    const int rounds = std::atoi(argv[1]);
    const char *programs[2] = {argv[2], argv[3]};
    const char *snapshot = argc > 4 ? argv[4] : nullptr;

    xcb_connection_t *x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x))
        die("cannot open the X display");
    auto *version = xcb_damage_query_version_reply(
        x, xcb_damage_query_version(x, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION), nullptr);
    if (!version)
        die("the X server has no DAMAGE extension");
    std::free(version);
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(x);

    // One unmeasured start of each fills the file cache.
    runOnce(x, root, programs[0], nullptr);
    runOnce(x, root, programs[1], nullptr);

    std::vector<double> times[2], memory[2];
    for (int round = 0; round < rounds; ++round) {
        // Alternate which program goes first.
        for (int k = 0; k < 2; ++k) {
            const int p = (round + k) % 2;
            const Sample s = runOnce(x, root, programs[p], p == 1 && round == 0 ? snapshot : nullptr);
            times[p].push_back(s.milliseconds);
            memory[p].push_back(double(s.rssKiB));
            std::printf("round %2d  %-40s %7.1f ms  %7ld KiB\n", round + 1, programs[p], s.milliseconds,
                        s.rssKiB);
            std::fflush(stdout);
        }
    }
    const double t0 = median(times[0]), t1 = median(times[1]);
    const double m0 = median(memory[0]), m1 = median(memory[1]);
    std::printf("\nmedians over %d rounds (time to first complete frame, resident memory then)\n", rounds);
    std::printf("  A %-40s %7.1f ms  %7.0f KiB\n", programs[0], t0, m0);
    std::printf("  B %-40s %7.1f ms  %7.0f KiB\n", programs[1], t1, m1);
    std::printf("ratio B/A: time %.3f  memory %.3f\n", t1 / t0, m1 / m0);
    xcb_disconnect(x);
    return 0;
}
