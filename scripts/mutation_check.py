#!/usr/bin/env python3
"""Breaks the code on purpose, one fault at a time, and checks that the test suite notices.

Each fault in scripts/mutants.txt is a literal replacement in one source file. For every
fault: make the change, rebuild the test programs, run them (core, command line, windows
under a virtual display) until one fails, and put the file back. A fault no test notices is
a hole in the suite.

    scripts/mutation_check.py [BUILD_DIR] [--only ID[,ID...]]

BUILD_DIR defaults to build (configured already). The tree must have no uncommitted changes
to the files the faults touch; each file is restored from its bytes before the change.
"""
import pathlib
import subprocess
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent


def read_mutants():
    mutants = []
    for number, line in enumerate((ROOT / "scripts" / "mutants.txt").read_text().splitlines(), 1):
        if not line.strip() or line.startswith("#"):
            continue
        fields = line.split("\t")
        if len(fields) != 5:
            sys.exit(f"mutants.txt:{number}: want 5 tab-separated fields, found {len(fields)}")
        ident, path, old, new, what = fields
        decode = lambda text: text.encode().decode("unicode_escape")
        mutants.append((ident, path, decode(old), decode(new), what))
    return mutants


def run(command, **kwargs):
    return subprocess.run(command, cwd=ROOT, stdout=subprocess.DEVNULL,
                          stderr=subprocess.DEVNULL, **kwargs).returncode


def first_failing_suite(build):
    suites = [
        ("core", [f"{build}/bin/core_tests"]),
        ("cli", [f"{build}/bin/cli_tests"]),
        ("gui", ["tests/gui/run_gui_tests.sh", f"{build}/bin/gui_tests"]),
    ]
    for name, command in suites:
        if run(command, timeout=900) != 0:
            return name
    return None


def check(mutant, build):
    ident, path, old, new, what = mutant
    source = ROOT / path
    original = source.read_bytes()
    text = original.decode()
    if text.count(old) != 1:
        return f"{ident}\tSTALE\t{what} (the text to change occurs {text.count(old)} times)"
    try:
        source.write_text(text.replace(old, new))
        targets = ["core_tests", "cli_tests", "gui_tests"]
        if run(["cmake", "--build", build, "-j2", "--target", *targets]) != 0:
            return f"{ident}\tNO BUILD\t{what}"
        caught_by = first_failing_suite(build)
    finally:
        source.write_bytes(original)
    verdict = f"caught ({caught_by} tests)" if caught_by else "MISSED"
    return f"{ident}\t{verdict}\t{what}"


def main(argv):
    build = "build"
    only = None
    args = list(argv)
    while args:
        arg = args.pop(0)
        if arg == "--only":
            only = set(args.pop(0).split(","))
        else:
            build = arg
    results = []
    for mutant in read_mutants():
        if not only or mutant[0] in only:
            results.append(check(mutant, build))
            print(results[-1], flush=True)
    run(["cmake", "--build", build, "-j2", "--target", "core_tests", "cli_tests", "gui_tests"])
    return 1 if any("\tcaught" not in r for r in results) else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
