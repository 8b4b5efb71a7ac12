#!/usr/bin/env python3
"""Mutation pass over the drawing, check and row-building code: each mutant empties one node
kind's operation of the drawing or check visitor, one node kind's operation of the list visitor
(the rows of the 3D-object panes), or one case of a track, replay or layout row builder; every
mutant should make at least one test fail.

Not run by CI. The mutants are built together into a copy of the source tree (each one behind a
guard that reads VELMO_MUTANT, so one build serves them all and an unset variable leaves the
code as it is); then each mutant is run against the test programs of its file: the drawing
tests and the glshot check (label gl) for the drawing and check visitors, the row tests for the
row builders, the visitor tests for the list visitor.

Usage: scripts/mutate.py [--work DIR] [--jobs N] [--parallel N] [--rev REV] [--only REGEX] [--list]
  --work DIR    where the copy and its build go (default /tmp/velmo-mutate-$USER)
  --jobs N      build jobs (default 6)
  --parallel N  mutants run at once (default 4: the drawing tests mostly wait on the driver)
  --rev REV     mutate the tree of a git revision (code and tests) instead of the work tree
  --only REGEX  run only the mutants whose name matches
  --list        print the mutants and stop
Prints one line per mutant (killed, with the first failing program, or SURVIVED) and the
count killed / total.

An emptied operation does what the visitor's generic operation of its kind does: an enter or
before returns the visitor's generic answer (true for the drawing and check walks: walk the
children; false for the list visitor: no children listed), a leave, visit or after does nothing.
An emptied case of a row builder adds no rows.
"""
import argparse
import concurrent.futures
import os
import re
import shutil
import subprocess
import sys
import time

TOP = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# file -> (kind of mutation, value an emptied bool operation returns, test programs)
DRAWING_TESTS = ["drawing", "glshot"]
FILES = {
    "Vantrel/Drawing/ThreeDObject3DVisitor.cpp": ("visitor", "true", DRAWING_TESTS),
    "Vantrel/Drawing/ThreeDObjectCheckVisitor.cpp": ("visitor", "true", ["drawing"]),
    "Vantrel/Visitors/ThreeDObjectListVisitor.cpp": ("visitor", "false", ["visitors"]),
    "Vantrel/Rows/TrkListRows.cpp": ("rows", None, ["rows"]),
    "Vantrel/Rows/TrkTreeRows.cpp": ("rows", None, ["rows"]),
    "Vantrel/Rows/RpyListRows.cpp": ("rows", None, ["rows"]),
    "Vantrel/Rows/RpyTreeRows.cpp": ("rows", None, ["rows"]),
    "Vantrel/Rows/LytFieldRows.cpp": ("rows", None, ["rows"]),
}

TARGETS = ["VantrelDrawingTests", "glshot", "VantrelRowsTests", "VantrelVisitorsTests"]

GUARD_FUNCTION = """
// Mutation pass: the mutant named by VELMO_MUTANT is active.
#include <cstdlib>
namespace
{
[[maybe_unused]] bool VelmoMutant(int n)
{
    static const int active = [] {
        const char* value = std::getenv("VELMO_MUTANT");
        return value != nullptr ? std::atoi(value) : -1;
    }();
    return active == n;
}
} // namespace
"""

# A definition at the left margin: return type, Class::Name( or a free function Name(.
DEFINITION = re.compile(r"^(?:template\s*<[^>]*>\s*)?([A-Za-z_][\w:<>,\s\*&]*?)\s+((?:\w+::)*)(\w+)\s*\(")
OPERATION = re.compile(r"^(Enter|Leave|Visit|Before|After)[A-Z]\w*$")
CASE = re.compile(r"^\s*case\b.*:\s*(\{\s*)?$")
WHOLE_BRANCH = re.compile(r"^\s*if \(hint == \w+::Whole\)\s*$")


def strip_code(line):
    """The line without string and character literals and // comments (for brace counting)."""
    line = re.sub(r'"(?:\\.|[^"\\])*"', '""', line)
    line = re.sub(r"'(?:\\.|[^'\\])*'", "''", line)
    return line.split("//", 1)[0]


def body_end(lines, open_index):
    """The index of the line that closes the brace opened on lines[open_index]."""
    depth = 0
    for i in range(open_index, len(lines)):
        code = strip_code(lines[i])
        depth += code.count("{") - code.count("}")
        if depth == 0:
            return i
    raise ValueError("unbalanced braces from line %d" % (open_index + 1))


def find_open_brace(lines, start):
    """The first line from start whose code holds '{' before any ';' (the body's brace), or None."""
    for i in range(start, min(start + 8, len(lines))):
        code = strip_code(lines[i])
        if ";" in code and "{" not in code:
            return None
        if "{" in code:
            return i
    return None


def default_return(return_type, bool_default):
    t = return_type.strip().split()[-1] if return_type.strip() else ""
    if t == "void":
        return "return;"
    if t == "bool":
        return "return %s;" % bool_default
    if "vector" in return_type:
        return "return {};"
    return None


def plan_visitor(path, lines, bool_default):
    """(line index to insert after, guard statement, mutant name) for each kind operation."""
    plans = []
    for i, line in enumerate(lines):
        m = DEFINITION.match(line)
        if not m or not m.group(2):
            continue
        name = m.group(3)
        if not OPERATION.match(name) or name.endswith("Node"):
            continue
        ret = default_return(m.group(1), bool_default)
        if ret is None:
            continue
        brace = find_open_brace(lines, i)
        if brace is None:
            continue
        plans.append((brace, ret, "%s:%s" % (os.path.basename(path), name)))
    return plans


def plan_rows(path, lines):
    """Each void or list-returning function, each case of a switch and the whole-file branch."""
    plans = []
    current = None
    for i, line in enumerate(lines):
        m = DEFINITION.match(line)
        if m and not line.startswith((" ", "\t")) and not strip_code(line).rstrip().endswith(";"):
            name = m.group(3)
            ret = default_return(m.group(1), "false")
            brace = find_open_brace(lines, i)
            if brace is not None:
                current = name
                if ret is not None and m.group(1).strip().split()[-1] != "bool":
                    plans.append((brace, ret, "%s:%s" % (os.path.basename(path), name)))
            continue
        c = CASE.match(line)
        if c and current:
            label = re.sub(r"\s+", " ", line.strip().rstrip("{").strip().rstrip(":"))
            label = re.sub(r"^case ", "", label)
            at = i
            if not c.group(1) and i + 1 < len(lines) and lines[i + 1].strip() == "{":
                at = i + 1
            plans.append((at, "break;", "%s:%s/case %s" % (os.path.basename(path), current, label)))
            continue
        if WHOLE_BRANCH.match(line) and current and i + 1 < len(lines) and lines[i + 1].strip() == "{":
            plans.append((i + 1, "return;", "%s:%s/whole" % (os.path.basename(path), current)))
    return plans


def mutants_of(relative, text, first_number):
    """The file's text with every guard in place, and the list of (number, name, tests)."""
    kind, bool_default, tests = FILES[relative]
    lines = text.split("\n")
    plans = plan_visitor(relative, lines, bool_default) if kind == "visitor" else plan_rows(relative, lines)
    mutants = []
    inserts = {}
    for k, (at, statement, name) in enumerate(plans):
        number = first_number + k
        indent = re.match(r"^(\s*)", lines[at]).group(1) + "    "
        inserts.setdefault(at, []).append("%sif (VelmoMutant(%d)) %s" % (indent, number, statement))
        mutants.append((number, name, tests))
    out = []
    for i, line in enumerate(lines):
        out.append(line)
        out.extend(inserts.get(i, []))
    # The guard function goes after the last #include of the file's head.
    last_include = max(i for i, l in enumerate(out) if l.startswith("#include"))
    out[last_include + 1:last_include + 1] = GUARD_FUNCTION.split("\n")
    return "\n".join(out), mutants


def sync_file(path, data):
    """Writes data unless the file holds it already (unchanged files keep their times, so the
    copy's build redoes only what changed since the last pass)."""
    try:
        with open(path, "rb") as f:
            if f.read() == data:
                return
    except OSError:
        pass
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def copy_tree(work, replaced, top=TOP):
    """The source tree (of top) copied into work/src; the files of `replaced` with their given
    texts. Files the tree no longer has are removed from the copy."""
    source = os.path.join(work, "src")
    skip = {".git", "artifacts", "__pycache__"}
    wanted = set()
    for root, dirs, files in os.walk(top):
        dirs[:] = [d for d in dirs if d not in skip and not (root == top and d.startswith("build"))]
        for name in files:
            path = os.path.join(root, name)
            relative = os.path.relpath(path, top)
            wanted.add(relative)
            if relative in replaced:
                data = replaced[relative].encode("utf-8")
            else:
                with open(path, "rb") as f:
                    data = f.read()
            sync_file(os.path.join(source, relative), data)
    for root, dirs, files in os.walk(source):
        for name in files:
            relative = os.path.relpath(os.path.join(root, name), source)
            if relative not in wanted:
                os.remove(os.path.join(root, name))
    return source


def run(command, env=None, timeout=None, cwd=None):
    try:
        p = subprocess.run(command, env=env, cwd=cwd, timeout=timeout, stdout=subprocess.PIPE,
                           stderr=subprocess.STDOUT)
        return p.returncode, p.stdout.decode("utf-8", "replace")
    except subprocess.TimeoutExpired:
        return "timeout", ""


def test_commands(build, source):
    python = sys.executable
    return {
        "drawing": [os.path.join(build, "tests", "VantrelDrawingTests")],
        "glshot": [python, os.path.join(source, "tests/Vantrel/Drawing/glshot/glshot_check.py"),
                   os.path.join(build, "tests", "glshot"), os.path.join(build, "mutate-glshot")],
        "rows": [os.path.join(build, "tests", "VantrelRowsTests")],
        "visitors": [os.path.join(build, "tests", "VantrelVisitorsTests")],
    }


def find_program(build, name):
    for root, _, files in os.walk(build):
        if name in files:
            return os.path.join(root, name)
    raise FileNotFoundError(name)


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--work", default="/tmp/velmo-mutate-%s" % os.environ.get("USER", "user"))
    parser.add_argument("--jobs", type=int, default=6)
    parser.add_argument("--only", default=None)
    parser.add_argument("--list", action="store_true")
    parser.add_argument("--timeout", type=int, default=300, help="seconds for one test program")
    parser.add_argument("--parallel", type=int, default=4)
    parser.add_argument("--rev", default=None)
    args = parser.parse_args(argv[1:])
    top = TOP
    if args.rev:
        top = os.path.join(args.work, "rev")
        shutil.rmtree(top, ignore_errors=True)
        os.makedirs(top)
        archive = subprocess.run(["git", "-C", TOP, "archive", args.rev], stdout=subprocess.PIPE, check=True).stdout
        subprocess.run(["tar", "-x", "-C", top], input=archive, check=True)

    all_mutants = []
    texts = {}
    number = 0
    for relative in FILES:
        with open(os.path.join(top, relative)) as f:
            text, mutants = mutants_of(relative, f.read(), number)
        texts[relative] = text
        all_mutants += mutants
        number += len(mutants)
    if args.only:
        chosen = [m for m in all_mutants if re.search(args.only, m[1])]
    else:
        chosen = all_mutants
    if args.list:
        for n, name, tests in chosen:
            print("%4d %-70s %s" % (n, name, " ".join(tests)))
        print("%d mutants" % len(chosen))
        return 0

    os.makedirs(args.work, exist_ok=True)
    source = copy_tree(args.work, texts, top)
    build = os.path.join(args.work, "build")
    if not os.path.isfile(os.path.join(build, "CMakeCache.txt")):
        configure = ["cmake", "-S", source, "-B", build, "-DCMAKE_BUILD_TYPE=RelWithDebInfo"]
        if shutil.which("ninja"):
            configure += ["-G", "Ninja"]
        if shutil.which("ccache"):
            configure += ["-DCMAKE_CXX_COMPILER_LAUNCHER=ccache", "-DCMAKE_C_COMPILER_LAUNCHER=ccache"]
        code, out = run(configure)
        if code != 0:
            print(out)
            return 1
    started = time.time()
    # Paths inside the copy hash alike wherever the copy lies, so a cache warmed by an earlier
    # pass serves this one.
    build_env = dict(os.environ, CCACHE_BASEDIR=args.work, CCACHE_NOHASHDIR="1")
    code, out = run(["cmake", "--build", build, "-j", str(args.jobs), "--target"] + TARGETS, env=build_env)
    if code != 0:
        print(out[-6000:])
        print("the mutated copy did not build")
        return 1
    print("built the mutants in %.0f s" % (time.time() - started), flush=True)

    commands = test_commands(build, source)
    for key in ("drawing", "rows", "visitors"):
        commands[key][0] = find_program(build, os.path.basename(commands[key][0]))
    commands["glshot"][2] = find_program(build, "glshot")
    base_env = dict(os.environ)
    base_env["GTEST_FAIL_FAST"] = "1"
    base_env["GTEST_BRIEF"] = "1"
    base_env["VELMO_TEST_SOURCE_DIR"] = os.path.join(source, "tests")
    base_env.pop("VELMO_MUTANT", None)
    # The unmutated code must pass, or no kill means anything.
    needed = sorted({t for _, _, tests in chosen for t in tests})
    for key in needed:
        code, out = run(commands[key], env=base_env, timeout=args.timeout * 2, cwd=build)
        if code != 0:
            print(out[-4000:])
            print("the unmutated tests fail (%s): nothing to measure" % key)
            return 1
    def verdict_of(mutant):
        n, name, tests = mutant
        env = dict(base_env)
        env["VELMO_MUTANT"] = str(n)
        for key in tests:
            command = list(commands[key])
            if key == "glshot":
                command[-1] = os.path.join(build, "mutate-glshot", str(n))
            code, out = run(command, env=env, timeout=args.timeout, cwd=build)
            if code != 0:
                failed = re.findall(r"\[  FAILED  \] (\S+)", out)
                return "%s (%s%s)" % (key, "timeout" if code == "timeout" else "exit %s" % code,
                                      ", " + failed[0] if failed else "")
        return None

    killed = 0
    survivors = []
    with concurrent.futures.ThreadPoolExecutor(max_workers=args.parallel) as pool:
        for (n, name, _), verdict in zip(chosen, pool.map(verdict_of, chosen)):
            if verdict:
                killed += 1
                print("killed   %4d %-66s %s" % (n, name, verdict), flush=True)
            else:
                survivors.append(name)
                print("SURVIVED %4d %s" % (n, name), flush=True)
    print("\nkilled %d / %d" % (killed, len(chosen)))
    for name in survivors:
        print("survivor: %s" % name)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
