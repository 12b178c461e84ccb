/* Offers data on the X clipboard under several targets at once, as desktop programs do
 * (xclip offers one). For the end-to-end tests.
 *   xoffer TARGET FILE [TARGET FILE]...
 * A FILE may be a pipe (bash's <(...)). Returns once it owns the CLIPBOARD selection; a
 * background copy serves the data until another program takes the selection, the display
 * goes, or ten minutes have passed.
 * Exit codes: 0 offered, 1 the display or the selection could not be had, 2 bad arguments. */
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <poll.h>
#include <stdio.h>
#include <stdlib.h>
#include <unistd.h>

#define MAX_OFFERS 16
#define SERVE_SECONDS 600

struct offer {
    Atom target;
    unsigned char* data;
    long size;
};

static struct offer offers[MAX_OFFERS];
static int offer_count;

/* The whole file, read to its end; NULL when it cannot be read. */
static unsigned char* read_file(const char* path, long* size) {
    FILE* f = fopen(path, "rb");
    if (!f)
        return NULL;
    unsigned char* buf = NULL;
    size_t cap = 0, got = 0, n = 0;
    do {
        if (got == cap && !(buf = realloc(buf, cap = 2 * cap + 4096)))
            break;
        n = fread(buf + got, 1, cap - got, f);
        got += n;
    } while (n > 0);
    fclose(f);
    *size = (long)got;
    return buf;
}

/* The server's time now: the timestamp of a property change of our own. */
static Time server_time(Display* dpy, Window win) {
    XEvent ev;
    Atom stamp = XInternAtom(dpy, "XOFFER_TIME", False);
    XChangeProperty(dpy, win, stamp, XA_STRING, 8, PropModeAppend, (unsigned char*)"", 0);
    XWindowEvent(dpy, win, PropertyChangeMask, &ev);
    return ev.xproperty.time;
}

static void answer(Display* dpy, XSelectionRequestEvent* req, Atom targets_atom, long max_bytes) {
    XSelectionEvent ev = {.type = SelectionNotify,
                          .display = req->display,
                          .requestor = req->requestor,
                          .selection = req->selection,
                          .target = req->target,
                          .property = None,
                          .time = req->time};
    Atom property = req->property != None ? req->property : req->target; /* old clients */
    if (req->target == targets_atom) {
        Atom list[MAX_OFFERS + 1];
        list[0] = targets_atom;
        for (int i = 0; i < offer_count; ++i)
            list[i + 1] = offers[i].target;
        XChangeProperty(dpy, req->requestor, property, XA_ATOM, 32, PropModeReplace,
                        (unsigned char*)list, offer_count + 1);
        ev.property = property;
    }
    for (int i = 0; i < offer_count && ev.property == None; ++i) {
        /* Large data would need the incremental protocol, which the tests never need. */
        if (offers[i].target == req->target && offers[i].size <= max_bytes) {
            XChangeProperty(dpy, req->requestor, property, req->target, 8, PropModeReplace,
                            offers[i].data, (int)offers[i].size);
            ev.property = property;
        }
    }
    XSendEvent(dpy, req->requestor, False, NoEventMask, (XEvent*)&ev);
    XFlush(dpy);
}

int main(int argc, char** argv) {
    if (argc < 3 || argc % 2 == 0 || (argc - 1) / 2 > MAX_OFFERS) {
        fprintf(stderr, "usage: xoffer TARGET FILE [TARGET FILE]...\n");
        return 2;
    }
    Display* dpy = XOpenDisplay(NULL);
    if (!dpy) {
        fprintf(stderr, "xoffer: cannot open the display\n");
        return 1;
    }
    for (int i = 1; i < argc; i += 2) {
        struct offer* o = &offers[offer_count++];
        o->target = XInternAtom(dpy, argv[i], False);
        o->data = read_file(argv[i + 1], &o->size);
        if (!o->data) {
            fprintf(stderr, "xoffer: cannot read %s\n", argv[i + 1]);
            return 2;
        }
    }
    Atom clipboard = XInternAtom(dpy, "CLIPBOARD", False);
    Atom targets_atom = XInternAtom(dpy, "TARGETS", False);
    long max_bytes = XMaxRequestSize(dpy) * 4 - 1024;
    Window win = XCreateSimpleWindow(dpy, DefaultRootWindow(dpy), 0, 0, 1, 1, 0, 0, 0);
    XSelectInput(dpy, win, PropertyChangeMask);
    XSetSelectionOwner(dpy, clipboard, win, server_time(dpy, win));
    if (XGetSelectionOwner(dpy, clipboard) != win) {
        fprintf(stderr, "xoffer: the clipboard selection was refused\n");
        return 1;
    }
    XFlush(dpy);

    /* The caller goes on once the data is offered; a background copy serves it. */
    pid_t pid = fork();
    if (pid != 0)
        _exit(pid < 0 ? 1 : 0);
    setsid();

    struct pollfd pfd = {ConnectionNumber(dpy), POLLIN, 0};
    for (int waited = 0; waited < SERVE_SECONDS * 10;) {
        if (!XPending(dpy)) {
            if (poll(&pfd, 1, 100) == 0)
                ++waited;
            continue;
        }
        XEvent ev;
        XNextEvent(dpy, &ev);
        if (ev.type == SelectionClear)
            break;
        if (ev.type == SelectionRequest)
            answer(dpy, &ev.xselectionrequest, targets_atom, max_bytes);
    }
    return 0;
}
