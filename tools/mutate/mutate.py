#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Zorbitan developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""A mutation run: small faults made one at a time in the game's sources, each built and
tested; the faults no test notices are the suite's blind spots.

    tools/mutate/mutate.py [--seed N] [--minutes M] [--per-folder N] [--only PATH ...]

The seed orders every possible mutant; the run takes them in that order, a folder at a time
in turn, until the budget is spent. Results are kept (build-mutate/results.jsonl) and a later
run with the same sources and tests goes on where the last stopped; --report prints them.
"""

import argparse
import hashlib
import json
import os
import signal
import sys
import time
from collections import Counter, defaultdict

import operators
from workspace import PROGRAM_TARGETS, Workspace, tests_for

FOLDERS = ["core", "services", "screens", "app"]
HERE = os.path.dirname(os.path.abspath(__file__))


def arguments():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--seed", type=int, default=1, help="orders the mutants (default 1)")
    parser.add_argument("--minutes", type=float, default=60, help="the mutants' budget (default 60)")
    parser.add_argument("--per-folder", type=int, help="at most this many mutants of each folder")
    parser.add_argument("--only", nargs="+", default=FOLDERS, help="files or folders to mutate")
    parser.add_argument("--folder", default="build-mutate", help="the run's copy, build and results")
    parser.add_argument("--report", action="store_true", help="print the kept results and stop")
    parser.add_argument("--nice", type=int, default=19,
                        help="the run's niceness (default 19; less when a busy machine would starve it)")
    parser.add_argument("--carry", action="store_true",
                        help="take an earlier tree's kills and failed builds as they stand (sound when tests were "
                        "only added since): only its survivors and new mutants are run")
    return parser.parse_args()


def read_equivalents():
    """The changes that cannot be seen, as "path: change | why"; each line a survivor's text."""
    listed = {}
    with open(os.path.join(HERE, "equivalent.txt"), encoding="utf-8") as file:
        for line in file:
            if line.strip() and not line.startswith("#"):
                change, _, reason = line.rstrip("\n").rpartition(" | ")
                listed[change.strip()] = reason.strip()
    return listed


def sample(workspace, only, seed):
    """Every mutant of the chosen sources, in the seed's order, the folders taking turns."""
    by_folder = defaultdict(list)
    for path in workspace.files():
        wanted = any(path == o.rstrip("/") or path.startswith(o.rstrip("/") + "/") for o in only)
        if wanted and path.split("/")[0] in FOLDERS and path.endswith((".cpp", ".h")):
            seen = Counter()
            for mutant in operators.mutants(path, workspace.read(path)):
                # The same change on a line that stands twice in a file is told apart by its turn.
                seen[mutant.what] += 1
                mutant.key = f"{path}: {mutant.what}" + (f" #{seen[mutant.what]}" if seen[mutant.what] > 1 else "")
                by_folder[path.split("/")[0]].append(mutant)
    for mutants in by_folder.values():
        mutants.sort(key=lambda m: hashlib.sha256(f"{seed}:{m.key}".encode()).hexdigest())
    turns = []
    for rank in range(max((len(m) for m in by_folder.values()), default=0)):
        turns += [by_folder[f][rank] for f in FOLDERS if rank < len(by_folder[f])]
    return turns, {f: len(m) for f, m in by_folder.items()}


def tree_hash(workspace):
    """Names the sources and tests that results hold for; the run's own files do not count."""
    digest = hashlib.sha256()
    for path, contents in sorted(workspace.mirrored.items()):
        if not path.startswith("tools/mutate/"):
            digest.update(path.encode() + b"\0" + contents + b"\0")
    return digest.hexdigest()[:16]


def load_results(path, tree=None):
    """The kept results of this very tree (sources and tests), or of the last one run; and
    the kills and failed builds of every other tree."""
    records = []
    if os.path.exists(path):
        with open(path, encoding="utf-8") as file:
            records = [json.loads(line) for line in file if line.strip()]
    tree = tree or (records[-1]["tree"] if records else None)
    earlier = {r["key"]: r for r in records if r["tree"] != tree and r["status"] in ("killed", "unbuilt")}
    return {r["key"]: r for r in records if r["tree"] == tree}, earlier


def judge(workspace, mutant):
    """killed, survived or unbuilt, and what found it."""
    binaries, programs = tests_for(mutant.path)
    targets = binaries + (PROGRAM_TARGETS if programs else [])
    if any(name not in workspace.baseline for name in binaries + programs):
        workspace.compile(targets)  # the unmutated build, timed before any mutant is judged
        workspace.measure(binaries + programs)
    with workspace.mutated(mutant):
        built = workspace.compile(targets, timeout=1800)
        if built != "ok":
            return "unbuilt", built
        # The whole-program runs only for what every offscreen test missed.
        for name in binaries + programs:
            outcome = workspace.test(name, timeout=workspace.timeout(name))
            if outcome != "ok":
                return "killed", f"{name} ({outcome})"
    return "survived", ""


def report(results, made, shown_folders):
    counts = defaultdict(Counter)
    survivors = []
    for record in results.values():
        if record["path"].split("/")[0] in shown_folders:
            counts[record["path"].split("/")[0]][record["status"]] += 1
            if record["status"] == "survived":
                survivors.append(record)
    print("\nSurvivors:" if survivors else "\nNo survivors.")
    for record in sorted(survivors, key=lambda r: (r["path"], r["line"])):
        print(f"{record['path']}:{record['line']}: {record['what']}")
    print(f"\n{'folder':10}{'possible':>9}{'made':>6}{'killed':>8}{'survived':>10}{'equivalent':>12}"
          f"{'unbuilt':>9}{'score':>8}")
    for folder in FOLDERS:
        if folder in shown_folders:
            c = counts[folder]
            tried = sum(c.values())
            scored = c["killed"] + c["survived"]
            score = f"{100 * c['killed'] / scored:.0f} %" if scored else "-"
            print(f"{folder:10}{made.get(folder, 0):>9}{tried:>6}{c['killed']:>8}{c['survived']:>10}"
                  f"{c['equivalent']:>12}{c['unbuilt']:>9}{score:>8}")


def stop(*_):
    """Ended from outside, the run stops as after Ctrl-C: the mutated file is put back."""
    raise KeyboardInterrupt


def main():
    args = arguments()
    os.nice(max(0, args.nice - os.nice(0)))  # every mutant is a build and a test run on a shared machine
    checkout = os.path.dirname(os.path.dirname(HERE))
    folder = os.path.join(checkout, args.folder)
    os.makedirs(folder, exist_ok=True)
    workspace = Workspace(checkout, folder, os.path.join(folder, "mutate.log"))
    results_path = os.path.join(folder, "results.jsonl")
    shown = {o.split("/")[0] for o in args.only}
    if args.report:
        report(load_results(results_path)[0], sample(workspace, args.only, args.seed)[1], shown)
        return 0
    workspace.mirror()  # the sources as they stand now: the checkout may change meanwhile
    tree = tree_hash(workspace)
    results, earlier = load_results(results_path, tree)
    equivalents = read_equivalents()
    mutants, made = sample(workspace, args.only, args.seed)

    signal.signal(signal.SIGTERM, stop)
    taken = Counter()
    print(f"mutate: {sum(made.values())} possible mutants; seed {args.seed}, {args.minutes:g} minutes; "
          f"log in {workspace.log}", flush=True)
    try:
        workspace.configure()
        if workspace.compile(["all"]) != "ok":
            raise SystemExit(f"mutate: the unmutated sources do not build; see {workspace.log}")
        deadline = time.monotonic() + 60 * args.minutes  # for the mutants, once the sources are built
        with open(results_path, "a", encoding="utf-8") as kept:
            for mutant in mutants:
                folder_name = mutant.path.split("/")[0]
                if time.monotonic() > deadline:
                    break
                if args.per_folder is not None and taken[folder_name] >= args.per_folder:
                    continue
                taken[folder_name] += 1
                if mutant.key in results:
                    continue
                began = time.monotonic()
                change = f"{mutant.path}: {mutant.what}"
                if change in equivalents:
                    status, by = "equivalent", equivalents[change]
                elif args.carry and mutant.key in earlier:
                    status, by = earlier[mutant.key]["status"], earlier[mutant.key]["by"] + ", carried"
                else:
                    status, by = judge(workspace, mutant)
                record = {"tree": tree, "key": mutant.key, "path": mutant.path, "line": mutant.line,
                          "what": mutant.what, "status": status, "by": by,
                          "seconds": round(time.monotonic() - began)}
                results[record["key"]] = record
                kept.write(json.dumps(record) + "\n")
                kept.flush()
                print(f"{status:>10}  {mutant.path}:{mutant.line}: {mutant.what}  {by}", flush=True)
    except KeyboardInterrupt:
        print("mutate: interrupted; the mutated source is put back", file=sys.stderr)
    if not workspace.clean():
        print("mutate: a mutant was left in the copy", file=sys.stderr)
        return 1
    report(results, made, shown)
    return 0


if __name__ == "__main__":
    sys.exit(main())
