#!/usr/bin/env python3
"""Mutation run: how many small faults in the core library does the test suite catch?

Applies one fault at a time to a source file of the core library (a comparison flipped,
a logical operator swapped, "+ 1" dropped, a condition negated, a constant changed, a
statement removed), rebuilds, runs the tests (the soak test left out) and counts the
faults the suite catches. A fault that does not build is not counted. The faults are
chosen deterministically from the sources and the seed, so two runs on the same sources
try the same faults: run it before and after changing the tests to compare.

    scripts/mutate.py                     160 faults, 20 in each core folder
    scripts/mutate.py --count 40 --folders persist
    scripts/mutate.py --count 30 --folders history --targets tessellara_history_tests \
                      --tests "^(Undo|KeptGames)[.]"
                                          30 faults over history/, each judged by the history
                                          tests alone (one test program built and run per fault)
    scripts/mutate.py --list              only show the faults that would be tried
    scripts/mutate.py --rerun mutation-results.tsv --folders display
                                          the faults of an earlier run again (those in display/),
                                          each compared with its earlier result

Results go to mutation-results.tsv (one line per fault) and a summary to standard output.
Needs only python3, cmake, ninja and the project's build dependencies.
"""
import argparse
import os
import random
import re
import shutil
import signal
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
# The folders of the core library that faults can be put into.
CORE = ["puzzle", "groups", "display", "persist", "game", "desktop", "history", "assist"]
# The model invariant checker is the tests' own oracle (the program never calls it).
SKIP = {"invariants.cpp"}

SWAPS = [(" < ", " <= "), (" <= ", " < "), (" > ", " >= "), (" >= ", " > "),
         (" == ", " != "), (" != ", " == "), (" && ", " || "), (" || ", " && "),
         (" + ", " - "), (" - ", " + ")]
DROPS = [" + 1", " - 1"]
NUMBER = re.compile(r"(?<![\w.])(\d+)(?![\w.])")
IF_LINE = re.compile(r"^(\s*(?:\} else )?if )\((.*)\) \{$")
STATEMENT = re.compile(r"^\s*(?:[\w.\[\]>()-]+ (?:[-+*/]?=|\+\+|--)|\+\+|--|[\w:.>-]+\().*;$")


def code_spans(line):
    """Parts of a line outside string and character literals and comments."""
    spans, start, i, quote = [], 0, 0, None
    while i < len(line):
        c = line[i]
        if quote:
            if c == "\\":
                i += 1
            elif c == quote:
                quote, start = None, i + 1
        elif c in "\"'":
            spans.append((start, i))
            quote = c
        elif line.startswith("//", i):
            spans.append((start, i))
            return spans
        i += 1
    if not quote:
        spans.append((start, len(line)))
    return spans


def candidates(path):
    rel = os.path.relpath(path, ROOT)
    with open(path, encoding="utf-8") as f:
        lines = f.read().split("\n")
    found = []
    for n, line in enumerate(lines):
        stripped = line.strip()
        if not stripped or stripped.startswith(("#", "//", "*", "/*")) or "static_assert" in line:
            continue
        spans = code_spans(line)
        for lo, hi in spans:
            for old, new in SWAPS:
                at = line.find(old, lo)
                while at != -1 and at + len(old) <= hi:
                    found.append((rel, n, "swap", line[:at] + new + line[at + len(old):]))
                    at = line.find(old, at + 1)
            for old in DROPS:
                at = line.find(old, lo)
                while at != -1 and at + len(old) <= hi:
                    end = at + len(old)
                    if end == len(line) or not line[end].isalnum():
                        found.append((rel, n, "drop", line[:at] + line[end:]))
                    at = line.find(old, at + 1)
            for m in NUMBER.finditer(line, lo, hi):
                value = int(m.group(1))
                found.append((rel, n, "constant",
                              line[:m.start()] + str(value + 1) + line[m.end():]))
        m = IF_LINE.match(line)
        if m and len(spans) == 1:
            found.append((rel, n, "negate", f"{m.group(1)}(!({m.group(2)})) {{"))
        if STATEMENT.match(line) and not stripped.startswith(("return", "const ", "auto ")):
            found.append((rel, n, "remove", "// removed: " + stripped))
    return found


def sources(folders):
    files = []
    for folder in folders:
        base = os.path.join(ROOT, "src", folder)
        files += sorted(os.path.join(base, f) for f in os.listdir(base)
                      if f.endswith(".cpp") and f not in SKIP)
    return files


def choose(folders, count, seed):
    rng = random.Random(seed)
    chosen = []
    for k, folder in enumerate(folders):
        pool = [c for path in sources([folder]) for c in candidates(path)]
        share = count // len(folders) + (1 if k < count % len(folders) else 0)
        chosen += rng.sample(pool, min(share, len(pool)))
    return chosen


def from_results(path, folders):
    """The faults of an earlier run, each found again by its original line."""
    faults = []
    with open(path, encoding="utf-8") as f:
        next(f)
        for row in f:
            rel, line, kind, result, original, new = row.rstrip("\n").split("\t")
            if folders and rel.split("/")[1] not in folders:
                continue
            with open(os.path.join(ROOT, rel), encoding="utf-8") as source:
                lines = source.read().split("\n")
            near = sorted(range(len(lines)), key=lambda n: abs(n + 1 - int(line)))
            n = next((n for n in near if lines[n].strip() == original), None)
            if n is None:
                print(f"{rel}:{line}: the line is gone: {original}", file=sys.stderr)
                continue
            indent = lines[n][:len(lines[n]) - len(lines[n].lstrip())]
            faults.append((rel, n, kind, indent + new if new else "", result))
    return faults


def run(command, timeout):
    # In a session of its own, so that a test program hung by a fault goes with ctest.
    process = subprocess.Popen(command, cwd=ROOT, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL, start_new_session=True)
    try:
        return process.wait(timeout=timeout)
    except subprocess.TimeoutExpired:
        os.killpg(process.pid, signal.SIGKILL)
        process.wait()
        return "timeout"


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--count", type=int, default=160)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--folders", nargs="+", choices=CORE,
                        default=CORE)
    parser.add_argument("--targets", nargs="+", help="build only these targets for each fault")
    parser.add_argument("--tests", help="run only the tests whose names match (ctest -R)")
    parser.add_argument("--build", default="build-mutate")
    parser.add_argument("--out", default="mutation-results.tsv")
    parser.add_argument("--list", action="store_true")
    parser.add_argument("--rerun", help="results file of an earlier run")
    args = parser.parse_args()

    if args.rerun:
        given = [a for a in sys.argv if a == "--folders"]
        faults = from_results(args.rerun, args.folders if given else None)
    else:
        faults = [f + (None,) for f in choose(args.folders, args.count, args.seed)]
    if args.list:
        for rel, n, kind, new, _ in faults:
            print(f"{rel}:{n + 1}\t{kind}\t{new.strip()}", flush=True)
        return 0

    build = os.path.join(ROOT, args.build)
    env_test = ["env", "QT_QPA_PLATFORM=offscreen"]
    # Container bounds checked, as in the test builds: a read one past the end of a vector is
    # a fault the suite sees only so.
    subprocess.run(["cmake", "-S", ROOT, "-B", build, "-G", "Ninja",
                    "-DCMAKE_BUILD_TYPE=Release", "-DCMAKE_CXX_FLAGS_RELEASE=-O1",
                    "-DTESSELLARA_BENCHMARKS=OFF", "-DTESSELLARA_CHECKED=ON"]
                   + (["-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"] if shutil.which("ccache") else []),
                   check=True, stdout=subprocess.DEVNULL)
    compile_ = ["cmake", "--build", build, "-j2"] + (["--target"] + args.targets
                                                      if args.targets else [])
    test = env_test + ["ctest", "--test-dir", build, "-LE", "soak", "-j2", "--timeout", "120",
                       "--stop-on-failure"] + (["-R", args.tests] if args.tests else [])
    if run(compile_, None) != 0 or run(test, 1200) != 0:
        print("the unchanged sources do not build or pass their tests", file=sys.stderr)
        return 1

    counts = {"caught": 0, "survived": 0, "not built": 0}
    lost = []
    with open(os.path.join(ROOT, args.out), "w", encoding="utf-8") as out:
        out.write("file\tline\tkind\tresult\toriginal line\tmutated line\n")
        for i, (rel, n, kind, new, before) in enumerate(faults, 1):
            path = os.path.join(ROOT, rel)
            with open(path, encoding="utf-8") as f:
                original = f.read()
            lines = original.split("\n")
            old_line = lines[n].strip()
            lines[n] = new
            started = time.time()
            try:
                with open(path, "w", encoding="utf-8") as f:
                    f.write("\n".join(lines))
                if run(compile_, 600) != 0:
                    result = "not built"
                else:
                    result = "survived" if run(test, 600) == 0 else "caught"
            finally:
                with open(path, "w", encoding="utf-8") as f:
                    f.write(original)
            counts[result] += 1
            if before == "caught" and result == "survived":
                lost.append(f"{rel}:{n + 1} {kind}: {new.strip()}")
            out.write(f"{rel}\t{n + 1}\t{kind}\t{result}\t{old_line}\t{new.strip()}\n")
            out.flush()
            was = f" (before: {before})" if before else ""
            print(f"[{i}/{len(faults)}] {result:9} {rel}:{n + 1} {kind}{was} "
                  f"({time.time() - started:.0f} s)", flush=True)
    run(compile_, None)

    tried = counts["caught"] + counts["survived"]
    share = 100.0 * counts["caught"] / tried if tried else 0.0
    print(f"faults tried (built): {tried}; caught: {counts['caught']} ({share:.1f} %); "
          f"survived: {counts['survived']}; not built: {counts['not built']}")
    for fault in lost:
        print(f"caught before, survives now: {fault}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
