#!/usr/bin/env python3
"""Measures what the test suite catches: applies each fault of tools/faults.txt in turn to a
work tree, rebuilds the test programs, runs them and records whether any test fails.

A developer's tool, not part of CI. Run it in a scratch work tree, never in one with changes
of your own: every fault is reverted after its run, but an interrupted run leaves one in place
(`git checkout -- src` undoes it).

    python3 tools/fault_check.py [--tree DIR] [--build DIR] [--only ID ...] [--out FILE]

The test programs of the fault's own folder run first, stopping at the first failing test;
only when they pass do the others run. The interop, webengine and large programs are left
out: they need a display, LibreOffice or minutes of their own.
"""
import argparse
import os
import re
import subprocess
import sys
import time
from pathlib import Path

EXCLUDED = {"interop", "webengine", "large"}
TIMED_OUT = "timed out"
# A loaded machine runs the randomized programs for minutes; a timeout proves nothing either way.
TEST_TIMEOUT = 1200


def read_faults(path):
    faults, fault = [], None
    for line in Path(path).read_text().splitlines():
        if line.startswith("#") or not line.strip():
            continue
        if line.startswith("@ "):
            ident, file = line[2:].split()
            fault = {"id": ident, "file": file, "what": "", "old": None, "new": None}
            faults.append(fault)
        elif line.startswith("- "):
            fault["old"] = line[2:]
        elif line.startswith("+"):
            fault["new"] = line[2:]
        else:
            fault["what"] = line
    for f in faults:
        if not f["old"] or f["new"] is None:
            sys.exit(f"{f['id']}: needs a '-' line and a '+' line")
    return faults


def test_folders(tree):
    listing = (tree / "tests" / "CMakeLists.txt").read_text()
    folders = re.search(r"foreach\(_dir ([^)]*)\)", listing).group(1).split()
    return [d for d in folders if d not in EXCLUDED and any((tree / "tests" / d).glob("*.cpp"))]


def build(build_dir, targets):
    result = subprocess.run(["cmake", "--build", str(build_dir), "-j2", "--target", *targets],
                            capture_output=True, text=True)
    return result.returncode == 0


def first_failure(build_dir, folder):
    """The first failing test of one test program, or None when all pass."""
    program = build_dir / f"test_{folder}"
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    try:
        result = subprocess.run([str(program), "--gtest_fail_fast", "--gtest_brief=1"],
                                capture_output=True, text=True, env=env, timeout=TEST_TIMEOUT)
    except subprocess.TimeoutExpired:
        return TIMED_OUT
    if result.returncode == 0:
        return None
    failed = re.search(r"\[  FAILED  \] (\S+)", result.stdout)
    return failed.group(1) if failed else f"test_{folder}: exit {result.returncode}"


def run_suite(build_dir, folders, own):
    """Runs the fault's own folder first, then the others, each built just before it runs:
    answers the first failure found, or None."""
    for folder in sorted(folders, key=lambda d: d != own):
        if not build(build_dir, [f"test_{folder}"]):
            return "does not build"
        failure = first_failure(build_dir, folder)
        if failure:
            return failure
    return None


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    here = Path(__file__).resolve().parent
    parser.add_argument("--tree", type=Path, default=here.parent)
    parser.add_argument("--build", type=Path)
    parser.add_argument("--faults", type=Path, default=here / "faults.txt")
    parser.add_argument("--only", nargs="*")
    parser.add_argument("--out", type=Path, help="also write the table to this file")
    parser.add_argument("--skip-clean-run", action="store_true",
                        help="do not run the untouched tree first (it was just seen to pass)")
    args = parser.parse_args()
    tree = args.tree.resolve()
    build_dir = (args.build or tree / "build").resolve()
    faults = [f for f in read_faults(args.faults) if not args.only or f["id"] in args.only]
    folders = test_folders(tree)

    # The untouched tree must pass, or every fault would count as caught.
    failure = None if args.skip_clean_run else run_suite(build_dir, folders, None)
    if failure:
        sys.exit(f"the untouched tree fails already: {failure}")

    rows = []
    for fault in faults:
        path = tree / fault["file"]
        original = path.read_text()
        if original.count(fault["old"]) != 1:
            rows.append((fault["id"], "NOT APPLIED", "its text is not found exactly once", 0))
            continue
        started = time.monotonic()
        path.write_text(original.replace(fault["old"], fault["new"]))
        try:
            own = fault["file"].split("/")[1]
            failure = run_suite(build_dir, folders, own)
        finally:
            path.write_text(original)
        seconds = round(time.monotonic() - started)
        verdict = {None: "NOT CAUGHT", "does not build": "NO BUILD", TIMED_OUT: "TIMED OUT"}.get(
            failure, "caught")
        rows.append((fault["id"], verdict, failure or "", seconds))
        print(f"{fault['id']:28} {verdict:11} {seconds:5}s  {failure or ''}", flush=True)

    caught = sum(1 for r in rows if r[1] == "caught")
    table = ["| fault | verdict | first failing test | seconds |", "| --- | --- | --- | --- |"]
    table += [f"| {r[0]} | {r[1]} | {r[2]} | {r[3]} |" for r in rows]
    table.append(f"\ncaught {caught} of {len(rows)}")
    print("\n".join(table))
    if args.out:
        args.out.write_text("\n".join(table) + "\n")
    # Leave the tree's programs built from the untouched sources.
    build(build_dir, [f"test_{d}" for d in folders])


if __name__ == "__main__":
    main()
