#!/usr/bin/env python3
"""Hot key -> main menu on screen, under Wine: the wait a user feels most. Run by bench/wine
inside the private display and prefix it sets up. Prints figures; never fails the caller.

A Wine target window (pastetarget.exe) is in front with the pointer over it, as when the user
works in an application. Each opening runs `xdotool key alt+shift+Insert` under
build/bench/tools/menu_watch, which reads the X server directly: the time from just before
xdotool starts until the menu's override-redirect X window is mapped (a MapNotify event, no
polling) and until the menu's first row is drawn on the screen (a 150 x 18 rectangle at the
pointer, where the menu opens, polled every 0.25 ms with XGetImage until it differs from
before and is no longer one plain colour). Between openings Escape closes the menu and
qbxctl.exe confirms it is gone.

A second round opens the menu with an external collection of 200,000 tiny items (1.8 MB) beside
the history: it must open as fast as over the history alone.

The measurement's own delay is xdotool's start-up until its key press reaches the X server:
measured the same way over a plain X window of menu_watch's own (`menu_watch keys`) and
printed; the "from the key press" figures subtract its median. The rectangle poll adds at
most about 0.3 ms.
"""
import argparse
import os
import shutil
import statistics
import subprocess
import sys
import time

HOT_KEY = ["xdotool", "key", "alt+shift+Insert"]
POINTER = (400, 300)  # over the target window (100,100 to 660,460)
ROW = (POINTER[0] + 2, POINTER[1] + 2, 150, 18)  # the menu's first row: it opens at the pointer
OPEN_TIMEOUT_MS = 5000
RUN_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Run"
BIG_ITEMS = 200000


def log(msg):
    print(msg, flush=True)


def write_big_collection(small, path, count):
    """A collection file of `count` text items of two characters, its header taken from `small`
    (a collection file the qbx tool made): per item the caption, type 1, the text, no HTML."""
    with open(small, "rb") as f:
        header = f.read(40)
    record = b"\x02xy\x01\x00\x02xy\x00"
    with open(path, "wb") as f:
        f.write(header + record * count)


def wait_until(test, seconds):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if test():
            return True
        time.sleep(0.05)
    return False


class MenuBench:
    def __init__(self, args):
        self.build = args.build
        self.folder = os.path.join(args.out, "menu-program")
        self.target_out = os.path.join(args.out, "menu-target")
        self.qbx = os.path.join(self.build, "native", "qbx")
        self.qbxctl = os.path.join(self.build, "mingw", "e2e", "qbxctl.exe")
        self.watch = os.path.join(self.build, "bench", "tools", "menu_watch")
        self.procs = []

    def wine(self, *args, timeout=60):
        return subprocess.run(["wine", *args], stdout=subprocess.PIPE,
                              stderr=subprocess.DEVNULL, timeout=timeout)

    def menus_open(self):
        return self.wine(self.qbxctl, "wait-menus", "1", "0").returncode == 0

    def start(self, big=False):
        shutil.rmtree(self.folder, ignore_errors=True)
        os.makedirs(self.folder)
        shutil.copy(os.path.join(self.build, "mingw", "Quillbox.exe"), self.folder)
        active = os.path.join(self.folder, "Clipboard.qbx")
        for i in range(8):  # a full history of the default capacity
            subprocess.run([self.qbx, "add", active, "--text", "history item %d" % i],
                           check=True, stdout=subprocess.DEVNULL)
        if big:
            small = os.path.join(self.folder, "Small.qbx")
            subprocess.run([self.qbx, "add", small, "--text", "small"], check=True,
                           stdout=subprocess.DEVNULL)
            write_big_collection(small, os.path.join(self.folder, "Big.qbx"), BIG_ITEMS)
            os.remove(small)
        for f in (self.target_out + ".log", self.target_out + ".txt"):
            if os.path.exists(f):
                os.remove(f)
        self.wine("reg", "delete", RUN_KEY, "/v", "Quillbox", "/f")
        target = os.path.join(self.build, "mingw", "e2e", "pastetarget.exe")
        self.procs.append(subprocess.Popen(["wine", target, self.target_out, "plain", "600"],
                                           stdout=subprocess.DEVNULL,
                                           stderr=subprocess.DEVNULL))

        def target_ready():
            try:
                with open(self.target_out + ".log") as f:
                    return f.read().startswith("ready")
            except OSError:
                return False

        if not wait_until(target_ready, 60):
            log("the target window did not start; no figures")
            return False
        self.procs.append(subprocess.Popen(["wine", "Quillbox.exe"], cwd=self.folder,
                                           stdout=subprocess.DEVNULL,
                                           stderr=subprocess.DEVNULL))
        if self.wine(self.qbxctl, "viewer", "Quillbox", "120", timeout=180).returncode != 0:
            log("Quillbox did not start; no figures")
            return False
        # Without a window manager the keyboard goes to the window under the pointer.
        subprocess.run(["xdotool", "mousemove", str(POINTER[0]), str(POINTER[1])], check=True)
        return True

    def stop(self):
        if len(self.procs) > 1:
            self.wine(self.qbxctl, "close", "Quillbox")
        for p in reversed(self.procs):
            try:
                p.wait(timeout=30 if p is self.procs[-1] else 0)
            except subprocess.TimeoutExpired:
                p.kill()
                p.wait()
        self.procs = []
        self.wine("reg", "delete", RUN_KEY, "/v", "Quillbox", "/f")

    def watch_run(self, *args):
        out = subprocess.run([self.watch, *args], stdout=subprocess.PIPE,
                             stderr=subprocess.DEVNULL, timeout=60)
        words = out.stdout.decode().split()
        values = dict(zip(words[0::2], (float(w) for w in words[1::2])))
        return out.returncode, values

    def key_delay(self, runs):
        """xdotool start -> its Insert press at the X server, over a plain X window."""
        presses = []
        for _ in range(runs):
            rc, v = self.watch_run("keys", *HOT_KEY)
            if rc == 0:
                presses.append(v["press"])
        return presses

    def openings(self, count):
        maps, paints, missed = [], [], 0
        for _ in range(count):
            rc, v = self.watch_run("open", *(str(n) for n in ROW), str(OPEN_TIMEOUT_MS),
                                   *HOT_KEY)
            if rc != 0 or not self.menus_open():
                missed += 1
                log("opening %d: no menu (menu_watch status %d, %s)" % (_ + 1, rc, v))
            else:
                maps.append(v["map"])
                paints.append(v["paint"])
            subprocess.run(["xdotool", "key", "Escape"], check=True)
            if not wait_until(lambda: not self.menus_open(), 30):
                log("the menu did not close on Escape; stopping")
                break
        return maps, paints, missed


def figures(values):
    return "median %6.1f ms, worst %6.1f ms" % (statistics.median(values), max(values))


def report(delay, maps, paints, missed, openings):
    if missed:
        log("%d of %d openings showed no menu within %d ms" % (missed, openings,
                                                               OPEN_TIMEOUT_MS))
    if not paints or not delay:
        log("no figures")
        return
    own = statistics.median(delay)
    log("xdotool start -> key press at the X server:   %s   (the measurement's own delay)"
        % figures(delay))
    log("xdotool start -> menu window mapped:          %s" % figures(maps))
    log("xdotool start -> first row drawn:             %s" % figures(paints))
    log("key press -> first row drawn:                 %s   goal: 100 ms   (%d openings)"
        % (figures([p - own for p in paints]), len(paints)))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", required=True)
    parser.add_argument("--out", required=True)
    parser.add_argument("--openings", type=int, default=20)
    args = parser.parse_args()
    bench = MenuBench(args)
    if not os.access(bench.watch, os.X_OK):
        log("no %s (./dev bench builds it); no figures" % bench.watch)
        return 0
    rounds = [("", False, args.openings),
              (", a collection of %d tiny items beside the history" % BIG_ITEMS, True,
               max(args.openings // 2, 1))]
    delay = []
    for what, big, openings in rounds:
        log("== hot key -> main menu on screen under Wine: Alt+Shift+Insert over a Wine window%s, "
            "%d openings" % (what, openings))
        try:
            if not bench.start(big):
                return 0
            if not delay:
                delay = bench.key_delay(args.openings)
                if bench.menus_open():  # the hot key over a plain X window opens nothing
                    log("a menu opened over a plain X window")
                    subprocess.run(["xdotool", "key", "Escape"])
            maps, paints, missed = bench.openings(openings)
        finally:
            bench.stop()
        report(delay, maps, paints, missed, openings)
    return 0


if __name__ == "__main__":
    sys.exit(main())
