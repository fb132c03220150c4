#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Installs the build into a temporary prefix (cmake --install) and runs the
# installed program there: --version and --help without a display, a scripted
# session without --data-dir that must open the installed demo data, and a
# start without any data that must name the folders it searched.
#   installed_program.sh CMAKE BUILD_DIR VERSION
set -euo pipefail
cmake=$1 build=$2 version=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }

prefix=$work/prefix
"$cmake" --install "$build" --prefix "$prefix" >/dev/null
for file in bin/selunar share/selunar/qov.mdb share/selunar/2025/qov.mdb share/selunar/elberfelderbibel.mdb \
  share/selunar/qovfiles/qovtemp.htm \
  share/selunar/qov_pics/selunar.png share/applications/de.selunar.Reader.desktop \
  share/icons/hicolor/scalable/apps/de.selunar.Reader.svg share/metainfo/de.selunar.Reader.metainfo.xml; do
  [ -f "$prefix/$file" ] || fail "$file not installed"
done

# A bare user: no display, an empty home, no data of the machine's own.
mkdir -p "$work/home"
run() {
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_DATA_HOME HOME="$work/home" \
    XDG_DATA_DIRS="$work/none" XDG_RUNTIME_DIR="$work" "$prefix/bin/selunar" "$@"
}

[ "$(run --version)" = "selunar $version" ] || fail "--version printed \"$(run --version)\""
run --help >"$work/help" && grep -q -- '--data-dir <Ordner>' "$work/help" || fail "--help: no usage"
code=0; run --bogus 2>"$work/err" || code=$?
[ $code -eq 2 ] && grep -q 'Unbekannte Option' "$work/err" || fail "unknown option: exit $code, $(cat "$work/err")"

# The installed demo data is found beside the program; its pictures are linked
# from there.
printf 'dump %s\n' "$work/day.json" >"$work/day.script"
run --today 2024-03-05 --script "$work/day.script" || fail "session over the installed demo data"
grep -q 'Dienstag, 5. März 2024' "$work/day.json" || fail "no day page of 5 March 2024"
grep -q "$prefix/share/selunar/qov_pics/" "$work/day.json" || fail "pictures not from $prefix/share/selunar"

# Without the demo data the start fails and names every folder it searched.
mv "$prefix/share/selunar" "$work/moved"
code=0; run --script "$work/day.script" 2>"$work/err" || code=$?
[ $code -eq 1 ] || fail "start without data: exit $code"
for folder in "$work/home/.local/share/selunar" "$prefix/share/selunar" "$prefix/bin" "$work/none/selunar"; do
  grep -qxF "$folder" "$work/err" || fail "the message names no $folder: $(cat "$work/err")"
done
