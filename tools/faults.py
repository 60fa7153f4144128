#!/usr/bin/env python3
"""Seeds plausible one-line faults into the program, one at a time, and runs the
test suite against each: a fault the suite does not notice is a gap in the tests.

The faults: a comparison turned round (== !=, < <=, > >=), + for - and back,
true for false, && for ||, a ! dropped, a number off by one, a blank or letter
lost from a string, a statement left out, two neighbouring statements swapped.
They are drawn from the windows' rules, checks, finishing steps and results
lines, the language reader and the sound check.

Usage: tools/faults.py [--sample N] [--seed S] [--list] [--jobs J] [files…]
       tools/faults.py --replay LOG   (the faults of an earlier run, on today's code)
Builds in build-faults/ (tests on, no package check), restores every file it
touched, and writes what survived to build-faults/survivors.txt.

--replay reads the output of an earlier run (or a survivors.txt), finds each
fault's line in today's code, by its text, in the same file or any other under
src/, seeds it again and says whether it is caught now; a fault whose line is
gone from the code is counted apart.
"""
import argparse
import glob
import os
import random
import re
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BUILD = os.path.join(ROOT, "build-faults")


def default_files():
    files = sorted(glob.glob(os.path.join(ROOT, "src/windows/**/*.cpp"), recursive=True))
    files = [f for f in files if not f.endswith("_layout.cpp") and not f.endswith("forms.cpp")]
    files += [os.path.join(ROOT, "src/app", n) for n in ("language.cpp", "sound.cpp")]
    return files


def code_part(line):
    """The line without a trailing // comment, and whether it is code at all."""
    stripped = line.strip()
    if not stripped or stripped.startswith(("//", "#", "*", "/*")):
        return None
    cut = line.find("//")
    return line if cut < 0 else line[:cut]


STRING = re.compile(r'"((?:[^"\\]|\\.)*)"')


def outside_strings(code):
    """Spans of the line that lie outside string literals."""
    spans, at = [], 0
    for m in STRING.finditer(code):
        spans.append((at, m.start()))
        at = m.end()
    spans.append((at, len(code)))
    return spans


def replacements(code):
    """Every one-place change of an operator, a literal or a string on this line."""
    out = []
    swaps = [(" == ", " != "), (" != ", " == "), (" <= ", " < "), (" < ", " <= "), (" >= ", " > "),
             (" > ", " >= "), (" + ", " - "), (" - ", " + "), (" && ", " || "), (" || ", " && "),
             ("true", "false"), ("false", "true"), ("++", "--")]
    for start, end in outside_strings(code):
        part = code[start:end]
        for old, new in swaps:
            for m in re.finditer(re.escape(old), part):
                a = start + m.start()
                if old in ("true", "false") and (part[m.start() - 1:m.start()].isalnum() or part[m.end():m.end() + 1].isalnum()):
                    continue
                out.append((a, a + len(old), new, "operator"))
        for m in re.finditer(r"!(?=[A-Za-z_(])", part):
            a = start + m.start()
            out.append((a, a + 1, "", "negation"))
        for m in re.finditer(r"(?<![\w.])(\d+)(?![\w.])", part):
            a = start + m.start()
            n = int(m.group(1))
            out.append((a, a + len(m.group(1)), str(n + 1), "number"))
    for m in STRING.finditer(code):
        body = m.group(1)
        if not body or "\\" in body:
            continue
        # a blank lost, or the first letter changed
        if " " in body:
            i = body.index(" ")
            out.append((m.start(1) + i, m.start(1) + i + 1, "", "string"))
        else:
            out.append((m.start(1), m.start(1) + 1, "X" if body[0] != "X" else "Y", "string"))
    return out


SIMPLE = re.compile(r"^\s+[^{}]*;\s*$")


def is_statement(code):
    if not code or not SIMPLE.match(code):
        return False
    s = code.strip()
    return not s.startswith(("return", "case", "default", "using", "const ", "static", "int ", "bool ", "QString ",
                             "auto ", "double ", "break", "continue", "enum", "struct", "class", "namespace"))


# The lines that only bind controls and wire handlers: no behaviour of their own.
WIRING = re.compile(r"= (array|control)<|\bon(Click|Tick|GifEnd|MouseMove|Enter)\(")


def faults(path):
    rel = os.path.relpath(path, ROOT)
    lines = open(path, encoding="utf-8").read().split("\n")
    found = []
    for i, line in enumerate(lines):
        code = code_part(line)
        if code is None or WIRING.search(code):
            continue
        for a, b, new, kind in replacements(code):
            mutated = line[:a] + new + line[b:]
            found.append((rel, i, {i: mutated}, kind, line.strip(), mutated.strip()))
        if is_statement(code):
            indent = line[: len(line) - len(line.lstrip())]
            found.append((rel, i, {i: indent + ";"}, "left out", line.strip(), ";"))
            nxt = code_part(lines[i + 1]) if i + 1 < len(lines) else None
            nxt = None if nxt and WIRING.search(nxt) else nxt
            if is_statement(nxt) and lines[i + 1][: len(indent)] == indent and lines[i + 1][len(indent)] != " ":
                found.append((rel, i, {i: lines[i + 1], i + 1: line}, "swapped", line.strip(), lines[i + 1].strip()))
    return found


ENTRY = re.compile(r"^(?:\[\d+/\d+\] (?P<verdict>[^:]+): )?(?P<path>\S+):\d+ \[(?P<kind>[^\]]+)\] (?P<old>.*?)  =>  (?P<new>.*)$")


def replayed(log):
    """The faults of an earlier run that built, found again in today's code."""
    sources = [os.path.relpath(f, ROOT) for f in glob.glob(os.path.join(ROOT, "src/**/*.cpp"), recursive=True)]
    found, gone = [], []
    for entry in open(log, encoding="utf-8"):
        m = ENTRY.match(entry.rstrip("\n"))
        if not m or m["verdict"] == "does not build":
            continue
        before = m["verdict"] or "NOT CAUGHT"
        kind, old, new = m["kind"], m["old"].strip(), m["new"].strip()
        hit = None
        for rel in [m["path"]] + [r for r in sources if r != m["path"]]:
            if not os.path.exists(os.path.join(ROOT, rel)):
                continue
            lines = open(os.path.join(ROOT, rel), encoding="utf-8").read().split("\n")
            for i, line in enumerate(lines):
                if line.strip() != old or (kind == "swapped" and (i + 1 >= len(lines) or lines[i + 1].strip() != new)):
                    continue
                indent = line[: len(line) - len(line.lstrip())]
                change = {i: lines[i + 1], i + 1: line} if kind == "swapped" else {i: indent + new}
                hit = (rel, i, change, kind, old, new, before)
                break
            if hit:
                break
        (found if hit else gone).append(hit or (m["path"], kind, old, new, before))
    return found, gone


def run(cmd, timeout):
    try:
        return subprocess.run(cmd, cwd=BUILD, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=timeout).returncode
    except subprocess.TimeoutExpired:
        return -1


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--sample", type=int, default=0)
    ap.add_argument("--seed", type=int, default=1)
    ap.add_argument("--list", action="store_true")
    ap.add_argument("--jobs", type=int, default=os.cpu_count() or 2)
    ap.add_argument("--replay", metavar="LOG")
    ap.add_argument("files", nargs="*")
    args = ap.parse_args()
    if args.replay:
        chosen, gone = replayed(args.replay)
        for path, kind, old, new, before in gone:
            print(f"gone ({before}): {path} [{kind}] {old}  =>  {new}")
        every = chosen
    else:
        files = [os.path.abspath(f) for f in args.files] or default_files()
        every = [f + (None,) for path in files for f in faults(path)]
        chosen = every
        if args.sample and args.sample < len(every):
            chosen = sorted(random.Random(args.seed).sample(every, args.sample), key=lambda f: (f[0], f[1]))
    if args.list:
        for rel, i, _, kind, old, new, _ in chosen:
            print(f"{rel}:{i + 1} [{kind}] {old}  =>  {new}")
        print(f"{len(chosen)} of {len(every)} faults")
        return
    os.makedirs(BUILD, exist_ok=True)
    subprocess.run(["cmake", "-S", ROOT, "-B", BUILD, "-DCMAKE_BUILD_TYPE=None", "-DCMAKE_CXX_FLAGS=-O1",
                    "-DCUENTAS_TESTS=ON", "-DCUENTAS_TEST_TIMEOUT=60"], check=True, stdout=subprocess.DEVNULL)
    if run(["cmake", "--build", ".", "-j", str(args.jobs)], 3600) != 0:
        sys.exit("the unchanged program does not build")
    env_ctest = ["env", "QT_QPA_PLATFORM=offscreen", "ctest", "-E", "^package$|_2x$", "--no-tests=error",
                 "--stop-on-failure", "-j", str(args.jobs)]
    if run(env_ctest, 900) != 0:
        sys.exit("the unchanged program fails its tests")
    killed = survived = broken = 0
    was = {"caught": [0, 0], "NOT CAUGHT": [0, 0]}  # replay: [caught now, of]
    report = open(os.path.join(BUILD, "survivors.txt"), "w")
    for n, (rel, i, change, kind, old, new, before) in enumerate(chosen, 1):
        path = os.path.join(ROOT, rel)
        original = open(path, encoding="utf-8").read()
        lines = original.split("\n")
        for k, v in change.items():
            lines[k] = v
        try:
            open(path, "w", encoding="utf-8").write("\n".join(lines))
            if run(["cmake", "--build", ".", "-j", str(args.jobs)], 1800) != 0:
                broken += 1
                verdict = "does not build"
            elif run(env_ctest, 900) != 0:
                killed += 1
                verdict = "caught"
            else:
                survived += 1
                verdict = "NOT CAUGHT"
                report.write(f"{rel}:{i + 1} [{kind}] {old}  =>  {new}\n")
                report.flush()
        finally:
            open(path, "w", encoding="utf-8").write(original)
        if before in was and verdict != "does not build":
            was[before][0] += verdict == "caught"
            was[before][1] += 1
        then = f" (was {before})" if before else ""
        print(f"[{n}/{len(chosen)}] {verdict}{then}: {rel}:{i + 1} [{kind}] {old}  =>  {new}", flush=True)
    run(["cmake", "--build", ".", "-j", str(args.jobs)], 1800)
    total = killed + survived
    print(f"caught {killed} of {total} faults that build ({100 * killed / max(1, total):.1f} %); {broken} did not build")
    if args.replay:
        print(f"caught before: {was['caught'][0]} of {was['caught'][1]} caught now; "
              f"not caught before: {was['NOT CAUGHT'][0]} of {was['NOT CAUGHT'][1]} caught now; {len(gone)} gone from the code")


if __name__ == "__main__":
    main()
