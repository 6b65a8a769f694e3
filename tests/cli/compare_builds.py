#!/usr/bin/env python3
"""Runs random command lines through two builds of huewright-cli and compares them byte for byte.

Each run (written by random_cli_runs: arguments, maybe lumo.ini, in.DAT and standard input) is
copied into a folder for each build, which runs there as its working directory. The exit
status, standard output, standard error and every file left in the folder must be the same.
Then each build runs the fixed cases below, where node hands over arguments, files and
descriptors in its own way, and each must have its exact outcome.

    compare_builds.py RANDOM_CLI_RUNS FIRST_CLI SECOND_CLI [--runs N] [--seed N]

A CLI ending in .js runs under node.
"""

import argparse
import concurrent.futures
import os
import shutil
import stat
import subprocess
import sys
import tempfile
import threading


def command(cli):
    return [shutil.which("node") or "node", cli] if cli.endswith(".js") else [cli]


def run_in(folder, cli, args, timeout=60):
    """The outcome of one run: status, standard output and error, and the folder's files."""
    stdin_file = os.path.join(folder, "stdin")
    with open(stdin_file if os.path.exists(stdin_file) else os.devnull, "rb") as stdin, \
            tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
        # Files, not pipes, so that neither build meets a full pipe.
        try:
            status = subprocess.run(command(cli) + args, cwd=folder, stdin=stdin, stdout=out,
                                    stderr=err, check=False, timeout=timeout).returncode
        except subprocess.TimeoutExpired:
            status = f"still running after {timeout} s"
        out.seek(0)
        err.seek(0)
        outcome = {"status": status, "standard output": out.read(),
                   "standard error": err.read()}
    for name in sorted(os.listdir(folder)):
        path = os.path.join(folder, name)
        if stat.S_ISFIFO(os.stat(path).st_mode):
            outcome["file " + name] = "FIFO"
            continue
        with open(path, "rb") as file:
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


FONT_HI = ('<FONT FACE="\uff2d\uff33 \uff30\u30b4\u30b7\u30c3\u30af" SIZE="3" >'
           '<FONT COLOR="#FF00FF">h</FONT><FONT COLOR="#0000FF">i</FONT></FONT><BR>').encode()
NOT_UTF8_UNDER_NODE = (b"huewright-cli: argument %d could not be read as UTF-8; under node every "
                       b"argument must be UTF-8\n")

# Name, arguments, standard input, the FIFOs made in the folder beforehand, and the outcome in
# both builds, with what differs under "native" and "node": status, standard output and error,
# the regular files the run left (none unless listed) and, where a reader waits on the FIFO, what
# it read from it.
FIXED_CASES = [
    ("U+FEFF first in a text argument",
     [b"--no-startup-file", b"--format", b"ansi", "\ufeffhi".encode()], None, [],
     {"status": 0, "standard error": b"", "standard output":
      b"\x1b[38;2;255;0;255m\xef\xbb\xbf\x1b[38;2;128;0;255mh\x1b[38;2;0;0;255mi\x1b[0m\n"}),
    ("U+FEFF first on standard input is a byte-order mark",
     [b"--no-startup-file"], b"\xef\xbb\xbfhi\n", [],
     {"status": 0, "standard error": b"", "standard output": FONT_HI + b"\n"}),
    ("U+FFFD typed as UTF-8", [b"--no-startup-file", b"--format", b"ansi", "a\ufffdb".encode()],
     None, [],
     {"status": 0, "standard error": b"", "standard output":
      b"\x1b[38;2;255;0;255ma\x1b[38;2;128;0;255m\xef\xbf\xbd\x1b[38;2;0;0;255mb\x1b[0m\n"}),
    ("a surrogate's bytes in a text argument",
     [b"--no-startup-file", b"--format", b"span", b"a\xed\xa0\x80b"], None, [],
     {"status": 2, "standard output": b"",
      "native": {"standard error": b"huewright-cli: text: invalid UTF-8 at character 2, byte 2 "
                                   b"(counting from 1): surrogate U+D800 encoded as 0xED 0xA0 0x80\n"},
      "node": {"standard error": NOT_UTF8_UNDER_NODE % 4}}),
    ("a file name in Latin-1", [b"--no-startup-file", b"--save", b"caf\xe9.DAT", b"hi"], None, [],
     {"native": {"status": 0, "standard output": FONT_HI + b"\n", "standard error": b"",
                 "files": [b"caf\xe9.DAT"]},
      "node": {"status": 2, "standard output": b"", "standard error": NOT_UTF8_UNDER_NODE % 3,
               "files": []}}),
    # A start-up file that cannot be read is named, and the run starts from the built-in
    # settings, as without one.
    ("lumo.ini a FIFO", [b"hi"], None, ["lumo.ini"],
     {"status": 0, "standard output": FONT_HI + b"\n", "standard error":
      b"huewright-cli: warning: cannot read the start-up file lumo.ini: not a regular file; "
      b"starting from the built-in settings\n"}),
    ("--load FIFO", [b"--no-startup-file", b"--load", b"p"], None, ["p"],
     {"status": 2, "standard output": b"",
      "standard error": b"huewright-cli: --load: cannot read p: not a regular file\n"}),
    ("-o FIFO", [b"--no-startup-file", b"-o", b"p", b"hi"], None, ["p"],
     {"status": 0, "standard output": b"", "standard error": b"", "read from FIFO": FONT_HI}),
]


def run_fixed_case(case, cli, scratch):
    """What differs from the expected outcome of one fixed case in one build, as text."""
    name, args, stdin, fifos, expected = case
    build = "node" if cli.endswith(".js") else "native"
    expected = {"files": [], **{key: value for key, value in expected.items()
                                if key not in ("native", "node")}, **expected.get(build, {})}
    folder = tempfile.mkdtemp(dir=scratch)
    if stdin is not None:
        with open(os.path.join(folder, "stdin"), "wb") as file:
            file.write(stdin)
    for fifo in fifos:
        os.mkfifo(os.path.join(folder, fifo))
    read = []
    reader = None
    if "read from FIFO" in expected:
        fifo = os.path.join(folder, fifos[0])

        def read_fifo():
            with open(fifo, "rb") as pipe:
                read.append(pipe.read())
        reader = threading.Thread(target=read_fifo)
        reader.start()
    # A build that waits on a FIFO must show as a fault, not as a stuck comparison.
    outcome = run_in(folder, cli, args, timeout=30)
    if reader is not None:
        if reader.is_alive():
            # The build never opened the FIFO: a writer of our own lets the reader end.
            os.close(os.open(fifo, os.O_WRONLY | os.O_NONBLOCK))
        reader.join()
        outcome["read from FIFO"] = read[0] if read else None
    outcome["files"] = [os.fsencode(key[len("file "):]) for key, value in outcome.items()
                        if key.startswith("file ") and key != "file stdin"
                        and isinstance(value, bytes)]
    differences = [f"  {key}:\n    expected {value!r}\n    got      {outcome.get(key)!r}"
                   for key, value in expected.items() if outcome.get(key) != value]
    return f"{build}, {name}: {args!r}\n" + "\n".join(differences) if differences else ""


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("random_cli_runs")
    parser.add_argument("first_cli")
    parser.add_argument("second_cli")
    parser.add_argument("--runs", type=int, default=200)
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
        fixed = [report for cli in clis for case in FIXED_CASES
                 if (report := run_fixed_case(case, cli, scratch))]
    for report in reports[:10] + fixed:
        print(report, file=sys.stderr)
    print(f"{options.runs - len(reports)} passed, {len(reports)} failed "
          f"(seed {options.seed}: {options.first_cli} against {options.second_cli})")
    print(f"fixed cases: {2 * len(FIXED_CASES) - len(fixed)} passed, {len(fixed)} failed")
    return 1 if reports or fixed else 0


if __name__ == "__main__":
    sys.exit(main())
