#!/usr/bin/env bash
# Installs the build into a temporary prefix and runs both programs from there with the source
# and build trees out of reach (hidden in a private mount namespace where the system allows one):
# nothing the installed programs need may come from either tree.
#   install.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$(realpath "$1")
source=$(realpath "$2")

fail() { echo "FAIL: $*" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null

for f in bin/harbrook bin/harbrook-cli lib/libsongbase.so lib/libsoundkit.so \
         share/harbrook/help/index.html share/applications/harbrook.desktop \
         share/icons/hicolor/scalable/apps/harbrook.svg share/icons/hicolor/48x48/apps/harbrook.png \
         share/man/man1/harbrook.1 share/man/man1/harbrook-cli.1 \
         share/locale/ja/LC_MESSAGES/harbrook-cli.mo; do
  [ -s "$prefix/$f" ] || fail "not installed: $f"
done
desktop-file-validate "$prefix/share/applications/harbrook.desktop" || fail "desktop entry"
for page in "$prefix"/share/man/man1/*.1; do
  warnings=$(groff -man -ww -z -Tutf8 "$page" 2>&1)
  [ -z "$warnings" ] || fail "$(basename "$page"): $warnings"
done
for program in harbrook harbrook-cli; do
  libraries=$(ldd "$prefix/bin/$program")
  grep -q "libsongbase.so => $prefix/bin/../lib/" <<<"$libraries" ||
    fail "$program does not load the installed libsongbase"
done

# No program or library may search the current folder for libraries: an empty or relative entry in
# a run path would load whatever lies in the folder the user starts it from.
for f in "$build"/bin/* "$build"/lib/*.so "$prefix"/bin/* "$prefix"/lib/*.so; do
  [ -f "$f" ] || continue
  runpath=$(readelf -d "$f" 2>/dev/null | sed -n 's/.*R\(UN\)\{0,1\}PATH.*\[\(.*\)\]/\2/p' || true)
  [ -n "$runpath" ] || continue
  IFS=: read -ra entries <<<"$runpath:"
  for entry in "${entries[@]}"; do
    [[ $entry == /* || $entry == \$ORIGIN* ]] || fail "$f searches '$entry' for libraries ($runpath)"
  done
done

# A fresh user: own home, configuration and runtime folders.
mkdir -m 700 "$work/home" "$work/runtime"
run=(env -u LD_LIBRARY_PATH HOME="$work/home" XDG_CONFIG_HOME="$work/home/config"
     XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0)
hide=()
if unshare -rm true 2>/dev/null; then
  hide=(unshare -rm bash -c 'for d in "$1" "$2"; do [ -d "$d" ] && mount -t tmpfs none "$d"; done
                             [ -z "$(ls -A "$1")" ] || exit 99; shift 2; exec "$@"' _ "$source" "$build")
else
  echo "note: no private mount namespace here; the source tree stays visible" >&2
fi
cd "$work"

out=$("${hide[@]}" "${run[@]}" "$prefix/bin/harbrook-cli" --help) || fail "harbrook-cli --help"
grep -q "build --out DIR" <<<"$out" || fail "harbrook-cli --help lists no build command"
out=$("${hide[@]}" "${run[@]}" LC_ALL=C.UTF-8 LANGUAGE=ja "$prefix/bin/harbrook-cli" detect /dev/null 2>&1) &&
  fail "detect of /dev/null succeeded"
grep -q "通常のファイルではありません" <<<"$out" || fail "installed message catalogue not used: $out"

"${hide[@]}" "${run[@]}" "$prefix/bin/harbrook" --screenshots "$work/shots" 2>"$work/gui.log" ||
  fail "screenshot run: $(cat "$work/gui.log")"
[ -n "$(find "$work/shots" -name '*.png' -size +1k)" ] || fail "no screenshots"
[ -d "$work/home/config/harbrook" ] || fail "no settings folder under XDG_CONFIG_HOME"
[ -z "$(find "$prefix" -name '*.ini')" ] || fail "settings written into the installed tree"
echo "ok"
