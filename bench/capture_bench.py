#!/usr/bin/env python3
"""Figures of the running program under Wine: capture latency (and CopyQ's, for comparison),
idle cost and start-up time. Run by bench/wine inside the private display and prefix it
sets up. Prints figures; never fails the caller.

Capture latency: from just before xclip sets the X clipboard until the cut is in
Clipboard.qbx (autosave on): the file is watched with stat() every millisecond, and a change
counts once the first item of `qbx list` is the cut. For CopyQ: until `copyq read 0` prints
the cut (polled back to back; one such call takes tens of milliseconds, so CopyQ's figures
carry that resolution). Cuts are 600 ms apart: the program takes cuts closer than 500 ms as
one.

Idle cost: CPU time (utime + stime from /proc) of the program's process over 60 s in which
nothing happens, as a share of one core.

Start-up: from starting `wine Quillbox.exe` until a text that was on the clipboard before
the start is in Clipboard.qbx: the program captures the clipboard once, then joins the
viewer chain, so this bounds the time to joining from above. The Wine prefix and its
wineserver exist already (their creation is not counted).

Cuts kept of cuts 600 ms apart: N texts set with xclip on a fixed 600 ms schedule (capacity
120, autosave on); the captions in Clipboard.qbx are gathered every 50 cuts and 3 s after the
last, and the cuts among them counted.

Burst: N texts set with xclip back to back; then up to 10 s for the last one to be the
newest item; reported: the burst's length, whether and when the last cut was kept, and how
many of the burst's cuts the collection holds.
"""
import argparse
import os
import shutil
import statistics
import subprocess
import sys
import time

CUT_SPACING = 0.6
CUT_TIMEOUT = 10.0
RUN_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Run"


def log(msg):
    print(msg, flush=True)


class Bench:
    def __init__(self, args):
        self.build = args.build
        self.out = args.out
        self.qbx = os.path.join(self.build, "native", "qbx")
        self.qbxctl = os.path.join(self.build, "mingw", "e2e", "qbxctl.exe")
        self.folder = os.path.join(self.out, "program")
        self.file = os.path.join(self.folder, "Clipboard.qbx")
        self.proc = None

    # --- the program ---
    def prepare_folder(self, *prefs):
        shutil.rmtree(self.folder, ignore_errors=True)
        os.makedirs(self.folder)
        shutil.copy(os.path.join(self.build, "mingw", "Quillbox.exe"), self.folder)
        # The defaults plus autosave.
        subprocess.run([self.qbx, "set", self.file, "m_dwOptions=0xF15D", *prefs], check=True,
                       stdout=subprocess.DEVNULL)

    def wine(self, *args, timeout=60):
        return subprocess.run(["wine", *args], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                              timeout=timeout)

    def start(self):
        # No registered copy elsewhere (it would make the start ask about installing).
        self.wine("reg", "delete", RUN_KEY, "/v", "Quillbox", "/f")
        self.proc = subprocess.Popen(["wine", "Quillbox.exe"], cwd=self.folder,
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def wait_joined(self):
        return self.wine(self.qbxctl, "viewer", "Quillbox", "60").returncode == 0

    def stop(self):
        if not self.proc:
            return
        self.wine(self.qbxctl, "close", "Quillbox")
        try:
            self.proc.wait(timeout=60)
        except subprocess.TimeoutExpired:
            self.proc.kill()
            self.proc.wait()
        self.proc = None
        self.wine("reg", "delete", RUN_KEY, "/v", "Quillbox", "/f")

    def captions(self):
        out = subprocess.run([self.qbx, "list", self.file], stdout=subprocess.PIPE,
                             stderr=subprocess.DEVNULL).stdout.decode("latin-1")
        return [line.split("\t")[3] for line in out.split("\n") if line.count("\t") >= 3]

    def first_caption(self):
        out = subprocess.run([self.qbx, "list", self.file], stdout=subprocess.PIPE,
                             stderr=subprocess.DEVNULL).stdout.decode("latin-1")
        line = out.split("\n", 1)[0]
        parts = line.split("\t")
        return parts[3] if len(parts) >= 4 else None

    def file_state(self):
        try:
            st = os.stat(self.file)
            return (st.st_ino, st.st_mtime_ns, st.st_size)
        except OSError:
            return None

    def wait_on_disk(self, text, t0):
        """Seconds from t0 until `text` is the first item of the file; None on timeout."""
        seen = None
        while time.perf_counter() - t0 < CUT_TIMEOUT:
            state = self.file_state()
            if state != seen:
                seen = state
                if self.first_caption() == text:
                    return time.perf_counter() - t0
            time.sleep(0.001)
        return None

    # --- measurements ---
    def set_clipboard(self, text):
        # xclip stays in the background serving the cut; it complains when the display goes.
        subprocess.run(["xclip", "-selection", "clipboard", "-i"], input=text.encode(),
                       stderr=subprocess.DEVNULL, check=True)

    def quillbox_latency(self, cuts):
        self.prepare_folder()
        self.set_clipboard("")
        self.start()
        if not self.wait_joined():
            log("Quillbox did not join the viewer chain; no figures")
            self.stop()
            return []
        time.sleep(CUT_SPACING)
        times = []
        for i in range(cuts):
            text = "quillbox bench cut %d" % i
            t0 = time.perf_counter()
            self.set_clipboard(text)
            took = self.wait_on_disk(text, t0)
            if took is not None:
                times.append(took)
            time.sleep(CUT_SPACING)
        self.stop()
        missed = cuts - len(times)
        if missed:
            log("Quillbox: %d of %d cuts not on disk within %.0f s" % (missed, cuts, CUT_TIMEOUT))
        return times

    def start_capturing(self, *prefs):
        self.prepare_folder(*prefs)
        self.set_clipboard("")
        self.start()
        if not self.wait_joined():
            self.stop()
            return False
        time.sleep(CUT_SPACING)
        return True

    def kept_of_spaced(self, cuts):
        """How many of `cuts` cuts made 600 ms apart the program kept; None when it never ran."""
        if not self.start_capturing("m_nMaxItems=120"):
            return None
        made = ["spaced cut %d" % i for i in range(cuts)]
        seen = set()
        t0 = time.perf_counter()
        for i, text in enumerate(made):
            delay = t0 + i * CUT_SPACING - time.perf_counter()
            if delay > 0:
                time.sleep(delay)
            self.set_clipboard(text)
            if i % 50 == 49:
                seen.update(self.captions())
        time.sleep(3)
        seen.update(self.captions())
        self.stop()
        return sum(1 for text in made if text in seen)

    def burst(self, cuts):
        """(seconds the burst took, seconds until its last cut was the newest item or None,
        cuts of the burst the collection holds)."""
        if not self.start_capturing("m_nMaxItems=120"):
            return None
        made = ["burst cut %d" % i for i in range(cuts)]
        t0 = time.perf_counter()
        for text in made:
            self.set_clipboard(text)
        t1 = time.perf_counter()
        kept_after = self.wait_on_disk(made[-1], t1)
        held = sum(1 for text in self.captions() if text in set(made))
        self.stop()
        return t1 - t0, kept_after, held

    def copyq_latency(self, cuts):
        if not shutil.which("copyq"):
            log("CopyQ: not installed (./dev setup bench installs it); no figures")
            return []
        home = os.path.join(self.out, "copyq-home")
        shutil.rmtree(home, ignore_errors=True)
        os.makedirs(home)
        env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"),
                   XDG_DATA_HOME=os.path.join(home, ".local", "share"),
                   XDG_RUNTIME_DIR=home)
        session = ["copyq", "-s", "qbxbench"]
        server = subprocess.Popen(session, env=env, stdout=subprocess.DEVNULL,
                                  stderr=subprocess.DEVNULL)

        def call(*args):
            return subprocess.run([*session, *args], env=env, stdout=subprocess.PIPE,
                                  stderr=subprocess.DEVNULL, timeout=30)

        times = []
        try:
            deadline = time.time() + 30
            # Its server starts watching the clipboard a while after it starts: cut until it
            # keeps one.
            warm = 0
            while True:
                warm += 1
                text = "copyq warm-up %d" % warm
                self.set_clipboard(text)
                time.sleep(1.0)
                if call("read", "0").stdout.decode("utf-8", "replace") == text:
                    break
                if time.time() > deadline:
                    log("CopyQ: it kept no cut within 30 s; no figures")
                    return []
            time.sleep(CUT_SPACING)
            for i in range(cuts):
                text = "copyq bench cut %d" % i
                t0 = time.perf_counter()
                self.set_clipboard(text)
                while time.perf_counter() - t0 < CUT_TIMEOUT:
                    if call("read", "0").stdout.decode("utf-8", "replace") == text:
                        times.append(time.perf_counter() - t0)
                        break
                time.sleep(CUT_SPACING)
        finally:
            call("exit")
            try:
                server.wait(timeout=30)
            except subprocess.TimeoutExpired:
                server.kill()
                server.wait()
        if len(times) < cuts:
            log("CopyQ: %d of %d cuts not seen within %.0f s" % (cuts - len(times), cuts,
                                                                  CUT_TIMEOUT))
        return times

    def idle_cost(self, seconds):
        self.prepare_folder()
        self.set_clipboard("")
        self.start()
        if not self.wait_joined():
            log("Quillbox did not join the viewer chain; no idle figure")
            self.stop()
            return None
        time.sleep(2)  # let the start settle
        pid = self.proc.pid
        hz = os.sysconf("SC_CLK_TCK")

        def cpu():
            with open("/proc/%d/stat" % pid) as f:
                fields = f.read().rsplit(")", 1)[1].split()
            return int(fields[11]) + int(fields[12])  # utime, stime

        with open("/proc/%d/cmdline" % pid, "rb") as f:
            cmdline = f.read().replace(b"\0", b" ").decode("latin-1")
        before, t0 = cpu(), time.perf_counter()
        time.sleep(seconds)
        after, t1 = cpu(), time.perf_counter()
        self.stop()
        return (after - before) / hz, t1 - t0, cmdline.strip()

    def startup(self, runs):
        self.prepare_folder()
        times = []
        for i in range(runs):
            text = "start-up probe %d" % i
            self.set_clipboard(text)
            time.sleep(CUT_SPACING)
            t0 = time.perf_counter()
            self.start()
            took = self.wait_on_disk(text, t0)
            self.wait_joined()
            self.stop()
            if took is not None:
                times.append(took)
        return times


def ms(values):
    return "median %.1f ms, worst %.1f ms (%d cuts)" % (statistics.median(values) * 1000,
                                                        max(values) * 1000, len(values))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", required=True)
    parser.add_argument("--out", required=True)
    parser.add_argument("--cuts", type=int, default=50)
    parser.add_argument("--idle", type=float, default=60.0)
    parser.add_argument("--starts", type=int, default=5)
    parser.add_argument("--spaced", type=int, default=500)
    parser.add_argument("--burst", type=int, default=500)
    parser.add_argument("--only", default="latency,idle,startup,spaced,burst",
                        help="the measurements to make, by name, comma-separated")
    args = parser.parse_args()
    only = set(args.only.split(","))
    bench = Bench(args)
    try:
        if "latency" in only:
            log("== capture latency: X clipboard set -> on disk (autosave), %d cuts %.1f s apart"
                % (args.cuts, CUT_SPACING))
            q = bench.quillbox_latency(args.cuts)
            if q:
                log("Quillbox: " + ms(q) + "   target: median <= 50 ms")
            c = bench.copyq_latency(args.cuts)
            if c:
                log("CopyQ:    " + ms(c) + "   (until `copyq read 0` prints it)")
            if q and c:
                log("ratio Quillbox/CopyQ: median %.2f, worst %.2f"
                    % (statistics.median(q) / statistics.median(c), max(q) / max(c)))

        if "spaced" in only:
            log("== cuts kept: %d cuts %.1f s apart (xclip)" % (args.spaced, CUT_SPACING))
            kept = bench.kept_of_spaced(args.spaced)
            if kept is None:
                log("Quillbox did not join the viewer chain; no figure")
            else:
                log("Quillbox: %d of %d kept   target: all" % (kept, args.spaced))

        if "burst" in only:
            log("== burst: %d cuts back to back (xclip)" % args.burst)
            b = bench.burst(args.burst)
            if b is None:
                log("Quillbox did not join the viewer chain; no figure")
            else:
                took, kept_after, held = b
                last = ("kept %.0f ms after the burst" % (kept_after * 1000)
                        if kept_after is not None else "NOT kept within %.0f s" % CUT_TIMEOUT)
                log("Quillbox: burst of %.1f s; last cut %s; %d of its cuts held   "
                    "target: the last cut kept" % (took, last, held))

        if "idle" in only:
            log("== idle cost: CPU time of the program over %.0f s with nothing happening"
                % args.idle)
            idle = bench.idle_cost(args.idle)
            if idle:
                used, span, cmdline = idle
                log("Quillbox: %.3f s CPU in %.1f s = %.3f %% of one core   target: < 0.5 %%"
                    "   (process: %s)" % (used, span, 100.0 * used / span, cmdline))

        if "startup" in only:
            log("== start-up: process start -> clipboard of the start on disk (joins the chain "
                "right after), %d starts" % args.starts)
            s = bench.startup(args.starts)
            if s:
                log("Quillbox: median %.0f ms, worst %.0f ms (%d starts)   target: < 1000 ms"
                    % (statistics.median(s) * 1000, max(s) * 1000, len(s)))
            else:
                log("Quillbox: no start-up figure (the clipboard of the start never reached disk)")
    finally:
        bench.stop()
    return 0


if __name__ == "__main__":
    sys.exit(main())
