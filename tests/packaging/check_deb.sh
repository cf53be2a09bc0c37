#!/usr/bin/env bash
# Builds the .deb from a configured build folder and checks what a school's machine would get:
# the files at their standard paths, dependencies found by dpkg-shlibdeps, a valid menu entry
# and software-centre description that agree with each other and with the package, a manual
# page, copyright and changelog as Debian wants them, no lintian error, and a packaged binary
# that runs. The pictures themselves are tools/sprites/check.sh's.
# Usage: check_deb.sh build-folder output-folder
set -euo pipefail
build=$1
out=$2
rm -rf "$out"
mkdir -p "$out"
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" >"$out/cpack.log" 2>&1 ||
    { cat "$out/cpack.log" >&2; exit 1; }
deb=$(echo "$out"/marlo_*.deb)
[[ -f $deb ]] || { echo "expected one marlo_*.deb in $out" >&2; exit 1; }
field() { dpkg-deb -f "$deb" "$1"; }
version=$(field Version)
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

[[ $(field Package)/$(field Section) == marlo/education ]] ||
    fail "package $(field Package) in section $(field Section)"
# Computed dependencies name the libraries marlo links, with versions.
[[ $(field Depends) == *"libc6 (>= "*"libqt6widgets6 (>= "* ]] || fail "Depends: $(field Depends)"
contents=$(dpkg-deb --contents "$deb" | awk '{print $6}')
share=./usr/share
for path in ./usr/bin/marlo $share/applications/org.brindle.marlo.desktop \
    $share/metainfo/org.brindle.marlo.metainfo.xml $share/man/man1/marlo.1.gz \
    $share/doc/marlo/{copyright,changelog.gz} $share/icons/hicolor/scalable/apps/marlo.svg \
    $share/icons/hicolor/{16x16,22x22,24x24,32x32,48x48,64x64,128x128,256x256}/apps/marlo.png \
    ./etc/xdg/brindle/marlo.conf; do
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
exec=$(entry Exec)
[[ -x $root/usr/bin/${exec%% *} && $(entry Terminal) == false ]] ||
    fail "Exec=$exec is not packaged, or Terminal=$(entry Terminal)"
# GNOME's menu files an Education entry that is also Science under Science.
[[ ";$(entry Categories)" == *";Education;"* && ";$(entry Categories)" != *";Science;"* ]] ||
    fail "Categories=$(entry Categories) does not put MARLO in Education"
grep -q "<launchable type=\"desktop-id\">${desktop##*/}</launchable>" "$metainfo" ||
    fail "metainfo does not launch ${desktop##*/}"
[[ $(grep -o -m1 '<release version="[^"]*"' "$metainfo") == "<release version=\"$version\"" ]] ||
    fail "newest release in metainfo is not $version"

# The packaged, stripped binary runs without a display: it knows its version, and --help sends
# the reader to a manual page that the package carries and man reads without a complaint.
marlo() { env -u DISPLAY -u WAYLAND_DISPLAY "$root/usr/bin/marlo" "$@" 2>&1; }
[[ $(marlo --version) == "MARLO $version" ]] || fail "marlo --version printed '$(marlo --version)'"
[[ $(marlo --help) == *"--speak"*"See marlo(1) "* ]] ||
    fail "marlo --help does not point to marlo(1)"
page=$root/usr/share/man/man1/marlo.1.gz
zcat "$page" | grep -q '^\.TH MARLO 1 ' || fail "marlo.1.gz is not the section 1 page of MARLO"
complaints=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 \
    >/dev/null) ||
    fail "man could not format marlo.1"
[[ -z $complaints ]] || fail "man complains about marlo.1: $complaints"

# The copyright file is machine-readable and grants the licence the software centre shows.
copyright=$root/usr/share/doc/marlo/copyright
format=https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
[[ $(head -1 "$copyright") == "Format: $format" ]] ||
    fail "copyright is not in Debian's machine-readable format"
licence=$(sed -n '/^Files: \*$/,/^$/s/^License: //p' "$copyright")
project=$(sed -n 's:.*<project_license>\(.*\)</project_license>.*:\1:p' "$metainfo")
[[ -n $licence && $licence == "$project" ]] ||
    fail "copyright grants '$licence', metainfo '$project'"
grep -q '"/usr/share/common-licenses/GPL-3"' "$copyright" ||
    fail "copyright does not point to /usr/share/common-licenses/GPL-3"
zcat "$root/usr/share/doc/marlo/changelog.gz" >"$out/changelog" || true
[[ $(dpkg-parsechangelog -l "$out/changelog" -S Version 2>&1) == "$version" ]] ||
    fail "the newest changelog entry is not $version"

# lintian's errors are what Debian would refuse; its warnings are listed for reading.
lintian=$(lintian --tag-display-limit 0 --fail-on none "$deb" 2>"$out/lintian.log") ||
    fail "lintian did not run: $(cat "$out/lintian.log")"
echo "lintian: ${lintian:-no tags}"
! grep -q '^E: ' <<<"$lintian" || fail "lintian reports errors"
((failures == 0)) || exit 1
echo "package checks passed"
