"""Runs the faults of a fault file against a built copy of the tree (see scripts/mutate).

A fault is a block:
    @ path/of/file.cpp | what goes wrong
    - exact line(s) of the code as they stand (indentation kept)
    + the line(s) that replace them (a block without + lines deletes them)
"""
import signal
import subprocess
import sys
from pathlib import Path


def read_faults(path):
    faults, current = [], None
    for number, line in enumerate(Path(path).read_text(encoding="utf-8").splitlines(), 1):
        if line.startswith("@ "):
            file, _, what = line[2:].partition("|")
            current = {"file": file.strip(), "what": what.strip(), "old": [], "new": [], "line": number}
            faults.append(current)
        elif current and line.startswith("- "):
            current["old"].append(line[2:])
        elif current and line.startswith("+ "):
            current["new"].append(line[2:])
        elif current and line == "+":
            current["new"].append("")
    return faults


def run(command, cwd, log):
    with open(log, "w") as out:
        return subprocess.run(command, cwd=cwd, stdout=out, stderr=subprocess.STDOUT).returncode


def is_stale(fault, src):
    target = src / fault["file"]
    original = target.read_text(encoding="utf-8") if target.exists() else ""
    old = "\n".join(fault["old"])
    return not old or original.count(old) != 1


def check_stale(fault_file, src, pattern):
    faults = [f for f in read_faults(fault_file) if pattern in f["what"] or pattern in f["file"]]
    stale = [f for f in faults if is_stale(f, src)]
    for fault in stale:
        print(f"STALE   {fault_file}:{fault['line']} {fault['file']}: {fault['what']}")
    print(f"mutate: {len(faults) - len(stale)} of {len(faults)} faults stand in the code; {len(stale)} stale")
    return 1 if stale else 0


def main():
    if sys.argv[1] == "--stale":
        return check_stale(sys.argv[2], Path(sys.argv[3]), sys.argv[4] if len(sys.argv) > 4 else "")
    fault_file, src, work, pattern = sys.argv[1], Path(sys.argv[2]), Path(sys.argv[3]), sys.argv[4]
    build_target = sys.argv[5] if len(sys.argv) > 5 else "all"  # what each fault rebuilds
    selection = sys.argv[6:]  # ctest's -R REGEX, when only some tests are to run
    faults = [f for f in read_faults(fault_file) if pattern in f["what"] or pattern in f["file"]]
    caught = missed = stale = broken = 0
    for index, fault in enumerate(faults, 1):
        target = src / fault["file"]
        original = target.read_text(encoding="utf-8") if target.exists() else ""
        old, new = "\n".join(fault["old"]), "\n".join(fault["new"])
        label = f"{index:3} {fault['file']}: {fault['what']}"
        if not old or original.count(old) != 1:
            stale += 1
            print(f"STALE   {label}", flush=True)
            continue
        target.write_text(original.replace(old, new), encoding="utf-8")
        try:
            if run(["cmake", "--build", "--preset", "host", "--target", build_target], src, work / "fault-build.log") != 0:
                broken += 1
                print(f"NOBUILD {label}", flush=True)
                continue
            failed = run(["ctest", "--preset", "host", "-j2", "--stop-on-failure", "--timeout", "120", *selection],
                         src, work / "fault-test.log")
            if failed:
                caught += 1
                print(f"caught  {label}", flush=True)
            else:
                missed += 1
                print(f"MISSED  {label}", flush=True)
        finally:
            target.write_text(original, encoding="utf-8")
    counted = caught + missed
    share = 100.0 * caught / counted if counted else 0.0
    print(f"mutate: {caught} of {counted} faults caught ({share:.0f}%); {stale} stale, {broken} did not build")
    return 0 if counted and stale == 0 and broken == 0 else 1


if __name__ == "__main__":
    # A run that is stopped still puts the planted file back (the finally above).
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(130))
    sys.exit(main())
