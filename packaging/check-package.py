#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Builds the Debian package with CPack and checks it as a distribution would.

    check-package.py CPACK BUILD_DIR WORK_DIR VERSION

- cpack -G DEB gives mosaic-rush_VERSION_<arch>.deb;
- lintian reports no error and no warning;
- the control fields and the files are the ones below;
- the packaged program has no RPATH or RUNPATH and the desktop entry validates.
"""
import glob
import os
import re
import shutil
import subprocess
import sys

APP_ID = "io.github.mosaic_rush.MosaicRush"
# control field -> what its value must match
FIELDS = {
    "Package": r"mosaic-rush",
    "Section": r"games",
    "Priority": r"optional",
    "Maintainer": r".+ <[^@ ]+@[^@ ]+>",
    "Homepage": r"https://\S+",
    "Depends": r".*\blibqt6widgets6 \(>= [\d.]+\).*",  # from dpkg-shlibdeps
    "Description": r"picture sliding puzzle\n .+",
}
FILES = [
    "usr/games/mosaic-rush",
    f"usr/share/applications/{APP_ID}.desktop",
    f"usr/share/metainfo/{APP_ID}.metainfo.xml",
    f"usr/share/mime/packages/{APP_ID}.xml",
    f"usr/share/icons/hicolor/256x256/apps/{APP_ID}.png",
    f"usr/share/icons/hicolor/128x128/apps/{APP_ID}.png",
    f"usr/share/icons/hicolor/64x64/apps/{APP_ID}.png",
    f"usr/share/icons/hicolor/48x48/apps/{APP_ID}.png",
    f"usr/share/icons/hicolor/32x32/apps/{APP_ID}.png",
    f"usr/share/icons/hicolor/16x16/apps/{APP_ID}.png",
    "usr/share/man/man6/mosaic-rush.6.gz",
    "usr/share/doc/mosaic-rush/copyright",
    "usr/share/doc/mosaic-rush/changelog.gz",
]


def run(command, **kwargs):
    return subprocess.run(command, capture_output=True, text=True, **kwargs)


def main():
    cpack, build_dir, work_dir, version = sys.argv[1:5]
    failures = []
    shutil.rmtree(work_dir, ignore_errors=True)
    os.makedirs(work_dir)

    made = run([cpack, "-G", "DEB", "-B", work_dir], cwd=build_dir)
    arch = run(["dpkg", "--print-architecture"]).stdout.strip()
    deb = os.path.join(work_dir, f"mosaic-rush_{version}_{arch}.deb")
    if made.returncode != 0 or not os.path.exists(deb):
        print(f"FAIL: cpack -G DEB did not make {deb}:\n{made.stdout}{made.stderr}")
        print("found:", glob.glob(os.path.join(work_dir, "*.deb")))
        return 1

    lint = run(["lintian", "--fail-on", "error,warning", deb])
    tags = [line for line in lint.stdout.splitlines() if re.match(r"[EW]: ", line)]
    if lint.returncode != 0 or tags:
        failures.append("lintian:\n" + lint.stdout + lint.stderr)

    for field, pattern in FIELDS.items():
        value = run(["dpkg-deb", "-f", deb, field]).stdout.rstrip("\n")
        if not re.fullmatch(pattern, value, re.S):
            failures.append(f"control field {field} is '{value}', not /{pattern}/")

    root = os.path.join(work_dir, "root")
    run(["dpkg-deb", "-x", deb, root])
    for path in FILES:
        if not os.path.isfile(os.path.join(root, path)):
            failures.append(f"not in the package: /{path}")

    program = os.path.join(root, "usr/games/mosaic-rush")
    if os.path.isfile(program):
        dynamic = run(["readelf", "-d", program]).stdout
        if "(NEEDED)" not in dynamic:
            failures.append("readelf -d shows no NEEDED entry in the packaged program")
        for line in dynamic.splitlines():
            if "(RPATH)" in line or "(RUNPATH)" in line:
                failures.append(f"the packaged program has {line.strip()}")

    desktop = os.path.join(root, f"usr/share/applications/{APP_ID}.desktop")
    if os.path.isfile(desktop) and shutil.which("desktop-file-validate"):
        checked = run(["desktop-file-validate", desktop])
        if checked.returncode != 0 or checked.stdout.strip():
            failures.append("desktop-file-validate:\n" + checked.stdout + checked.stderr)

    for failure in failures:
        print("FAIL:", failure)
    if not failures:
        print(f"{deb}: lintian clean, {len(FIELDS)} fields and {len(FILES)} files checked")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
