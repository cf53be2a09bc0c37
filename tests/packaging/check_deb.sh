#!/usr/bin/env bash
# Builds the .deb from a configured build folder and checks what a school's machine would get:
# the files at their standard paths, icons of the sizes their folders claim, a valid menu entry
# and software-centre description that agree with each other and with the package, dependencies
# found by dpkg-shlibdeps, a manual page, copyright and changelog as Debian wants them, no
# lintian error, and a packaged binary that runs.
# Usage: check_deb.sh build-folder output-folder
set -euo pipefail
build=$1
out=$2
rm -rf "$out"
mkdir -p "$out"

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" >"$out/cpack.log" 2>&1 ||
    { cat "$out/cpack.log" >&2; exit 1; }
debs=("$out"/marlo_*.deb)
[[ ${#debs[@]} == 1 && -f ${debs[0]} ]] || { echo "expected one marlo_*.deb in $out" >&2; exit 1; }
deb=${debs[0]}
field() { dpkg-deb -f "$deb" "$1"; }
version=$(field Version)
echo "$(basename "$deb"): $(stat -c %s "$deb") bytes"
echo "Depends: $(field Depends)"

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

[[ $(field Package) == marlo ]] || fail "package name $(field Package)"
[[ $(field Section) == education ]] || fail "section $(field Section)"
[[ -n $(field Maintainer) ]] || fail "no maintainer"
# Computed dependencies name the Qt libraries marlo links, with versions.
for library in libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libc6 libstdc++6; do
    [[ ", $(field Depends)," == *", $library (>= "*")"* ]] || fail "Depends lacks $library"
done

share=./usr/share
contents=$(dpkg-deb --contents "$deb" | awk '{print $6}')
expected=(./usr/bin/marlo "$share/applications/org.brindle.marlo.desktop"
          "$share/metainfo/org.brindle.marlo.metainfo.xml"
          "$share/icons/hicolor/scalable/apps/marlo.svg" "$share/man/man1/marlo.1.gz"
          "$share/doc/marlo/copyright" "$share/doc/marlo/changelog.gz" ./etc/xdg/brindle/marlo.conf)
for size in 16 22 24 32 48 64 128 256; do
    expected+=("$share/icons/hicolor/${size}x${size}/apps/marlo.png")
done
for path in "${expected[@]}"; do
    grep -qxF "$path" <<<"$contents" || fail "not in the package: $path"
done

# The school's settings survive an upgrade.
dpkg-deb -I "$deb" conffiles | grep -qx /etc/xdg/brindle/marlo.conf ||
    fail "/etc/xdg/brindle/marlo.conf is no conffile"

root=$out/root
dpkg-deb -x "$deb" "$root"
desktop=$root/usr/share/applications/org.brindle.marlo.desktop
metainfo=$root/usr/share/metainfo/org.brindle.marlo.metainfo.xml
desktop-file-validate "$desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"

# Keys of the main group only; the desktop actions have their own Name and Exec.
entry() { sed -n "/^\[Desktop Entry\]/,/^\[/s/^$1=//p" "$desktop"; }
[[ -x $root/usr/bin/$(entry Exec | cut -d' ' -f1) ]] || fail "Exec=$(entry Exec) is not packaged"
[[ $(entry Terminal) == false ]] || fail "Terminal=$(entry Terminal)"
[[ ";$(entry Categories)" == *";Education;"* ]] || fail "not in Education: $(entry Categories)"
# GNOME's menu files an Education entry that is also Science under Science.
[[ ";$(entry Categories)" != *";Science;"* ]] || fail "Science takes MARLO out of Education"
grep -q "<launchable type=\"desktop-id\">$(basename "$desktop")</launchable>" "$metainfo" ||
    fail "metainfo does not launch $(basename "$desktop")"
newest=$(grep -o '<release version="[^"]*"' "$metainfo" | head -1 | cut -d'"' -f2)
[[ $newest == "$version" ]] || fail "newest release in metainfo is $newest, package is $version"

# Each icon is the size its folder says, so menus do not scale a wrong one.
icons=$root/usr/share/icons/hicolor
for png in "$icons"/*/apps/"$(entry Icon)".png; do
    folder=$(basename "$(dirname "$(dirname "$png")")")
    actual=$(identify -format %wx%h "$png")
    [[ $actual == "$folder" ]] || fail "$folder icon is $actual"
done
grep -q '<svg' "$icons/scalable/apps/$(entry Icon).svg" 2>/dev/null || fail "scalable icon is no SVG"

# The packaged, stripped binary still runs and knows its version.
printed=$("$root/usr/bin/marlo" --version 2>&1) || fail "marlo --version failed: $printed"
[[ $printed == "MARLO $version" ]] || fail "marlo --version printed '$printed'"

# --help, which needs no display, sends the reader to a manual page that the package carries
# and man reads without a complaint.
help=$(env -u DISPLAY -u WAYLAND_DISPLAY "$root/usr/bin/marlo" --help 2>&1) ||
    fail "marlo --help failed: $help"
[[ $help == *"--speak"*"See marlo(1) "* ]] || fail "marlo --help does not point to marlo(1): $help"
page=$root/usr/share/man/man1/marlo.1.gz
if [[ -f $page ]]; then
    zcat "$page" | grep -q '^\.TH MARLO 1 ' || fail "marlo.1.gz is not the section 1 page of MARLO"
    complaints=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null) ||
        fail "man could not format marlo.1"
    [[ -z $complaints ]] || fail "man complains about marlo.1: $complaints"
fi

# The copyright file is machine-readable and grants the licence the software centre shows.
copyright=$root/usr/share/doc/marlo/copyright
if [[ -f $copyright ]]; then
    [[ $(head -1 "$copyright") == "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" ]] ||
        fail "copyright is not in Debian's machine-readable format"
    licence=$(sed -n '/^Files: \*$/,/^$/s/^License: //p' "$copyright")
    project=$(sed -n 's:.*<project_license>\(.*\)</project_license>.*:\1:p' "$metainfo")
    [[ -n $licence && $licence == "$project" ]] ||
        fail "copyright grants '$licence', metainfo says '$project'"
    grep -q '"/usr/share/common-licenses/GPL-3"' "$copyright" ||
        fail "copyright does not point to /usr/share/common-licenses/GPL-3"
fi

# The changelog's newest entry is this version.
changelog=$root/usr/share/doc/marlo/changelog.gz
if [[ -f $changelog ]]; then
    zcat "$changelog" >"$out/changelog"
    logged=$(dpkg-parsechangelog -l "$out/changelog" -S Version 2>&1) || fail "changelog: $logged"
    [[ $logged == "$version" ]] || fail "newest changelog entry is $logged, package is $version"
fi

# lintian's errors are what Debian would refuse; its warnings are listed for reading.
lintian=$(lintian --tag-display-limit 0 --fail-on none "$deb" 2>"$out/lintian.log") ||
    fail "lintian did not run: $(cat "$out/lintian.log")"
echo "lintian: ${lintian:-no tags}"
! grep -q '^E: ' <<<"$lintian" || fail "lintian reports errors"

((failures == 0)) || exit 1
echo "package checks passed"
