#!/usr/bin/env python3
"""The response of the real program while its track window draws the plan of a hostile track.

The track sample of plan_samples.py (a thousand segments naming a thousand cross sections in
turn, in an N4 folder; or the tracks given by --shape) is opened as the folder's track
(`vantrel FOLDER/heavy.track`) in an X display of its own (Xvfb, through program_response.py's
screen and program), and a run measures:

  picture  seconds from the start of the program to the plan's first picture: the plan pane (the
           main window's largest child window) shows the plan's white and something else
           (target 2 s);
  menu     seconds from Alt+F, typed right after the picture, to the File menu's popup being
           shown (target 0.3 s); Escape closes it;
  closed   seconds from Ctrl+Q, typed right after, to the main window's going from the screen
           (target 0.3 s);
  quit     seconds from the same Ctrl+Q to the end of the process (its memory given back);
  peak     the process's maximum resident set (/usr/bin/time -v).

Every wait polls its condition and has a cap; a cap reached is a miss. Prints the figures;
asserts nothing.

Usage: track_response.py --program PATH [--runs N] [--shape SEGMENTS CROSS ORDER]... [--cap S]
"""
import argparse
import os
import shutil
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
SAMPLES = os.path.join(HERE, "..", "..", "Drawing", "plan_samples.py")

sys.path.insert(0, HERE)
import program_response as response  # noqa: E402

PICTURE_TARGET, MENU_TARGET, QUIT_TARGET = 2.0, 0.3, 0.3
START_CAP, MENU_CAP, QUIT_CAP = 30.0, 10.0, 20.0


def pictured(screen, canvas):
    """Whether the pane shows the plan: white (B, G, R, pad) and some other colour."""
    data = screen.pixels(*canvas)
    white = other = 0
    for i in range(0, len(data) - 3, 4 * 7):
        if data[i] == 255 and data[i + 1] == 255 and data[i + 2] == 255:
            white += 1
        else:
            other += 1
    return white > 0 and other > 0 and white > other


def measure(program_path, path, display, screen, picture_cap):
    folder = tempfile.mkdtemp(prefix="track-response-")
    program = response.Program(program_path, path, display, folder)
    started = time.monotonic()
    run = response.Run(screen, display, program)
    figures, misses = {}, []
    try:
        def main():
            shown = [w for w in run.toplevels() if not w.override and w.width >= 400]
            return max(shown, key=response.Window.area) if shown else None
        run.main = response.wait(main, START_CAP)
        if run.main is None:
            misses.append("no main window within %.0f s" % START_CAP)
            return figures, misses, program
        xdotool = response.xdotool
        xdotool(display, "windowfocus", "--sync", str(run.main.id))

        def plan():
            kids = [w for w in screen.children(run.main.id) if w.viewable and w.width > 50]
            if not kids:
                return None
            found = max(kids, key=response.Window.area)
            canvas = (run.main.x + found.x, run.main.y + found.y, found.width, found.height)
            return canvas if pictured(screen, canvas) else None
        canvas = response.wait(plan, picture_cap)
        if canvas is None:
            misses.append("picture: none within %.0f s" % picture_cap)
            return figures, misses, program
        figures["picture"] = time.monotonic() - started
        if figures["picture"] > PICTURE_TARGET:
            misses.append("picture %.2f s > %g s" % (figures["picture"], PICTURE_TARGET))

        sent = time.monotonic()
        response.key(display, "alt+f")
        if response.wait(run.popup, MENU_CAP) is None:
            misses.append("menu: none within %.0f s" % MENU_CAP)
        else:
            figures["menu"] = time.monotonic() - sent
            if figures["menu"] > MENU_TARGET:
                misses.append("menu %.2f s > %g s" % (figures["menu"], MENU_TARGET))
            response.key(display, "Escape")
            if response.wait(lambda: run.popup() is None, MENU_CAP) is None:
                misses.append("menu not closed by Escape")

        sent = time.monotonic()
        response.key(display, "ctrl+q")
        main_id = run.main.id
        if response.wait(lambda: not any(w.id == main_id for w in run.toplevels()), QUIT_CAP):
            figures["closed"] = time.monotonic() - sent
            if figures["closed"] > QUIT_TARGET:
                misses.append("closed %.2f s > %g s" % (figures["closed"], QUIT_TARGET))
        else:
            misses.append("closed: the main window still shown %.0f s after Ctrl+Q" % QUIT_CAP)
        if response.wait(lambda: not program.running(), QUIT_CAP):
            figures["quit"] = program.ended - sent
        else:
            misses.append("quit: the program still runs %.0f s after Ctrl+Q" % QUIT_CAP)
        return figures, misses, program
    finally:
        program.kill()
        response.wait(lambda: not [w for w in run.toplevels() if w.width > 1], MENU_CAP)
        peak, ended = program.ending()
        if peak is not None:
            figures["peak"] = peak
        if ended is not None:
            misses.append("the program ended so: " + ended)
        shutil.rmtree(folder, ignore_errors=True)


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--program", required=True)
    parser.add_argument("--runs", type=int, default=3)
    parser.add_argument("--shape", nargs=3, action="append", metavar=("SEGMENTS", "CROSS", "ORDER"))
    parser.add_argument("--cap", type=float, default=30.0, help="the wait for the first picture, in seconds")
    args = parser.parse_args(argv[1:])
    for tool in ("Xvfb", "xdotool"):
        if shutil.which(tool) is None:
            print("%s is missing (scripts/packages.txt lists its package)" % tool)
            return 1
    shapes = args.shape or [["1000", "1000", "alternate"]]
    samples = tempfile.mkdtemp(prefix="track-response-samples-")
    try:
        with response.own_display() as (display, screen):
            print("program %s, display %s; targets: picture %g s, menu %g s, quit %g s" %
                  (args.program, display, PICTURE_TARGET, MENU_TARGET, QUIT_TARGET))
            for segments, cross, order in shapes:
                track = os.path.join(samples, "n4-%s-%s-%s" % (segments, cross, order), "tracks", "Heavy")
                subprocess.run([sys.executable, SAMPLES, "repeat-track", os.path.join(track, "heavy.ptf"), segments,
                                cross, "3000", order], check=True)
                for number in range(1, args.runs + 1):
                    figures, misses, _ = measure(args.program, os.path.join(track, "heavy.track"), display, screen,
                                                 args.cap)
                    print("  %s x %s %-9s run %d: %s%s" % (
                        segments, cross, order, number,
                        "  ".join("%s %.2f" % (f, figures[f]) if f != "peak" else "peak %.0f MB" % figures[f]
                                  for f in ("picture", "menu", "closed", "quit", "peak") if f in figures),
                        "".join("\n      miss: " + m for m in misses)), flush=True)
    finally:
        shutil.rmtree(samples, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
