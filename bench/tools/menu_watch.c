/* Times what a user sees after a key press, at the X server of the display in $DISPLAY.
 *   menu_watch open X Y W H TIMEOUT_MS COMMAND [ARGS...]
 *       runs COMMAND (the key press, e.g. xdotool) and prints, in milliseconds from just
 *       before it starts: "map MS paint MS": when the first override-redirect top-level
 *       window (a popup menu under Wine) was mapped, and when the screen rectangle X Y W H
 *       first showed something drawn there (differs from before and is not one plain
 *       colour). Exit 0 when both were seen, 1 on timeout, 2 bad arguments.
 *   menu_watch keys COMMAND [ARGS...]
 *       the delay of COMMAND itself: maps a small window of its own, gives it the focus,
 *       runs COMMAND and prints "press MS release MS" of the last key pressed (the key of
 *       a combination that follows its modifiers).
 * The map time is read from MapNotify events and needs no polling; the rectangle is
 * polled every POLL_US microseconds. */
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

enum { POLL_US = 250 };

static double now_ms(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

static pid_t run(char** argv) {
    pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[0], argv);
        _exit(127);
    }
    return pid;
}

static XImage* grab(Display* d, int x, int y, int w, int h) {
    return XGetImage(d, DefaultRootWindow(d), x, y, (unsigned)w, (unsigned)h, AllPlanes, ZPixmap);
}

static int same_image(const XImage* a, const XImage* b) {
    return a->bytes_per_line == b->bytes_per_line && a->height == b->height &&
           memcmp(a->data, b->data, (size_t)a->bytes_per_line * (size_t)a->height) == 0;
}

/* A window mapped but not yet painted shows its background: one colour. */
static int plain(XImage* img) {
    unsigned long first = XGetPixel(img, 0, 0);
    for (int y = 0; y < img->height; ++y)
        for (int x = 0; x < img->width; ++x)
            if (XGetPixel(img, x, y) != first)
                return 0;
    return 1;
}

static int watch_open(Display* d, int x, int y, int w, int h, double timeout, char** cmd) {
    Window root = DefaultRootWindow(d);
    XSelectInput(d, root, SubstructureNotifyMask);
    XSync(d, True); /* nothing mapped before the press counts */
    XImage* before = grab(d, x, y, w, h);
    if (!before) {
        fprintf(stderr, "menu_watch: cannot read the screen at %d,%d %dx%d\n", x, y, w, h);
        return 2;
    }
    double t0 = now_ms(), mapped = -1, painted = -1;
    pid_t child = run(cmd);
    while (painted < 0 && now_ms() - t0 < timeout) {
        while (XPending(d)) {
            XEvent e;
            XNextEvent(d, &e);
            if (e.type == MapNotify && e.xmap.override_redirect && mapped < 0)
                mapped = now_ms() - t0;
        }
        if (mapped >= 0) {
            XImage* img = grab(d, x, y, w, h);
            if (img && !same_image(img, before) && !plain(img))
                painted = now_ms() - t0;
            if (img)
                XDestroyImage(img);
        }
        if (painted < 0)
            usleep(POLL_US);
    }
    XDestroyImage(before);
    waitpid(child, NULL, 0);
    printf("map %.2f paint %.2f\n", mapped, painted);
    return painted >= 0 ? 0 : 1;
}

static int watch_keys(Display* d, char** cmd) {
    Window win = XCreateSimpleWindow(d, DefaultRootWindow(d), 0, 0, 40, 40, 0, 0, 0);
    XSetWindowAttributes attrs;
    attrs.override_redirect = True;
    XChangeWindowAttributes(d, win, CWOverrideRedirect, &attrs);
    XSelectInput(d, win, KeyPressMask | KeyReleaseMask | ExposureMask);
    XMapRaised(d, win);
    XEvent e;
    do
        XNextEvent(d, &e);
    while (e.type != Expose);
    XSetInputFocus(d, win, RevertToPointerRoot, CurrentTime);
    XSync(d, True);
    double t0 = now_ms(), pressed = -1, released = -1;
    unsigned last = 0;
    pid_t child = run(cmd);
    int status = 0;
    /* The command ends after its last release: read until then, and what it left queued. */
    while (waitpid(child, &status, WNOHANG) == 0 || XPending(d)) {
        while (XPending(d)) {
            XNextEvent(d, &e);
            double t = now_ms() - t0;
            if (e.type == KeyPress) {
                last = e.xkey.keycode;
                pressed = t;
            } else if (e.type == KeyRelease && e.xkey.keycode == last && released < pressed)
                released = t;
        }
        usleep(POLL_US);
    }
    XSetInputFocus(d, PointerRoot, RevertToPointerRoot, CurrentTime);
    XDestroyWindow(d, win);
    XSync(d, False);
    printf("press %.2f release %.2f\n", pressed, released);
    return pressed >= 0 ? 0 : 1;
}

int main(int argc, char** argv) {
    Display* d = XOpenDisplay(NULL);
    if (!d) {
        fprintf(stderr, "menu_watch: cannot open the display\n");
        return 2;
    }
    int rc = 2;
    if (argc >= 8 && strcmp(argv[1], "open") == 0)
        rc = watch_open(d, atoi(argv[2]), atoi(argv[3]), atoi(argv[4]), atoi(argv[5]),
                        atof(argv[6]), argv + 7);
    else if (argc >= 3 && strcmp(argv[1], "keys") == 0)
        rc = watch_keys(d, argv + 2);
    else
        fprintf(stderr, "usage: menu_watch open X Y W H TIMEOUT_MS COMMAND... | keys COMMAND...\n");
    XCloseDisplay(d);
    return rc;
}
