/* Pings an X11 window with _NET_WM_PING every 10 ms and prints, for every
 * answer, when the ping was sent and when it was answered (milliseconds on
 * the monotonic clock). A program answers from its event loop, so the
 * longest wait for an answer is the longest time it could not have answered
 * the user either; the same probe serves any toolkit.
 *
 *   x_ping_probe WINDOW_ID
 */
#include <X11/Xlib.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>
#include <unistd.h>

static double now_ms(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

int main(int argc, char **argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: %s WINDOW_ID\n", argv[0]);
        return 2;
    }
    Display *display = XOpenDisplay(NULL);
    if (!display)
        return 1;
    const Window window = strtoul(argv[1], NULL, 0);
    const Window root = DefaultRootWindow(display);
    const Atom protocols = XInternAtom(display, "WM_PROTOCOLS", False);
    const Atom ping = XInternAtom(display, "_NET_WM_PING", False);
    /* Answers go to the root window, sent with the substructure mask (GTK)
     * or the structure mask (Qt). */
    XSelectInput(display, root, SubstructureNotifyMask | StructureNotifyMask);
    static double sent[1 << 16];
    unsigned long sequence = 1;
    double next = now_ms();
    for (;;) {
        const double t = now_ms();
        if (t >= next) {
            XEvent event = {0};
            event.xclient.type = ClientMessage;
            event.xclient.window = window;
            event.xclient.message_type = protocols;
            event.xclient.format = 32;
            event.xclient.data.l[0] = (long)ping;
            event.xclient.data.l[1] = (long)sequence;
            event.xclient.data.l[2] = (long)window;
            XSendEvent(display, window, False, NoEventMask, &event);
            XFlush(display);
            sent[sequence & 0xFFFF] = t;
            ++sequence;
            next += 10;
        }
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == ClientMessage && event.xclient.message_type == protocols &&
                (Atom)event.xclient.data.l[0] == ping && (Window)event.xclient.data.l[2] == window) {
                printf("%.1f %.1f\n", sent[event.xclient.data.l[1] & 0xFFFF], now_ms());
                fflush(stdout);
            }
        }
        usleep(1000);
    }
}
