#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks the manual page against the real program and the README.

    check-man-page.py PAGE PROGRAM README

- man renders the page without a warning (as lintian runs it);
- every option the program's --help lists is under OPTIONS;
- the KEYS section names exactly the keys of the README's Keys table;
- FILES names the files the game keeps, and the page's version is the
  project's.
"""
import os
import re
import shlex
import subprocess
import sys


def roff_words(line):
    """The text of one roff line, with font macros (.B, .BR, .I, ...) applied."""
    line = line.replace("\\-", "-").replace("\\~", " ").replace("\\ ", " ")
    if not line.startswith("."):
        return line
    macro, _, rest = line.partition(" ")
    if macro in (".B", ".I"):
        return " ".join(shlex.split(rest))
    if macro in (".BR", ".RB", ".IR", ".RI", ".BI", ".IB"):
        return "".join(shlex.split(rest))
    return ""


def sections(page):
    """{section name: [lines]} of a roff page."""
    result, name = {}, None
    for line in page.splitlines():
        if line.startswith(".SH "):
            name = line[4:].strip().strip('"')
            result[name] = []
        elif name:
            result[name].append(line)
    return result


def tags(lines):
    """The tag line after each .TP, as text."""
    return [roff_words(lines[i + 1]) for i, line in enumerate(lines[:-1]) if line == ".TP"]


def main():
    page_path, program, readme_path, version = sys.argv[1:5]
    page = open(page_path, encoding="utf-8").read()
    parts = sections(page)
    failures = []

    # man's own warnings, as lintian asks for them.
    env = dict(os.environ, LC_ALL="C.UTF-8", MANWIDTH="80")
    run = subprocess.run(["man", "--warnings", "-E", "UTF-8", "-l", "-Tutf8", "-Z", page_path],
                         env=env, capture_output=True, text=True)
    if run.returncode != 0 or run.stderr.strip():
        failures.append(f"man --warnings: exit {run.returncode}\n{run.stderr}")

    for name in ("NAME", "SYNOPSIS", "DESCRIPTION", "OPTIONS", "KEYS", "FILES"):
        if name not in parts:
            failures.append(f"no {name} section")

    # Every option of the real program is documented.
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    run = subprocess.run([program, "--help"], env=env, capture_output=True, text=True, timeout=60)
    listed = re.findall(r"^\s+((?:-\w, )?--[\w-]+)", run.stdout, re.M)
    if run.returncode != 0 or not listed:
        failures.append(f"{program} --help: exit {run.returncode}, no options read:\n{run.stdout}")
    documented = " | ".join(tags(parts.get("OPTIONS", [])))
    for option in listed:
        for word in option.split(", "):
            if not re.search(rf"(^|[ ,|]){re.escape(word)}($|[ ,|])", documented):
                failures.append(f"option {word} (from --help) is not under OPTIONS")

    # The keys are the README's.
    readme = open(readme_path, encoding="utf-8").read()
    table = readme.split("### Keys", 1)[1].split("\n#", 1)[0]
    readme_keys = [row.split("|")[1].strip() for row in table.splitlines()
                   if row.startswith("| ") and not row.startswith("| key") and not row.startswith("| ---")]
    man_keys = tags(parts.get("KEYS", []))
    if not readme_keys:
        failures.append("no Keys table in the README")
    for key in readme_keys:
        if key not in man_keys:
            failures.append(f"key '{key}' from the README is not under KEYS (KEYS has {man_keys})")
    for key in man_keys:
        if key not in readme_keys:
            failures.append(f"key '{key}' under KEYS is not in the README's table")

    files = "\n".join(roff_words(line) for line in parts.get("FILES", []))
    for path in ("~/.local/share/Mosaic Rush/best-results.txt", "~/.config/Mosaic Rush/settings.ini"):
        if path not in files:
            failures.append(f"FILES does not name {path}")
    th = next((line for line in page.splitlines() if line.startswith(".TH ")), "")
    if f"Mosaic Rush {version}" not in th:
        failures.append(f".TH line does not give version {version}: {th}")

    for failure in failures:
        print("FAIL:", failure)
    if not failures:
        print(f"{page_path}: {len(listed)} options, {len(readme_keys)} keys, files and version checked")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
