#!/usr/bin/env python3
"""The response of the real program to real input while its 3D pane draws a hostile file.

Each case is a file of drawing_samples.py (written into a temporary folder), opened by the
program (`vantrel FILE`) in an X display of its own (Xvfb, 1600 x 1200 x 24), with an empty home
folder per run and keys typed by xdotool. A run selects the tree's root (a click on it), gives
View > 3D or View > Track 3D by the menu's keys (Alt+V, then 3 or T) and measures:

  frame    seconds from the command to the pane's first frame: the first drawing into its
           window, reported by the X server's Damage extension (target 2 s);
  picture  seconds from the command to the first picture: the 3D pane's pixels leave the grey
           they show before it (target 2 s); a mode with nothing to draw (Track 3D of an object
           that is no track) keeps the grey: its picture is the frame;
  menu@cmd seconds from Alt+F, typed right after the command, to the File menu's popup being
           shown: the program has one GUI thread, so the menu opens when the first frame ends
           (no target of its own: the frame's is the picture's);
  box      seconds from the command to a message box of the pane, when one comes; the box is
           then given Ctrl+Q (does it end the program?) and closed with Enter, as a user would;
  menu@pic seconds from Alt+F, typed after the first picture (and the box), to the popup
           (target 1 s);
  quit     seconds from Ctrl+Q to the end of the process (target 2 s); when Ctrl+Q does not end
           it, File > Exit by its keys (Alt+F, X) is tried and named;
  peak     the process's maximum resident set (/usr/bin/time -v; target 500 MB).

Every wait polls its condition (the screen's pixels and windows, read through Xlib, and the
windows mapped however briefly) and has a cap; a cap reached is reported as a miss, a figure past
its target too. Prints the figures; asserts nothing.

Usage: program_response.py --program PATH [--runs N] [--only NAME] [--mode 3D|Track3D]
                           [--shots DIR]
"""
import argparse
import contextlib
import ctypes
import ctypes.util
import os
import shutil
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
SAMPLES = os.path.join(HERE, "..", "..", "Drawing", "drawing_samples.py")

SCREEN = (1600, 1200)
# Targets: first picture, menu open, quit (seconds), peak resident set (MB).
PICTURE_TARGET, MENU_TARGET, QUIT_TARGET, PEAK_TARGET = 2.0, 1.0, 2.0, 500
# Caps of the waits: the first picture and the end of the process are waited for well past their
# targets, so that a slow one still gets its figure.
PICTURE_CAP, MENU_CAP, QUIT_CAP, BOX_CAP, START_CAP = 30.0, 10.0, 20.0, 2.0, 30.0
POLL = 0.01
# How long the pane goes undrawn into before a command is sent.
QUIET = 0.3

# The cases: name, the generator's arguments ({d}: the samples' folder), the file opened.
CASES = [
    ("shared 40", ["shared", "{d}/gpl/shared.3do", "40"], "gpl/shared.3do"),
    ("chain 12 4", ["chain", "{d}/chain", "12", "4"], "chain/chain0.3do"),
    ("heavy-triangles", ["heavy-triangles", "{d}/n4/heavy-triangles.3do", "10", "100000"],
     "n4/heavy-triangles.3do"),
    ("heavy-vertices", ["heavy-vertices", "{d}/n4/heavy-vertices.3do", "10", "300000"],
     "n4/heavy-vertices.3do"),
    ("big-textures", ["big-textures", "{d}/big", "24", "12"], "big/textures.3do"),
    ("spellings", ["spellings", "{d}/spellings", "24", "12"], "spellings/textures.3do"),
    ("repeat-ptf 300", ["repeat-ptf", "{d}/ptf/repeat300.ptf", "300", "300"], "ptf/repeat300.ptf"),
    ("repeat-ptf 600", ["repeat-ptf", "{d}/ptf/repeat600.ptf", "600", "600"], "ptf/repeat600.ptf"),
]
# The modes: name, the View menu's key of the command.
MODES = [("3D", "3"), ("Track3D", "t")]

# Where the tree's root item lies in a fresh main window (its first row, left pane), from the
# window's top left corner.
ROOT_ITEM = (49, 74)


# ---------------------------------------------------------------------------------------------
# The screen, read through Xlib
# ---------------------------------------------------------------------------------------------

class WindowAttributes(ctypes.Structure):
    _fields_ = [("x", ctypes.c_int), ("y", ctypes.c_int), ("width", ctypes.c_int),
                ("height", ctypes.c_int), ("border_width", ctypes.c_int), ("depth", ctypes.c_int),
                ("visual", ctypes.c_void_p), ("root", ctypes.c_ulong), ("class_", ctypes.c_int),
                ("bit_gravity", ctypes.c_int), ("win_gravity", ctypes.c_int),
                ("backing_store", ctypes.c_int), ("backing_planes", ctypes.c_ulong),
                ("backing_pixel", ctypes.c_ulong), ("save_under", ctypes.c_int),
                ("colormap", ctypes.c_ulong), ("map_installed", ctypes.c_int),
                ("map_state", ctypes.c_int), ("all_event_masks", ctypes.c_long),
                ("your_event_mask", ctypes.c_long), ("do_not_propagate_mask", ctypes.c_long),
                ("override_redirect", ctypes.c_int), ("screen", ctypes.c_void_p)]


class Image(ctypes.Structure):
    # The leading fields of XImage, as far as the pixels need.
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.c_void_p), ("byte_order", ctypes.c_int),
                ("bitmap_unit", ctypes.c_int), ("bitmap_bit_order", ctypes.c_int),
                ("bitmap_pad", ctypes.c_int), ("depth", ctypes.c_int),
                ("bytes_per_line", ctypes.c_int), ("bits_per_pixel", ctypes.c_int)]


ErrorHandler = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)
VIEWABLE, Z_PIXMAP, ALL_PLANES, MAP_NOTIFY, SUBSTRUCTURE_NOTIFY = 2, 2, 0xFFFFFFFF, 19, 1 << 19


class Window:
    def __init__(self, wid, a):
        self.id, self.x, self.y, self.width, self.height = wid, a.x, a.y, a.width, a.height
        self.viewable, self.override = a.map_state == VIEWABLE, bool(a.override_redirect)

    def area(self):
        return self.width * self.height


class Screen:
    def __init__(self, display):
        x = ctypes.cdll.LoadLibrary(ctypes.util.find_library("X11") or "libX11.so.6")
        x.XOpenDisplay.restype = ctypes.c_void_p
        x.XOpenDisplay.argtypes = [ctypes.c_char_p]
        x.XDefaultRootWindow.restype = ctypes.c_ulong
        x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        x.XQueryTree.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong),
                                 ctypes.POINTER(ctypes.c_ulong),
                                 ctypes.POINTER(ctypes.POINTER(ctypes.c_ulong)),
                                 ctypes.POINTER(ctypes.c_uint)]
        x.XGetWindowAttributes.argtypes = [ctypes.c_void_p, ctypes.c_ulong,
                                           ctypes.POINTER(WindowAttributes)]
        x.XGetImage.restype = ctypes.POINTER(Image)
        x.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                                ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
        x.XDestroyImage.argtypes = [ctypes.POINTER(Image)]
        x.XFree.argtypes = [ctypes.c_void_p]
        x.XCloseDisplay.argtypes = [ctypes.c_void_p]
        x.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
        x.XPending.argtypes = [ctypes.c_void_p]
        x.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
        x.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
        self.x = x
        self.display = x.XOpenDisplay(display.encode())
        if not self.display:
            raise RuntimeError("cannot open display " + display)
        # Windows come and go between a query and the next: their errors are dropped.
        self.handler = ErrorHandler(lambda d, e: 0)
        x.XSetErrorHandler(self.handler)
        self.root = x.XDefaultRootWindow(self.display)

    def close(self):
        self.x.XCloseDisplay(self.display)

    def watch(self, window):
        """Reports every drawing into the window (the Damage extension) and every window mapped
        on the screen, however briefly, to events()."""
        damage = ctypes.cdll.LoadLibrary(ctypes.util.find_library("Xdamage") or "libXdamage.so.1")
        damage.XDamageQueryExtension.argtypes = [ctypes.c_void_p, ctypes.POINTER(ctypes.c_int),
                                                 ctypes.POINTER(ctypes.c_int)]
        damage.XDamageCreate.restype = ctypes.c_ulong
        damage.XDamageCreate.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int]
        events, errors = ctypes.c_int(), ctypes.c_int()
        if not damage.XDamageQueryExtension(self.display, ctypes.byref(events), ctypes.byref(errors)):
            raise RuntimeError("the X server has no Damage extension")
        self.damage_event = events.value  # + XDamageNotify, 0
        damage.XDamageCreate(self.display, window, 0)  # XDamageReportRawRectangles
        self.x.XSelectInput(self.display, self.root, SUBSTRUCTURE_NOTIFY)
        self.events()

    def events(self):
        """Since the last call: the number of drawings into the watched window, and the windows
        mapped (as Window, None for one already gone)."""
        self.x.XSync(self.display, 0)
        drawn, mapped = 0, []
        event = (ctypes.c_long * 24)()
        while self.x.XPending(self.display):
            self.x.XNextEvent(self.display, event)
            kind = ctypes.cast(event, ctypes.POINTER(ctypes.c_int))[0]
            if kind == self.damage_event:
                drawn += 1
            elif kind == MAP_NOTIFY:
                # XMapEvent: type, serial, send_event, display, event, window, override_redirect.
                mapped.append(event[5])
        return drawn, [self.window(w) for w in mapped]

    def window(self, wid):
        a = WindowAttributes()
        return Window(wid, a) if self.x.XGetWindowAttributes(self.display, wid, ctypes.byref(a)) else None

    def children(self, parent=None):
        root, up = ctypes.c_ulong(), ctypes.c_ulong()
        kids, count = ctypes.POINTER(ctypes.c_ulong)(), ctypes.c_uint()
        if not self.x.XQueryTree(self.display, parent or self.root, ctypes.byref(root),
                                 ctypes.byref(up), ctypes.byref(kids), ctypes.byref(count)):
            return []
        ids = [kids[i] for i in range(count.value)]
        if kids:
            self.x.XFree(kids)
        return [w for w in map(self.window, ids) if w is not None]

    def pixels(self, x, y, width, height):
        image = self.x.XGetImage(self.display, self.root, x, y, width, height, ALL_PLANES, Z_PIXMAP)
        if not image:
            return b""
        data = ctypes.string_at(image.contents.data, image.contents.bytes_per_line * height)
        self.x.XDestroyImage(image)
        return data


# ---------------------------------------------------------------------------------------------
# The program's windows
# ---------------------------------------------------------------------------------------------

class Program:
    """The program, started under /usr/bin/time in a home folder of its own."""

    def __init__(self, program, path, display, folder):
        self.folder = folder
        self.home = os.path.join(folder, "home")
        os.makedirs(self.home)
        env = dict(os.environ, DISPLAY=display, HOME=self.home, TMPDIR=folder, NO_AT_BRIDGE="1",
                   XDG_CONFIG_HOME=os.path.join(self.home, ".config"), GTK_OVERLAY_SCROLLING="0")
        self.times = os.path.join(folder, "time.txt")
        self.log = open(os.path.join(folder, "output.txt"), "w")
        self.process = subprocess.Popen(["/usr/bin/time", "-v", "-o", self.times, program, path],
                                        env=env, stdout=self.log, stderr=subprocess.STDOUT,
                                        stdin=subprocess.DEVNULL)
        self.ended = None

    def running(self):
        if self.ended is None and self.process.poll() is not None:
            self.ended = time.monotonic()
        return self.ended is None

    def kill(self):
        """Ends the program (the child of time) and time."""
        if not self.running():
            return
        try:
            with open("/proc/%d/task/%d/children" % (self.process.pid, self.process.pid)) as f:
                for child in f.read().split():
                    os.kill(int(child), 9)
        except OSError:
            pass
        self.process.wait(10)

    def ending(self):
        """The peak resident set in MB (None when unknown), and how the program ended when it
        was not with exit status 0 (None otherwise)."""
        self.log.close()
        peak, ended = None, None
        try:
            with open(self.times) as f:
                for line in f:
                    if "Maximum resident set size" in line:
                        peak = int(line.split(":")[1]) / 1024.0
                    elif line.startswith("Command "):
                        ended = line.strip()
                    elif "Exit status" in line and int(line.split(":")[1]) != 0:
                        ended = ended or line.strip()
        except (OSError, ValueError):
            pass
        return peak, ended

    def output(self):
        lines = []
        for name in ("output.txt", "VantrelErr.txt"):
            path = os.path.join(self.folder, name)
            if os.path.exists(path):
                with open(path, errors="replace") as f:
                    lines += [line.rstrip() for line in f if line.strip()]
        return lines


def is_popup(window):
    return window is not None and window.override and window.width >= 40 and window.height >= 40


def xdotool(display, *arguments):
    subprocess.run(["xdotool"] + list(arguments), env=dict(os.environ, DISPLAY=display),
                   check=True, timeout=10)


def key(display, *keys):
    xdotool(display, "key", *keys)


def wait(condition, cap):
    """Polls the condition until it holds (its value) or the cap passes (None)."""
    end = time.monotonic() + cap
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() >= end:
            return None
        time.sleep(POLL)


class Run:
    """One file in one mode: the waits and the figures."""

    def __init__(self, screen, display, program):
        self.screen, self.display, self.program = screen, display, program
        self.main = None
        self.figures = {}
        self.misses = []
        self.notes = []

    def toplevels(self):
        return [w for w in self.screen.children() if w.viewable]

    def popup(self):
        """A menu's popup: a shown override-redirect window of a menu's size."""
        return next(filter(is_popup, self.toplevels()), None)

    def box(self):
        """A message box: a shown top-level window other than the main one."""
        return next((w for w in self.toplevels()
                     if not w.override and w.id != self.main.id and w.width >= 100), None)

    def miss(self, text):
        self.misses.append(text)

    def start(self):
        def main():
            shown = [w for w in self.toplevels() if not w.override and w.width >= 400]
            return max(shown, key=Window.area) if shown else None
        self.main = wait(main, START_CAP)
        if self.main is None:
            self.miss("no main window within %.0f s" % START_CAP)
            return False
        # The 3D pane: the main window's largest child window (the OpenGL canvas has a window
        # of its own).
        def canvas():
            kids = [w for w in self.screen.children(self.main.id) if w.viewable and w.width > 50]
            return max(kids, key=Window.area) if kids else None
        found = wait(canvas, START_CAP)
        if found is None:
            self.miss("no 3D pane within %.0f s" % START_CAP)
            return False
        self.canvas = (self.main.x + found.x, self.main.y + found.y, found.width, found.height)
        self.screen.watch(found.id)
        # Without a window manager nothing is given the focus: the main window is given it, as a
        # window manager would.
        xdotool(self.display, "windowfocus", "--sync", str(self.main.id))
        x, y = ROOT_ITEM
        xdotool(self.display, "mousemove", str(self.main.x + x), str(self.main.y + y), "click", "1")
        if wait(self.root_selected, MENU_CAP) is None:
            self.miss("tree root not shown selected")
            return False
        return True

    def root_selected(self):
        x, y = ROOT_ITEM
        data = self.screen.pixels(self.main.x + x - 20, self.main.y + y - 6, 40, 12)
        # The selection's colour: blue well above red (pixels are B, G, R, pad).
        return any(data[i] > 150 and data[i] > data[i + 2] + 80 for i in range(0, len(data), 4))

    def pane(self):
        return self.screen.pixels(*self.canvas)

    def pictured(self, grey):
        """Whether the pane shows other pixels than its grey, where no message box covers it."""
        before = self.box()
        pixels = bytearray(self.pane())
        box = self.box() or before
        if len(pixels) != len(grey):
            return False
        if box is not None:
            x, y, width, height = self.canvas
            left, right = max(box.x, x) - x, min(box.x + box.width, x + width) - x
            top, bottom = max(box.y, y) - y, min(box.y + box.height, y + height) - y
            stride = len(grey) // height
            for row in range(top, bottom) if left < right else ():
                pixels[row * stride + left * 4:row * stride + right * 4] = \
                    grey[row * stride + left * 4:row * stride + right * 4]
        return pixels != grey

    def open_menu(self, figure):
        """Alt+F: the seconds to the popup, which Escape then closes."""
        if wait(lambda: self.popup() is None, MENU_CAP) is None:
            self.miss("%s: a popup stayed open" % figure)
        sent = time.monotonic()
        key(self.display, "alt+f")
        if wait(self.popup, MENU_CAP) is None:
            self.miss("%s: no menu within %.0f s" % (figure, MENU_CAP))
            return
        self.set(figure, time.monotonic() - sent, MENU_TARGET)
        key(self.display, "Escape")
        if wait(lambda: self.popup() is None, MENU_CAP) is None:
            self.miss("%s: menu not closed by Escape" % figure)

    def set(self, figure, value, target, unit="s"):
        self.figures[figure] = value
        if target is not None and value > target:
            self.miss("%s %.2f %s > %g %s" % (figure, value, unit, target, unit))

    def command(self, mode_key, shots, name):
        """View > mode: the first picture, the menus, the message box."""
        def plain():
            pixels = self.pane()
            return pixels if pixels and pixels == pixels[:4] * (len(pixels) // 4) else None
        grey = wait(plain, MENU_CAP)
        if grey is None:
            self.miss("3D pane not plain before the command")
            return False
        # The paints that the selection asked for are over.
        last = [time.monotonic()]
        def settled():
            if self.screen.events()[0]:
                last[0] = time.monotonic()
            return time.monotonic() - last[0] >= QUIET
        if wait(settled, MENU_CAP) is None:
            self.miss("3D pane still drawn into %.0f s after the selection" % MENU_CAP)
        key(self.display, "alt+v")
        if wait(self.popup, MENU_CAP) is None:
            self.miss("no View menu within %.0f s" % MENU_CAP)
            return False
        self.screen.events()
        sent = time.monotonic()
        key(self.display, mode_key)
        # Right after the command, while the first frame may still be drawing.
        menu_sent = time.monotonic()
        key(self.display, "alt+f")
        # When first seen: "frame" (the pane drawn into), "picture" (its pixels not grey), "menu"
        # (the popup shown), "menu gone" (closed, not by this program), "box" (a message box).
        seen = {}
        while True:
            now = time.monotonic()
            popup, box = self.popup(), self.box()
            drawn, mapped = self.screen.events()
            for what, shown in (("frame", drawn), ("picture", "picture" not in seen and self.pictured(grey)),
                                ("menu", popup is not None or any(map(is_popup, mapped))),
                                ("menu gone", "menu" in seen and popup is None),
                                ("box", box is not None)):
                if shown and what not in seen:
                    seen[what] = now
            # A picture is a frame, whichever poll saw it first.
            if "picture" in seen:
                seen["frame"] = min(seen.get("frame", now), seen["picture"])
            first = seen.get("picture", seen.get("frame"))
            # A frame that stays grey is the picture of a mode with nothing to draw.
            pictured = "picture" in seen or ("frame" in seen and now > seen["frame"] + BOX_CAP)
            # A message box shown first takes the menu's key.
            menu = "menu" in seen or ("box" in seen and now > max(seen["box"], menu_sent) + MENU_CAP)
            boxed = "box" in seen or (first is not None and now > first + BOX_CAP)
            if (pictured and menu and boxed) or now > sent + PICTURE_CAP:
                break
            time.sleep(POLL)
        if "frame" in seen:
            self.set("frame", seen["frame"] - sent, PICTURE_TARGET)
        if "picture" in seen:
            self.set("picture", seen["picture"] - sent, PICTURE_TARGET)
        elif "frame" in seen:
            self.notes.append("the first frame is plain grey: nothing to draw in this mode")
        else:
            self.miss("picture: no frame within %.0f s" % PICTURE_CAP)
        if "menu" in seen:
            self.set("menu@cmd", seen["menu"] - menu_sent, None)
            if "menu gone" in seen:
                self.notes.append("the message box closed the File menu opened right after the command")
        elif "box" in seen:
            self.miss("menu@cmd: no menu: the message box came first and took Alt+F")
        else:
            self.miss("menu@cmd: no menu within %.0f s" % PICTURE_CAP)
        if self.popup() is not None:
            key(self.display, "Escape")
            if wait(lambda: self.popup() is None, MENU_CAP) is None:
                self.miss("menu@cmd: menu not closed by Escape")
        box = self.box() or wait(self.box, BOX_CAP)
        if box is not None:
            self.set("box", seen.get("box", time.monotonic()) - sent, None)
        if shots:
            subprocess.run(["import", "-window", "root", os.path.join(shots, name + ".png")],
                           env=dict(os.environ, DISPLAY=self.display), timeout=30)
        if box is not None:
            self.in_box(box)
        if self.program.running():
            self.open_menu("menu@pic")
        return True

    def in_box(self, box):
        """Ctrl+Q while the box is open, to the main window and to the box (focused, as a window
        manager would): does the program end? Then Enter closes the box, and the main window has
        the focus again."""
        for window, where in ((self.main, "main window"), (box, "box")):
            xdotool(self.display, "windowfocus", "--sync", str(window.id))
            key(self.display, "ctrl+q")
            if wait(lambda: not self.program.running(), QUIT_TARGET):
                self.notes.append("Ctrl+Q to the %s while the box is open ended the program" % where)
                return
        self.notes.append("Ctrl+Q while the box is open (to the main window, to the box): no effect "
                          "within %.0f s" % QUIT_TARGET)
        key(self.display, "Return")
        if wait(lambda: self.box() is None, MENU_CAP) is None:
            self.miss("box not closed by Enter")
            return
        xdotool(self.display, "windowfocus", "--sync", str(self.main.id))

    def quit(self):
        """Ctrl+Q, and File > Exit by its keys when Ctrl+Q does nothing."""
        if not self.program.running():
            return
        for keys, figure in ((["ctrl+q"], "quit"), (["alt+f", "x"], "exit")):
            sent = time.monotonic()
            key(self.display, *keys)
            if wait(lambda: not self.program.running(), QUIT_CAP):
                self.set(figure, self.program.ended - sent, QUIT_TARGET)
                return
            self.miss("%s: the program still runs %.0f s after %s" % (figure, QUIT_CAP, "+".join(keys)))
        self.program.kill()


def measure(program_path, path, display, screen, mode_key, shots, name):
    folder = tempfile.mkdtemp(prefix="program-response-")
    program = Program(program_path, path, display, folder)
    run = Run(screen, display, program)
    try:
        if run.start() and run.command(mode_key, shots, name):
            run.quit()
    finally:
        program.kill()
        # The last windows of the program go with it.
        wait(lambda: not [w for w in run.toplevels() if w.width > 1], MENU_CAP)
    peak, ended = program.ending()
    if peak is not None:
        run.set("peak", peak, PEAK_TARGET, "MB")
    if ended is not None:
        run.miss("the program ended so: " + ended)
    run.notes += program.output()
    shutil.rmtree(folder, ignore_errors=True)
    return run


# ---------------------------------------------------------------------------------------------
# Driver
# ---------------------------------------------------------------------------------------------

def start_xvfb():
    read, write = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0",
                             "%dx%dx24" % SCREEN, "-nolisten", "tcp"],
                            pass_fds=(write,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write)
    with os.fdopen(read, "rb") as f:
        number = f.readline().strip()
    if not number:
        xvfb.kill()
        raise RuntimeError("Xvfb did not start")
    return xvfb, ":" + number.decode()


@contextlib.contextmanager
def own_display():
    """An X display of its own (Xvfb) and its screen: (display, screen), both closed at the end."""
    xvfb, display = start_xvfb()
    screen = None
    try:
        screen = Screen(display)
        yield display, screen
    finally:
        if screen is not None:
            screen.close()
        xvfb.terminate()
        xvfb.wait(10)


def uptime():
    with open("/proc/loadavg") as f:
        return "load average " + " ".join(f.read().split()[:3])


def generate(folder, cases):
    for _, arguments, file in cases:
        arguments = [a.replace("{d}", folder) for a in arguments]
        os.makedirs(os.path.dirname(os.path.join(folder, file)), exist_ok=True)
        subprocess.run([sys.executable, SAMPLES] + arguments, check=True, stdout=subprocess.DEVNULL)


def cell(run, figure):
    value = run.figures.get(figure)
    if value is None:
        return "-"
    return "%.0f" % value if figure == "peak" else "%.2f" % value


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--program", required=True)
    parser.add_argument("--runs", type=int, default=2)
    parser.add_argument("--only", help="the case of this name alone")
    parser.add_argument("--mode", choices=[m for m, _ in MODES])
    parser.add_argument("--shots", help="a folder for a screen shot of each run after its picture")
    args = parser.parse_args(argv[1:])
    for tool in ("Xvfb", "xdotool", "import"):
        if shutil.which(tool) is None:
            print("%s is missing (scripts/packages.txt lists its package)" % tool)
            return 1
    cases = [c for c in CASES if args.only in (None, c[0])]
    modes = [m for m in MODES if args.mode in (None, m[0])]
    if args.shots:
        os.makedirs(args.shots, exist_ok=True)
    samples = tempfile.mkdtemp(prefix="program-response-samples-")
    try:
        generate(samples, cases)
        with own_display() as (display, screen):
            print("program %s, display %s %dx%d; targets: picture %.0f s, menus %.0f s, quit %.0f s, "
                  "peak %d MB" % (args.program, display, SCREEN[0], SCREEN[1], PICTURE_TARGET, MENU_TARGET,
                                  QUIT_TARGET, PEAK_TARGET))
            figures = ("frame", "picture", "menu@cmd", "box", "menu@pic", "quit", "exit", "peak")
            rows = []
            for number in range(1, args.runs + 1):
                print("round %d, %s" % (number, uptime()), flush=True)
                for name, _, file in cases:
                    for mode, mode_key in modes:
                        shot = "%s-%s-%d" % (name.replace(" ", "-"), mode, number)
                        run = measure(args.program, os.path.join(samples, file), display, screen, mode_key,
                                      args.shots, shot)
                        rows.append((name, mode, number, run))
                        print("  %-16s %-8s %s%s" % (name, mode, "  ".join(
                            "%s %s" % (f, cell(run, f)) for f in figures if f in run.figures),
                            "".join("\n      miss: " + m for m in run.misses) +
                            "".join("\n      note: " + n for n in run.notes)), flush=True)
                print("round %d done, %s" % (number, uptime()), flush=True)
            print("\n%-16s %-8s %3s %6s %8s %8s %6s %8s %6s %6s %6s  misses" %
                  (("case", "mode", "run") + figures))
            for name, mode, number, run in rows:
                print("%-16s %-8s %3d %6s %8s %8s %6s %8s %6s %6s %6s  %d" %
                      ((name, mode, number) + tuple(cell(run, f) for f in figures) + (len(run.misses),)))
    finally:
        shutil.rmtree(samples, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
