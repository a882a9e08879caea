#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Extracts the texts of the desktop entry, the AppStream description and the
# file type into mosaic-rush.pot and merges them into every language's file.
# Run from anywhere after changing a text in resources/; then translate what
# msgmerge marked fuzzy or left empty.
set -eu
cd "$(dirname "$0")/.."
xgettext --from-code=UTF-8 --package-name="Mosaic Rush" --package-version=1.0.0 \
    --msgid-bugs-address=https://github.com/mosaic-rush/mosaic-rush/issues --no-wrap \
    -o po/mosaic-rush.pot \
    resources/io.github.mosaic_rush.MosaicRush.desktop \
    resources/io.github.mosaic_rush.MosaicRush.metainfo.xml \
    resources/io.github.mosaic_rush.MosaicRush.mime.xml
for lang in $(grep -v '^#' po/LINGUAS); do
    msgmerge --quiet --no-wrap --update --backup=none "po/$lang.po" po/mosaic-rush.pot
    msgfmt --check --statistics -o /dev/null "po/$lang.po"
done
