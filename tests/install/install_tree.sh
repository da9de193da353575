#!/usr/bin/env bash
# Installs the build into a temporary prefix, checks that every file the
# desktop and the shell need is in its place, and runs both installed programs.
#   install_tree.sh BUILD_DIR APP_ID VERSION BINDIR DATADIR MANDIR DOCDIR
set -euo pipefail
build=$1 id=$2 version=$3 bindir=$4 datadir=$5 mandir=$6 docdir=$7
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

expected=(
    "$bindir/shieldcalc"
    "$bindir/shieldcalc-cli"
    "$datadir/applications/$id.desktop"
    "$datadir/metainfo/$id.metainfo.xml"
    "$datadir/icons/hicolor/scalable/apps/$id.svg"
    "$mandir/man1/shieldcalc.1.gz"
    "$mandir/man1/shieldcalc-cli.1.gz"
    "$datadir/bash-completion/completions/shieldcalc-cli"
    "$docdir/validation.md"
)
for size in 16 32 48 64 128 256; do
    expected+=("$datadir/icons/hicolor/${size}x${size}/apps/$id.png")
    png="$prefix/$datadir/icons/hicolor/${size}x${size}/apps/$id.png"
    [[ $(file --brief "$png") == "PNG image data, $size x $size,"* ]] ||
        fail "$png is not a $size-pixel PNG: $(file --brief "$png")"
done
for path in "${expected[@]}"; do
    [[ -f $prefix/$path ]] || fail "not installed: $path"
done
desktop=$prefix/$datadir/applications/$id.desktop
grep -qx "Icon=$id" "$desktop" || fail "the desktop entry names another icon"
grep -qx "Exec=shieldcalc" "$desktop" || fail "the desktop entry starts another program"

cli=$prefix/$bindir/shieldcalc-cli
out=$("$cli" solid --source plane --material copper -f 1 -l 0.1 -r 10)
[[ $out == "SE = 239 dB" ]] || fail "installed shieldcalc-cli printed: $out"
out=$("$cli" --version)
[[ $out == "shieldcalc-cli $version" ]] || fail "installed shieldcalc-cli --version printed: $out"
# Help and version need no display.
out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/$bindir/shieldcalc" --version)
[[ $out == "shieldcalc $version" ]] || fail "installed shieldcalc --version printed: $out"
echo "installed into a temporary prefix and ran from there"
