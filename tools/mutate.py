#!/usr/bin/env python3
"""Puts one-line faults into the game's code, one at a time, and runs the
tests after each: a fault no test notices is a survivor.

    tools/mutate.py [options] [FILE[:FUNCTION] ...]

FILE is a source path (world/Player.cpp), FUNCTION a name in it (update, or
Player::update); without targets every rule-bearing file is taken. Faults: a
flipped comparison, && and || swapped, true and false swapped, a ! dropped,
an if or while condition made always true or false, a call statement
removed, an integer constant one higher. Each fault is built in its own
build folder (incrementally), then every test case runs, side by side
(--parallel; most wait on the game's clock, not the CPU), the most relevant
programs first, under a timeout of twice its clean time plus 30 s, until
one fails; that one is run again alone to confirm it. A fault takes about
half a minute. The source is restored after each fault, on Ctrl-C too, and
at the next start if the tool was killed. Faults that do not compile are
counted apart; survivors listed in tools/mutate-justified.txt (file |
original line | faulty line | why) are counted as justified. A tool for
people, not CI: one fault a function over the whole game takes a few hours
on two cores; --per-function and --max sample.
"""
import argparse
import fnmatch
import json
import os
import random
import re
import signal
import subprocess
import sys
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
RULE_FILES = [
    "app/GameFlow.cpp", "app/MainLoop.cpp", "app/InputMapping.cpp", "app/GamePad.cpp", "app/ScoreLine.cpp",
    "app/ScrollText.cpp", "base/Timers.cpp", "world/Player.cpp", "world/Monster.cpp", "world/MonsterChase.cpp",
    "world/MonsterManager.cpp", "world/FourDirectionLaserObject.cpp", "world/CurrentMaze.cpp",
    "world/DemoController.cpp", "screens/LevelClearSpecialState.cpp", "screens/EndGameSpecialState.cpp",
    "screens/MenuInput.cpp", "screens/MenuScript.cpp", "screens/MenuSpecialState.cpp", "screens/MazeEditor.cpp",
    "screens/MazeExport.cpp", "screens/MazePlayCheck.cpp", "screens/InstructionsState.cpp",
    "screens/TitleScreen.cpp", "sound/Mixer.cpp", "sound/MySoundManager.cpp", "display/Window_shared.cpp", "display/Window_desktop.cpp",
    "display/FramePlan.cpp", "display/FrameCache.cpp", "display/Presenter_desktop.cpp", "display/TextPrinting.cpp",
]
SOURCES = ["app", "base", "display", "world", "screens", "sound", "debug"]
TESTS = ["world_test", "sound_test", "display_test", "tools_test", "app_test", "screens_test", "e2e_test"]
FIRST = {"world": ["world_test", "e2e_test"], "screens": ["screens_test", "e2e_test"], "app": ["app_test"],
         "sound": ["sound_test"], "display": ["display_test", "e2e_test"], "base": ["app_test"]}
SPACED = r"(?<= )({})(?= )"
OPERATORS = [  # (name, pattern, replacement)
    ("cmp", SPACED.format("=="), "!="), ("cmp", SPACED.format("!="), "=="), ("cmp", SPACED.format("<="), "<"),
    ("cmp", SPACED.format(">="), ">"), ("cmp", SPACED.format("<"), "<="), ("cmp", SPACED.format(">"), ">="),
    ("logic", SPACED.format("&&"), "||"), ("logic", SPACED.format(r"\|\|"), "&&"),
    ("bool", r"\btrue\b", "false"), ("bool", r"\bfalse\b", "true"), ("not", r"!(?=[\w(])", ""),
    ("const", r"(?<![\w.])\d+(?![\w.'])", None),
]
CALL = re.compile(r"^\s*(?!return\b|delete\b)[\w:]+(?:(?:\.|->|::)\w+)*(?:<[\w:, ]*>)?\(.*\);$")
restore = {}  # path -> original text, while a fault is in


def mask(line):
    """The line with string and character literals and a trailing comment blanked."""
    out, quote, i = [], None, 0
    while i < len(line):
        c = line[i]
        if quote:
            out.append("_" if c != quote else c)
            if c == "\\":
                out.append("_")
                i += 1
            elif c == quote:
                quote = None
        elif c in "\"'":
            quote = c
            out.append(c)
        elif line.startswith("//", i):
            break
        else:
            out.append(c)
        i += 1
    return "".join(out).ljust(len(line))


def functions(lines):
    """(name, first body line, last body line) of every function, and of the file's constants."""
    found, consts, skip = [], [], False
    i = 0
    while i < len(lines):
        if "clang-format off" in lines[i]:
            skip = True
        if "clang-format on" in lines[i]:
            skip = False
        if lines[i].startswith("constexpr") or re.match(r"^\s*(static )?constexpr \w+ \w+ = ", lines[i]):
            if not skip:
                consts.append(i)
        if lines[i] == "{":
            header = " ".join(lines[max(0, i - 3):i])
            names = re.findall(r"([A-Za-z_~][\w:~]*)\s*\(", header)
            end = next((j for j in range(i + 1, len(lines)) if lines[j] == "}"), len(lines))
            if names:
                found.append((names[0], i + 1, end - 1))
            i = end
        i += 1
    return found, consts


def mutants(path):
    lines = path.read_text().split("\n")
    funcs, consts = functions(lines)
    spans = [(name, range(a, b + 1)) for name, a, b in funcs] + [("constants", consts)]
    frozen, inside, web = set(), False, []  # JavaScript, and code only the web build compiles
    for i, line in enumerate(lines):
        inside = (inside or "clang-format off" in line) and "clang-format on" not in line
        if line.startswith("#if"):
            web.append(("#ifdef" in line or "#if defined" in line) if "EMSCRIPTEN" in line else None)
        elif line.startswith("#else") and web and web[-1] is not None:
            web[-1] = not web[-1]
        elif line.startswith("#endif") and web:
            web.pop()
        if inside or True in web:
            frozen.add(i)
    for name, span in spans:
        for i in span:
            line, masked = lines[i], mask(lines[i])
            stripped = masked.strip()
            if not stripped or stripped.startswith(("#", "//", "static_assert")) or i in frozen:
                continue
            for op, pattern, repl in OPERATORS:
                for m in re.finditer(pattern, masked):
                    new = repl if repl is not None else str(int(m.group()) + 1)
                    yield name, i, op, line[:m.start()] + new + line[m.end():]
            for kw in ("if", "while"):
                m = re.search(r"\b%s \(" % kw, masked)
                if m:
                    depth, j = 0, m.end() - 1
                    for j in range(m.end() - 1, len(masked)):
                        depth += {"(": 1, ")": -1}.get(masked[j], 0)
                        if depth == 0:
                            break
                    if depth == 0:
                        cond = line[m.end():j]
                        for always in (("true", "|| true"), ("false", "&& false"))[kw == "while":]:
                            yield name, i, "always-" + always[0], \
                                line[:m.end()] + "(" + cond + ") " + always[1] + line[j:]
            if CALL.match(masked.rstrip()) and " = " not in masked:
                yield name, i, "call", re.match(r"^\s*", line).group() + ";"


def run(cmd, cwd, timeout=None):
    """Return code (None on timeout), killing the whole process group when it runs over."""
    proc = subprocess.Popen(cmd, cwd=cwd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                            start_new_session=True)
    try:
        return proc.wait(timeout=timeout)
    except subprocess.TimeoutExpired:
        return None
    finally:
        if proc.poll() is None:
            os.killpg(proc.pid, signal.SIGKILL)
            proc.wait()


def build(args, targets):
    return run(["cmake", "--build", str(args.build), "-j", str(args.jobs), "--target"] + targets, ROOT) == 0


def test_path(args, name):
    return str(next(args.build.glob("tests/*/" + name)))


def case_command(args, name, case):
    return [test_path(args, name), "--gtest_filter=" + case]


def baseline(args):
    """Every test case of every program, with its clean time in seconds."""
    cache = args.build / "mutate-baseline.json"
    if cache.exists() and not args.rebaseline:
        return json.loads(cache.read_text())
    if not build(args, TESTS):
        sys.exit("the clean tree does not build")
    times = {}
    for name in TESTS:
        out = subprocess.run([test_path(args, name)], cwd=args.build, capture_output=True, text=True)
        if out.returncode != 0:
            sys.exit(f"{name} fails on the clean tree")
        times[name] = {m[0]: int(m[1]) / 1000 for m in re.findall(r"\[       OK \] (\S+) \((\d+) ms\)", out.stdout)
                       if not any(fnmatch.fnmatch(m[0], skip) for skip in args.skip)}
        print(f"clean {name}: {len(times[name])} cases, {sum(times[name].values()):.0f} s", flush=True)
    cache.write_text(json.dumps(times))
    return times


def first_failure(args, cases):
    """The first case that fails, run side by side (most cases wait on the game's clock, not the CPU); a
    failure is confirmed by running that case alone, since a test that waits on the clock may fail
    under load. Returns (program, case, timed out) or None."""
    waiting, running, finished = list(cases), {}, set()
    failed = None
    try:
        while (waiting or running) and failed is None:
            while waiting and len(running) < args.parallel:
                name, case, clean = waiting.pop(0)
                proc = subprocess.Popen(case_command(args, name, case), cwd=args.build, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL, start_new_session=True)
                running[proc] = (name, case, clean, time.monotonic() + 2 * clean + 30)
            time.sleep(0.05)
            for proc, (name, case, clean, deadline) in list(running.items()):
                rc = proc.poll()
                if rc is None and time.monotonic() < deadline:
                    continue
                if rc is None:
                    os.killpg(proc.pid, signal.SIGKILL)
                    proc.wait()
                del running[proc]
                finished.add(case)
                if rc != 0 and failed is None:
                    failed = (name, case, clean)
    finally:
        for proc in running:
            os.killpg(proc.pid, signal.SIGKILL)
            proc.wait()
    if failed is None:
        return None
    name, case, clean = failed
    rc = run(case_command(args, name, case), args.build, 2 * clean + 30)
    if rc != 0:
        return name, case, rc is None
    print(f"    {case} failed only beside others; going on", flush=True)
    return first_failure(args, [c for c in cases if c[1] not in finished])


def justified():
    table = {}
    known = ROOT / "tools/mutate-justified.txt"
    for line in known.read_text().splitlines() if known.exists() else []:
        parts = [p.strip() for p in line.split(" | ")]
        if len(parts) == 4 and not line.startswith("#"):
            table[(parts[0], parts[1], parts[2])] = parts[3]
    return table


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("targets", nargs="*", help="FILE or FILE:FUNCTION")
    parser.add_argument("--build", type=Path, default=ROOT / "build-mutate")
    parser.add_argument("--jobs", type=int, default=2)
    parser.add_argument("--parallel", type=int, default=8, help="test cases run side by side")
    parser.add_argument("--per-function", type=int, default=0, help="sample at most N faults a function")
    parser.add_argument("--ops", default="", help="only these kinds, e.g. cmp,call")
    parser.add_argument("--max", type=int, default=0, help="then sample at most N faults in all")
    parser.add_argument("--except", dest="skip_functions", action="append", default=[], help="a function left out")
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--skip", action="append", default=[], help="a gtest pattern not to run (a flaky test)")
    parser.add_argument("--ctest", help="then the ctest tests matching this, e.g. opengl for the xvfb roads")
    parser.add_argument("--list", action="store_true", help="list the faults, run nothing")
    parser.add_argument("--rebaseline", action="store_true", help="time the clean tests again")
    parser.add_argument("--again", type=Path, help="the survivors of this log, once more (after new tests)")
    parser.add_argument("--log", type=Path, help="append one JSON line a fault; faults already in it are skipped")
    args = parser.parse_args()

    running = ROOT / ".mutate-running"
    other = int(running.read_text()) if running.exists() else 0
    if other and Path(f"/proc/{other}").exists():
        if not args.list:
            sys.exit(f"another run (pid {other}) has a fault in the tree")
    else:
        for saved in (p for d in SOURCES for p in (ROOT / d).rglob("*.mutate-orig")):  # a run killed outright
            saved.with_suffix("").write_bytes(saved.read_bytes())
            saved.unlink()
    chosen, rng, known = [], random.Random(args.seed), justified()
    for d in map(json.loads, args.again.read_text().splitlines() if args.again else []):
        if d["verdict"] == "survived" and (d["file"], d["original"], d["fault"]) not in known:
            # found again by its text: the lines may have moved since
            lines = (ROOT / d["file"]).read_text().split("\n")
            at = [i for i, line in enumerate(lines) if line.strip() == d["original"]]
            if at:
                i = min(at, key=lambda i: abs(i + 1 - d["line"]))
                indent = lines[i][:len(lines[i]) - len(lines[i].lstrip())]
                chosen.append((d["file"], d["function"], i, d["op"], indent + d["fault"]))
    for target in args.targets or ([] if args.again else RULE_FILES):
        file, _, func = target.partition(":")
        path = ROOT / file
        by_function = {}
        for m in mutants(path):
            if m[0] in args.skip_functions:
                continue
            if (not func or m[0] == func or m[0].endswith("::" + func)) and (
                    not args.ops or m[2].split("-")[0] in args.ops.split(",")):
                by_function.setdefault(m[0], []).append(m)
        for found in by_function.values():
            n = args.per_function or len(found)
            chosen += [(file,) + m for m in sorted(rng.sample(found, min(n, len(found))), key=lambda m: m[1])]
    if args.max and len(chosen) > args.max:
        chosen = sorted(rng.sample(chosen, args.max))
    if args.list:
        for file, func, i, op, new in chosen:
            print(f"{file}:{i + 1} {func} {op}: {new.strip()}")
        print(f"{len(chosen)} faults")
        return
    if not (args.build / "CMakeCache.txt").exists():
        subprocess.check_call(["cmake", "-S", str(ROOT), "-B", str(args.build), "-DCMAKE_BUILD_TYPE=Release",
                               "-DKWORBLE_BENCH=OFF"], stdout=subprocess.DEVNULL)
    running.write_text(str(os.getpid()))
    clean = baseline(args)
    done = set()
    if args.log and args.log.exists():  # a run cut short goes on where it stopped
        for line in args.log.read_text().splitlines():
            d = json.loads(line)
            done.add((d["file"], d["line"], d["fault"]))
    counts = dict(tried=0, caught=0, timeout=0, survived=0, justified=0, uncompilable=0)
    survivors = []
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))
    try:
        for file, func, i, op, new in chosen:
            if (file, i + 1, new.strip()) in done:
                continue
            path = ROOT / file
            text = path.read_text()
            lines = text.split("\n")
            original = lines[i]
            lines[i] = new
            Path(str(path) + ".mutate-orig").write_text(text)
            restore[path] = text
            path.write_text("\n".join(lines))
            counts["tried"] += 1
            order = FIRST.get(file.split("/")[0], []) + [t for t in TESTS if t not in FIRST.get(file.split("/")[0], [])]
            verdict, by = "survived", ""
            cases = [(name, case, clean[name][case]) for name in order
                     for case in sorted(clean[name], key=clean[name].get, reverse=True)]
            if not build(args, TESTS):
                verdict = "uncompilable"
            else:
                failure = first_failure(args, cases)
                if failure:
                    verdict, by = ("timeout" if failure[2] else "caught"), failure[1]
                if verdict == "survived" and args.ctest and build(args, ["all"]):
                    if run(["ctest", "--test-dir", str(args.build), "-R", args.ctest, "--stop-on-failure"], ROOT) != 0:
                        verdict, by = "caught", "ctest"
            path.write_text(text)
            del restore[path]
            os.unlink(str(path) + ".mutate-orig")
            where = f"{file}:{i + 1} {func} {op}: {original.strip()}  =>  {new.strip()}"
            if verdict == "survived" and (file, original.strip(), new.strip()) in known:
                verdict = "justified"
            counts[verdict] += 1
            if verdict == "survived":
                survivors.append(where)
            print(f"[{counts['tried']}/{len(chosen)}] {verdict:12} {by:40.40} {where}", flush=True)
            if args.log:
                with args.log.open("a") as log:
                    log.write(json.dumps(dict(file=file, line=i + 1, function=func, op=op, original=original.strip(),
                                              fault=new.strip(), verdict=verdict, by=by)) + "\n")
    except KeyboardInterrupt:
        counts["tried"] -= len(restore)  # the fault cut short has no verdict
        print("interrupted", flush=True)
    finally:
        for path, text in restore.items():
            path.write_text(text)
            os.unlink(str(path) + ".mutate-orig")
        running.unlink()
    print("\nsurvivors (file | line | faulty line: a test that kills it, or a line in tools/mutate-justified.txt):")
    for where in survivors:
        print("  " + where)
    print(" ".join(f"{k} {v}" for k, v in counts.items()))
    compiled = counts["tried"] - counts["uncompilable"] - counts["justified"]
    if compiled:
        print(f"caught (timeouts included) {100 * (counts['caught'] + counts['timeout']) / compiled:.0f}% "
              "of the compiled faults not justified")


if __name__ == "__main__":
    main()
