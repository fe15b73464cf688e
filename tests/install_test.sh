#!/bin/sh
# Installs the built program into a scratch DESTDIR under /usr and checks the
# installed tree: every file in place, desktop entry and AppStream metadata
# valid, and the installed program starts and runs until it is told to quit.
# Where lintian is installed, the Debian package is built and must pass it
# without an error or a warning.
# Usage: install_test.sh BUILD_DIR DESKTOP_ID
set -eu
root=$(mktemp -d)
pid=
trap '[ -z "$pid" ] || kill -9 "$pid" 2>/dev/null; rm -rf "$root"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

build=$1
id=$2
DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
share=$root/usr/share

[ -x "$root/usr/bin/falkorin" ] || fail "no program in usr/bin"
for f in applications/$id.desktop metainfo/$id.metainfo.xml icons/hicolor/scalable/apps/$id.svg \
         man/man1/falkorin.1.gz doc/falkorin/copyright doc/falkorin/changelog.Debian.gz; do
  [ -s "$share/$f" ] || fail "missing usr/share/$f"
done
# Each PNG must be as large as the folder it lies in says (width and height from the IHDR chunk).
for s in 16 22 24 32 48 64 128 256; do
  png=$share/icons/hicolor/${s}x$s/apps/$id.png
  [ -s "$png" ] || fail "missing $png"
  set -- $(od -An -tu1 -j16 -N8 "$png")
  [ $(($3 * 256 + $4)) = "$s" ] && [ $(($7 * 256 + $8)) = "$s" ] || fail "$png is not $s x $s"
done

desktop-file-validate "$share/applications/$id.desktop" || fail "desktop entry invalid"
appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml" || fail "AppStream metadata invalid"
gzip -t "$share/man/man1/falkorin.1.gz" || fail "manual page is no gzip file"
# Nothing installed names a domain or an address on the net.
if grep -rIl -e 'https\?://' -e '@[a-z0-9-]*\.[a-z][a-z]' "$share/applications" "$share/metainfo"; then
  fail "an installed file names an address"
fi
if command -v man >/dev/null; then
  warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' man --warnings -E UTF-8 -l -Tutf8 -Z "$share/man/man1/falkorin.1.gz" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "manual page: $warnings"
fi

# A 1280 x 1024 offscreen screen, so that start-up runs through without the
# screen-size notice. Once the main thread waits in poll(), start-up is done
# and the event loop runs; where the kernel hides the wait channel ("0"),
# five seconds alive must do.
printf '{"screens": [{"name": "test", "x": 0, "y": 0, "width": 1280, "height": 1024}]}\n' >"$root/screen.json"
HOME=$root QT_QPA_PLATFORM="offscreen:configfile=$root/screen.json" "$root/usr/bin/falkorin" >"$root/log" 2>&1 &
pid=$!
tries=0
until grep -q poll "/proc/$pid/wchan" 2>/dev/null; do
  kill -0 "$pid" 2>/dev/null || fail "the installed program ended at start-up: $(cat "$root/log")"
  [ $tries -lt 50 ] || [ "$(cat "/proc/$pid/wchan")" != 0 ] || break
  tries=$((tries + 1))
  [ $tries -le 600 ] || fail "the installed program did not reach its event loop in 60 s"
  sleep 0.1
done
sleep 0.5
kill -0 "$pid" 2>/dev/null || fail "the installed program ended by itself: $(cat "$root/log")"
kill -TERM "$pid"
status=0
wait "$pid" || status=$?
pid=
[ $status = 143 ] || fail "the installed program quit with status $status instead of by SIGTERM"
echo "installed tree complete and valid; the installed program started and quit"

if command -v lintian >/dev/null && command -v dpkg-shlibdeps >/dev/null; then
  (cd "$build" && cpack -G DEB -B "$root/deb" >/dev/null) || fail "the Debian package could not be built"
  report=$(lintian --fail-on error,warning "$root"/deb/falkorin_*.deb 2>&1) || fail "lintian: $report"
  report=$(printf '%s\n' "$report" | grep -v 'root privileges' || true)
  echo "lintian: no error, no warning${report:+ ($report)}"
fi
