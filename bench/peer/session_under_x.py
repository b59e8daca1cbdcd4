#!/usr/bin/env python3
"""Times one editing session in a real program on an X display (Xvfb):
open a page through the program's Open dialog, Ctrl+End, type three keys,
Ctrl+S. For every step it reports
  answer - until the first ping sent after the step was answered,
  stall  - the longest any ping sent during the step waited for its answer
           (x_ping_probe pings the main window with _NET_WM_PING every
           10 ms, which a program answers from its event loop),
  busy   - until the program used under a tenth of a core for 0.5 s,
and checks that the saved file is the page plus the three keys.

  session_under_x.py PROBE PAGE WINDOW_TITLE PROGRAM [ARGS...]

WINDOW_TITLE is a word of the main window's title ("Geany", "Tagloom").

Needs DISPLAY (a window manager running), xdotool, and the probe built
from x_ping_probe.c (cc -O2 -o x_ping_probe x_ping_probe.c -lX11).
"""
import os
import subprocess
import sys
import time


def now_ms():
    return time.clock_gettime(time.CLOCK_MONOTONIC) * 1000.0


def cpu_ticks(pid):
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return int(fields[11]) + int(fields[12])


def wait_quiet(pid, limit_s=300):
    """Waits until the process used < 10% of a core over 0.5 s; returns when that began (ms)."""
    hz = os.sysconf("SC_CLK_TCK")
    samples = [(now_ms(), cpu_ticks(pid))]
    deadline = time.time() + limit_s
    while time.time() < deadline:
        time.sleep(0.05)
        samples.append((now_ms(), cpu_ticks(pid)))
        while len(samples) > 2 and samples[-1][0] - samples[1][0] >= 500:
            samples.pop(0)
        (t0, c0), (t1, c1) = samples[0], samples[-1]
        if t1 - t0 >= 500 and (c1 - c0) * 1000.0 / hz < 0.1 * (t1 - t0):
            return t0
    return now_ms()


def xdotool(*args):
    return subprocess.run(["xdotool", *args], capture_output=True, text=True).stdout.split()


def find_window(title, limit_s=60):
    deadline = time.time() + limit_s
    while time.time() < deadline:
        found = xdotool("search", "--onlyvisible", "--name", title)
        if found:
            return found[0]
        time.sleep(0.1)
    raise SystemExit(f"no window titled {title}")


def main():
    probe, page, title, program = sys.argv[1], sys.argv[2], sys.argv[3], sys.argv[4:]
    with open(page, "rb") as f:
        original = f.read()
    proc = subprocess.Popen(program, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(3)
    wait_quiet(proc.pid)
    window = find_window(title)
    pings = subprocess.Popen([probe, window], stdout=subprocess.PIPE, text=True)
    steps = []

    def step(name, action, done=lambda: True):
        start = now_ms()
        action()
        deadline = time.time() + 300
        while not done() and time.time() < deadline:
            time.sleep(0.02)
        quiet = max(wait_quiet(proc.pid), now_ms() - 500)
        steps.append((name, start, quiet))
        if os.environ.get("SESSION_SHOTS"):
            subprocess.run(f"xwd -root -silent > {os.environ['SESSION_SHOTS']}-{name}.xwd", shell=True)

    xdotool("windowactivate", "--sync", window)
    # Open: the dialog is up first; the step starts with the Return that opens.
    xdotool("key", "ctrl+o")
    dialog = find_window("Open")
    xdotool("windowactivate", "--sync", dialog)
    time.sleep(1)
    # Ctrl+L gives GTK's chooser its location field (a leading "/" typed
    # without it opens the field and loses the next key); Qt's has it already.
    xdotool("key", "ctrl+l")
    time.sleep(0.5)
    xdotool("type", "--delay", "20", page)
    time.sleep(3) # the chooser completes the name in the background first
    step("open", lambda: xdotool("key", "Return"))
    # The main window gets the keys again once the chooser is gone (some
    # programs leave the focus nowhere under a plain window manager).
    xdotool("windowactivate", "--sync", window)
    # A click in the middle of the window puts the focus in the text.
    geometry = subprocess.run(["xdotool", "getwindowgeometry", "--shell", window],
                              capture_output=True, text=True).stdout
    size = dict(line.split("=") for line in geometry.split() if "=" in line)
    xdotool("mousemove", "--window", window, str(int(size["WIDTH"]) // 2), str(int(size["HEIGHT"]) // 2),
            "click", "1")
    time.sleep(0.5)
    wait_quiet(proc.pid)
    step("ctrl+end", lambda: xdotool("key", "ctrl+End"))
    step("type", lambda: xdotool("type", "--delay", "100", "abc"))
    # Typed at the very end, before or after a last line break the program
    # adds on saving (Tagloom writes one after every line; Geany keeps the
    # file's own ending).
    stem = original[:-2] if original.endswith(b"\r\n") else original
    accepted = {stem + b"abc\r\n", original + b"abc"}
    sizes = {len(a) for a in accepted}
    step("save", lambda: xdotool("key", "ctrl+s"), lambda: os.path.getsize(page) in sizes)
    time.sleep(0.5)
    proc.kill()
    pings.kill()
    answers = [tuple(map(float, line.split())) for line in pings.stdout.read().splitlines()]
    with open(page, "rb") as f:
        saved = f.read()
    for name, start, quiet in steps:
        during = [(s, a) for s, a in answers if start <= s <= quiet]
        first = min((a for s, a in answers if s >= start), default=float("nan"))
        stall = max((a - s for s, a in during), default=float("nan"))
        # A gap between answers counts too: pings wait in the queue meanwhile.
        print(f"{name:9s} answer {first - start:8.0f} ms  stall {stall:8.0f} ms  busy {quiet - start:8.0f} ms")
    print("saved exactly" if saved in accepted else f"saved DIFFERENT ({len(saved)} bytes)")
    with open(page, "wb") as f:
        f.write(original)


if __name__ == "__main__":
    main()
