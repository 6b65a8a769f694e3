#!/usr/bin/env python3
"""Runs random command lines through two builds of huewright-cli and compares them byte for byte.

Each run (written by random_cli_runs: arguments, maybe lumo.ini, in.DAT and standard input) is
copied into a folder for each build, which runs there as its working directory. The exit
status, standard output, standard error and every file left in the folder must be the same.

    compare_builds.py RANDOM_CLI_RUNS FIRST_CLI SECOND_CLI [--runs N] [--seed N]

A CLI ending in .js runs under node.
"""

import argparse
import concurrent.futures
import os
import shutil
import subprocess
import sys
import tempfile


def command(cli):
    return [shutil.which("node") or "node", cli] if cli.endswith(".js") else [cli]


def run_in(folder, cli, args):
    """The outcome of one run: status, standard output and error, and the folder's files."""
    stdin_file = os.path.join(folder, "stdin")
    with open(stdin_file if os.path.exists(stdin_file) else os.devnull, "rb") as stdin, \
            tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
        # Files, not pipes, so that neither build meets a full pipe.
        status = subprocess.run(command(cli) + args, cwd=folder, stdin=stdin, stdout=out,
                                stderr=err, check=False, timeout=60).returncode
        out.seek(0)
        err.seek(0)
        outcome = {"status": status, "standard output": out.read(),
                   "standard error": err.read()}
    for name in sorted(os.listdir(folder)):
        with open(os.path.join(folder, name), "rb") as file:
            outcome["file " + name] = file.read()
    return outcome


def compare(case, clis):
    """The differences between the builds' outcomes of the run in folder `case`, as text."""
    with open(os.path.join(case, "args"), "rb") as file:
        args = [arg.decode() for arg in file.read().split(b"\0")[:-1]]
    outcomes = []
    for index, cli in enumerate(clis):
        folder = f"{case}.{index}"
        shutil.copytree(case, folder)
        outcomes.append(run_in(folder, cli, args))
    first, second = outcomes
    differences = [f"  {key}:\n    {first.get(key)!r}\n    {second.get(key)!r}"
                   for key in sorted(set(first) | set(second))
                   if first.get(key) != second.get(key)]
    if not differences:
        return ""
    return f"run {os.path.basename(case)}: {args!r}\n" + "\n".join(differences)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("random_cli_runs")
    parser.add_argument("first_cli")
    parser.add_argument("second_cli")
    parser.add_argument("--runs", type=int, default=500)
    parser.add_argument("--seed", type=int, default=19)
    options = parser.parse_args()

    with tempfile.TemporaryDirectory(prefix="huewright-compare-") as scratch:
        subprocess.run([options.random_cli_runs, str(options.seed), str(options.runs), scratch],
                       check=True)
        cases = [os.path.join(scratch, str(run)) for run in range(options.runs)]
        # Each build runs in a folder of its own.
        clis = (os.path.abspath(options.first_cli), os.path.abspath(options.second_cli))
        with concurrent.futures.ThreadPoolExecutor(max_workers=os.cpu_count()) as pool:
            reports = [report for report in pool.map(lambda case: compare(case, clis), cases)
                       if report]
    for report in reports[:10]:
        print(report, file=sys.stderr)
    print(f"{options.runs - len(reports)} passed, {len(reports)} failed "
          f"(seed {options.seed}: {options.first_cli} against {options.second_cli})")
    return 1 if reports else 0


if __name__ == "__main__":
    sys.exit(main())
