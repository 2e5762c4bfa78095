// SPDX-License-Identifier: GPL-3.0-or-later
/* Loaded into a program with LD_PRELOAD: at the program's first upload of window pixels to the
 * X server (its first painted frame), writes one line "painted PEAK_KB CPU_MS" to the file
 * descriptor named by FIRST_PAINT_FD: the process's peak resident memory and the processor time
 * it has used so far, all threads, user and system. It lets the start-up of any Qt program be
 * measured the same way, without logging that slows the program; the processor time stays true
 * on a machine busy with other work, where the time on the clock does not.
 * With FIRST_PAINT_EXIT=1 the program ends right after that line, so that a run under callgrind
 * counts exactly the work up to the first frame and nothing after it. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/resource.h>
#include <unistd.h>

typedef struct {
    unsigned int sequence;
} xcb_void_cookie_t;

static long peak_resident_kb(void) {
    FILE* status = fopen("/proc/self/status", "r");
    char line[256];
    long kb = -1;
    while (status && fgets(line, sizeof line, status)) {
        if (strncmp(line, "VmHWM:", 6) == 0) {
            kb = strtol(line + 6, NULL, 10);
        }
    }
    if (status) {
        fclose(status);
    }
    return kb;
}

static double processor_ms(void) {
    struct rusage usage;
    if (getrusage(RUSAGE_SELF, &usage) != 0) {
        return -1;
    }
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

static void report_first_paint(void) {
    static int reported = 0;
    const char* fd_text = getenv("FIRST_PAINT_FD");
    if (reported || !fd_text) {
        return;
    }
    reported = 1;
    char line[80];
    const int length = snprintf(line, sizeof line, "painted %ld %.1f\n", peak_resident_kb(), processor_ms());
    if (write(atoi(fd_text), line, (size_t)length) != length) {
        /* The measuring script has gone: nothing to report to. */
    }
    const char* exit_text = getenv("FIRST_PAINT_EXIT");
    if (exit_text && strcmp(exit_text, "1") == 0) {
        _exit(0);
    }
}

/* The X libraries come with the platform plugin, opened in a scope of its own: look there. */
static void* real_function(const char* library, const char* name) {
    void* function = dlsym(RTLD_NEXT, name);
    if (!function) {
        void* handle = dlopen(library, RTLD_LAZY | RTLD_NOLOAD);
        function = handle ? dlsym(handle, name) : NULL;
    }
    if (!function) {
        abort();
    }
    return function;
}

#define NEXT(library, name) ((name##_function)real_function(library, #name))

typedef xcb_void_cookie_t (*xcb_shm_put_image_function)(void*, uint32_t, uint32_t, uint16_t, uint16_t,
                                                        uint16_t, uint16_t, uint16_t, uint16_t, int16_t,
                                                        int16_t, uint8_t, uint8_t, uint8_t, uint32_t,
                                                        uint32_t);
xcb_void_cookie_t xcb_shm_put_image(void* c, uint32_t drawable, uint32_t gc, uint16_t total_width,
                                    uint16_t total_height, uint16_t src_x, uint16_t src_y, uint16_t src_width,
                                    uint16_t src_height, int16_t dst_x, int16_t dst_y, uint8_t depth,
                                    uint8_t format, uint8_t send_event, uint32_t shmseg, uint32_t offset) {
    xcb_void_cookie_t cookie = NEXT("libxcb-shm.so.0", xcb_shm_put_image)(
        c, drawable, gc, total_width, total_height, src_x, src_y, src_width, src_height, dst_x, dst_y, depth,
        format, send_event, shmseg, offset);
    report_first_paint();
    return cookie;
}

typedef xcb_void_cookie_t (*xcb_put_image_function)(void*, uint8_t, uint32_t, uint32_t, uint16_t, uint16_t,
                                                    int16_t, int16_t, uint8_t, uint8_t, uint32_t,
                                                    const uint8_t*);
xcb_void_cookie_t xcb_put_image(void* c, uint8_t format, uint32_t drawable, uint32_t gc, uint16_t width,
                                uint16_t height, int16_t dst_x, int16_t dst_y, uint8_t left_pad,
                                uint8_t depth, uint32_t data_len, const uint8_t* data) {
    xcb_void_cookie_t cookie = NEXT("libxcb.so.1", xcb_put_image)(
        c, format, drawable, gc, width, height, dst_x, dst_y, left_pad, depth, data_len, data);
    report_first_paint();
    return cookie;
}
