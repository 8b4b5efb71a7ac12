#!/usr/bin/env python3
"""The real program through a user's session: it draws, answers every key and ends cleanly.

The program (`vantrel OBJECT`, the build's own, the sanitizer build's included) runs in an X
display of its own (Xvfb) with an empty home folder, as a user's desktop starts it: no
suppressions' file named, the accessibility bridge on, the sanitizer build's own options and
suppressions in force. Keys are typed by xdotool:

  1. the 3D object named on the command line (the drawing tests' 50,000-polygon object, made
     small) shows its window; a click selects the tree's root;
  2. View > 3D (Alt+V, 3): the 3D pane draws the object (its pixels leave their plain colour);
  3. File Open (Ctrl+O), the chooser's location (Ctrl+L), a GPL track's path, Return: the track's
     window comes (a new 3D pane, its plan drawn);
  4. Ctrl+Q: the program ends.

After each command, Alt+F must open the File menu and Escape close it: the program has one GUI
thread, so a program that hangs in its drawing answers no key. Every wait polls its condition
and has a cap, and the whole session a deadline: a cap reached fails the test, naming the step.
The test passes when every step was seen, the program ended with exit status 0 and its output
holds no sanitizer report (an error, a leak report, a runtime error).

Usage: program_session.py --program PATH [--deadline SECONDS] [--shot PNG]
       program_session.py --program PATH --open-times POLYGONS [--runs N]
         prints the seconds the program takes to open the drawing benchmark's object of so many
         polygons (named on its command line) and answer a key, run after run
"""
import argparse
import os
import shutil
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
TESTS = os.path.join(HERE, "..", "..", "..")
sys.path.insert(0, os.path.join(TESTS, "Vantrel", "View", "Gui"))
sys.path.insert(0, os.path.join(TESTS, "Papy", "Track"))
import program_response as screen_kit  # noqa: E402  the screen read through Xlib, the keys
import trk  # noqa: E402  the independent track generator

GPL3DO = os.path.join(TESTS, "Papy", "GPL", "gpl3do.py")
# The drawing benchmark's object, of few polygons: drawn at once, even in the sanitizer build.
POLYGONS = 200
# The caps of the waits (seconds): the sanitizer build starts and draws many times slower than
# the optimised one, on a machine busy with other tests.
START_CAP, STEP_CAP, QUIT_CAP = 120.0, 60.0, 60.0
# How long a key is given to take effect before it is typed again, where typing it again is
# harmless.
RETRY = 2.0
# What a sanitizer writes when it finds a fault or a leak.
REPORTS = ("ERROR: AddressSanitizer", "LeakSanitizer", "runtime error")


class Failure(Exception):
    pass


class Session:
    def __init__(self, program, folder, display, screen, deadline, opened=None):
        self.folder, self.display, self.screen, self.deadline = folder, display, screen, deadline
        self.home = os.path.join(folder, "home")
        os.makedirs(self.home)
        env = dict(os.environ, DISPLAY=display, HOME=self.home, TMPDIR=folder,
                   XDG_CONFIG_HOME=os.path.join(self.home, ".config"), GTK_OVERLAY_SCROLLING="0")
        # As a user's desktop starts it: the program's own leak suppressions and the accessibility
        # bridge on, nothing the tests add.
        for name in ("LSAN_OPTIONS", "NO_AT_BRIDGE"):
            env.pop(name, None)
        self.output = os.path.join(folder, "output.txt")
        self.object = opened or os.path.join(folder, "polygons.3do")
        if opened is None:
            subprocess.run([sys.executable, GPL3DO, "polygons", self.object, "--count", str(POLYGONS)],
                           check=True, stdout=subprocess.DEVNULL)
        self.track = os.path.join(folder, "corners.trk")
        with open(self.track, "wb") as f:
            f.write(trk.write_gpl(trk.gpl_corners()))
        self.started = time.monotonic()
        with open(self.output, "w") as log:
            self.process = subprocess.Popen([program, self.object], env=env, stdout=log,
                                            stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL)
        self.main = None
        self.pane_shown = None

    def wait(self, condition, cap, what):
        """Polls the condition until it holds (its value); a cap or the deadline passed fails."""
        end = min(time.monotonic() + cap, self.deadline)
        while True:
            if self.process.poll() is not None:
                raise Failure("%s: the program ended (status %d)" % (what, self.process.returncode))
            value = condition()
            if value:
                return value
            if time.monotonic() >= end:
                raise Failure("%s: not within %.0f s" % (what, cap))
            time.sleep(screen_kit.POLL)

    def poll(self, condition, cap):
        """Polls the condition for at most cap seconds: whether it held."""
        end = time.monotonic() + cap
        while not condition():
            if time.monotonic() >= end:
                return False
            time.sleep(screen_kit.POLL)
        return True

    def key(self, *keys):
        screen_kit.key(self.display, *keys)

    def shown(self):
        return [w for w in self.screen.children() if w.viewable]

    def popup(self):
        return next(filter(screen_kit.is_popup, self.shown()), None)

    def dialog(self):
        """A dialog's window: a shown top-level window other than the main one, of a dialog's size
        (the toolkit keeps small windows of its own shown)."""
        return next((w for w in self.shown() if not w.override and w.id != self.main.id
                     and w.width >= 300 and w.height >= 200), None)

    def panes(self):
        """The shown child windows of the main window of a pane's size (each OpenGL canvas has a
        window of its own)."""
        return {w.id: w for w in self.screen.children(self.main.id) if w.viewable and w.width > 50}

    def pixels(self, pane):
        return self.screen.pixels(self.main.x + pane.x, self.main.y + pane.y, pane.width, pane.height)

    def drawn(self, pane):
        """Whether the pane shows more than one colour."""
        data = self.pixels(pane)
        return bool(data) and data != data[:4] * (len(data) // 4)

    def focus(self):
        # Without a window manager nothing is given the focus: the main window is given it, as
        # a window manager would.
        screen_kit.xdotool(self.display, "windowfocus", "--sync", str(self.main.id))

    def answers(self, after):
        """Alt+F opens the File menu and Escape closes it. A window that the chooser's closing
        left without the focus takes no key: while no menu shows, the main window is given the
        focus and Alt+F typed again (a program that hangs answers none of them)."""
        self.wait(lambda: self.popup() is None, STEP_CAP, "no menu left open after %s" % after)
        self.key("alt+f")
        def opened():
            if self.poll(self.popup, RETRY):
                return True
            self.focus()
            self.key("alt+f")
            return False
        self.wait(opened, STEP_CAP, "the File menu after %s" % after)
        self.key("Escape")
        self.wait(lambda: self.popup() is None, STEP_CAP, "the File menu closed after %s" % after)

    def start(self):
        def main():
            shown = [w for w in self.shown() if not w.override and w.width >= 400]
            return max(shown, key=screen_kit.Window.area) if shown else None
        self.main = self.wait(main, START_CAP, "the main window")
        pane = self.wait(lambda: max(self.panes().values(), key=screen_kit.Window.area, default=None),
                         START_CAP, "the 3D object's window")
        self.pane_shown = time.monotonic()
        self.focus()
        x, y = screen_kit.ROOT_ITEM
        screen_kit.xdotool(self.display, "mousemove", str(self.main.x + x), str(self.main.y + y), "click", "1")
        self.answers("the object's window")
        return pane

    def view_3d(self, pane):
        self.key("alt+v")
        self.wait(self.popup, STEP_CAP, "the View menu")
        self.key("3")
        self.wait(lambda: self.drawn(pane), STEP_CAP, "the object drawn by View > 3D")
        self.answers("View > 3D")

    def open_track(self):
        before = set(self.panes())
        self.key("ctrl+o")
        self.wait(self.dialog, STEP_CAP, "File Open's chooser")
        self.key("ctrl+l")
        screen_kit.xdotool(self.display, "type", "--delay", "20", self.track)
        # The chooser takes Return only once its location entry has read the typed folder: the
        # key is given again while the chooser stays.
        def closed():
            if self.dialog() is None:
                return True
            self.key("Return")
            return self.poll(lambda: self.dialog() is None, RETRY)
        self.wait(closed, STEP_CAP, "the chooser closed by Return")
        self.focus()
        new = lambda: next((w for i, w in self.panes().items() if i not in before), None)
        plan = self.wait(new, STEP_CAP, "the track's window")
        self.wait(lambda: self.drawn(plan), STEP_CAP, "the track's plan drawn")
        self.answers("opening the track")

    def quit(self):
        self.key("ctrl+q")
        end = min(time.monotonic() + QUIT_CAP, self.deadline)
        while self.process.poll() is None:
            if time.monotonic() >= end:
                raise Failure("the end of the program after Ctrl+Q: not within %.0f s" % QUIT_CAP)
            time.sleep(screen_kit.POLL)
        return self.process.returncode

    def kill(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait(10)

    def log(self):
        with open(self.output, errors="replace") as f:
            return f.read()


def open_times(program, count, runs, deadline):
    """The seconds from the program's start with the drawing benchmark's object of `count`
    polygons to its 3D pane's window, and from there to the tree's root selected by a click and
    the File menu answered: one line per run."""
    folder = tempfile.mkdtemp(prefix="program-session-open-")
    opened = os.path.join(folder, "polygons.3do")
    subprocess.run([sys.executable, GPL3DO, "polygons", opened, "--count", str(count)], check=True,
                   stdout=subprocess.DEVNULL)
    try:
        with screen_kit.own_display() as (display, screen):
            for run in range(1, runs + 1):
                session = Session(program, tempfile.mkdtemp(dir=folder), display, screen,
                                  time.monotonic() + deadline, opened)
                try:
                    session.start()
                    shown = session.pane_shown - session.started
                    answered = time.monotonic() - session.started
                    print("run %d: %d polygons: window with its 3D pane %.2f s, a key answered %.2f s"
                          % (run, count, shown, answered), flush=True)
                    session.quit()
                except Failure as e:
                    print("run %d: %s" % (run, e), flush=True)
                finally:
                    session.kill()
    finally:
        shutil.rmtree(folder, ignore_errors=True)
    return 0


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--program", required=True)
    parser.add_argument("--deadline", type=float, default=300.0, help="seconds for the whole session")
    parser.add_argument("--shot", help="where a failed session leaves a shot of the screen (PNG)")
    parser.add_argument("--open-times", type=int, metavar="POLYGONS",
                        help="print how long the program takes to open the drawing benchmark's object "
                             "of this many polygons (no session, no verdict)")
    parser.add_argument("--runs", type=int, default=3, help="runs of --open-times")
    args = parser.parse_args(argv[1:])
    for tool in ("Xvfb", "xdotool"):
        if shutil.which(tool) is None:
            print("%s is missing (scripts/packages.txt lists its package)" % tool)
            return 1
    if args.open_times:
        return open_times(args.program, args.open_times, args.runs, args.deadline)
    deadline = time.monotonic() + args.deadline
    folder = tempfile.mkdtemp(prefix="program-session-")
    session, failure, status = None, None, None
    with screen_kit.own_display() as (display, screen):
        try:
            session = Session(args.program, folder, display, screen, deadline)
            pane = session.start()
            print("the object's window is shown, a key answered", flush=True)
            session.view_3d(pane)
            print("View > 3D drew the object, a key answered", flush=True)
            session.open_track()
            print("the track's window drew its plan, a key answered", flush=True)
            status = session.quit()
            print("Ctrl+Q ended the program with status %d" % status, flush=True)
        except Failure as e:
            failure = str(e)
            if args.shot and shutil.which("import"):
                os.makedirs(os.path.dirname(os.path.abspath(args.shot)), exist_ok=True)
                subprocess.run(["import", "-window", "root", args.shot], env=dict(os.environ, DISPLAY=display),
                               timeout=30)
        finally:
            if session is not None:
                session.kill()
    output = session.log() if session is not None else ""
    shutil.rmtree(folder, ignore_errors=True)
    reports = [r for r in REPORTS if r in output]
    if failure is None and status != 0:
        failure = "the program ended with status %d" % status
    if failure is None and reports:
        failure = "the program's output holds a sanitizer report (%s)" % ", ".join(reports)
    if failure is not None:
        print("FAILED: " + failure)
        print("the program's output:\n" + output)
        return 1
    print("passed: every step seen, exit status 0, no sanitizer report")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
