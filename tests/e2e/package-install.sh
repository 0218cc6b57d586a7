#!/usr/bin/env bash
# Installs the Debian package on this machine as a user would (apt-get install ./PACKAGE.deb),
# checks what it installed, then removes it and checks that nothing is left behind:
# - vantrel, found on PATH, shows its splash and its main window, and Help, Online Tutorial opens
#   the tutorial window from the tutorial module (run under a real window manager on a virtual
#   display; screenshots in OUT_DIR);
# - vantrel itself links no browser engine; the module's libraries are all installed;
# - vantrel-check --version answers with the package's version;
# - the desktop entry and its icon are where desktops look for them, and the entry validates;
# - after apt-get purge, none of the package's files remains.
# Needs root (or sudo). Exits non-zero at the first difference.
# Usage: tests/e2e/package-install.sh PACKAGE.deb [OUT_DIR]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
deb="$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"
out="${2:-$(dirname "$deb")/package-install}"
rm -rf "$out"; mkdir -p "$out"; out="$(cd "$out" && pwd)"
sudo_cmd=(); [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)

fail() { echo "package-install: FAILED: $*" >&2; exit 1; }
step() { echo "package-install: $*"; }

version=$(dpkg-deb -f "$deb" Version)
# The package's own files and folders (shared folders such as /usr/share/icons stay behind).
files=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print substr($6, 2)}')

if dpkg-query -W -f='${Status}' vantrel 2>/dev/null | grep -q "install ok installed"; then
  "${sudo_cmd[@]}" apt-get purge -y -qq vantrel >/dev/null
fi
for f in $files; do [ ! -e "$f" ] || fail "$f exists before the package is installed"; done

"${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >"$out/install.log" 2>&1 \
  || { cat "$out/install.log" >&2; fail "apt-get install $deb"; }
step "installed vantrel $version"
trap '"${sudo_cmd[@]}" apt-get purge -y -qq vantrel >/dev/null 2>&1 || true' EXIT

[ "$(command -v vantrel)" = /usr/bin/vantrel ] || fail "vantrel is not on PATH as /usr/bin/vantrel"
[ "$(command -v vantrel-check)" = /usr/bin/vantrel-check ] || fail "vantrel-check is not on PATH"
answer=$(cd / && env -i PATH=/usr/bin:/bin vantrel-check --version) || fail "vantrel-check --version failed"
[[ "$answer" == *"$version"* ]] || fail "vantrel-check --version answered '$answer', not $version"
step "vantrel-check --version: $answer"

entry=/usr/share/applications/org.example.Vantrel.desktop
[ -f "$entry" ] || fail "no desktop entry at $entry"
desktop-file-validate "$entry" || fail "the installed desktop entry does not validate"
grep -qx 'Exec=vantrel' "$entry" || fail "the desktop entry does not start vantrel"
icon=$(sed -n 's/^Icon=//p' "$entry")
for size in 16x16 32x32 48x48 128x128 256x256; do
  png=/usr/share/icons/hicolor/$size/apps/$icon.png
  [ -f "$png" ] || fail "no $size icon $png"
  [ "$(identify -format '%wx%h' "$png")" = "$size" ] || fail "$png is not $size"
done
[ -f "/usr/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no scalable icon"
[ -f /usr/share/metainfo/org.example.Vantrel.metainfo.xml ] || fail "no AppStream metadata"
man -w vantrel-check >/dev/null 2>&1 || [ -f /usr/share/man/man1/vantrel-check.1.gz ] || fail "no man page for vantrel-check"
step "desktop entry, icons (16 to 256 and scalable), metadata and man pages in place"

module=$(dpkg -L vantrel | grep '/libvantrel-tutorial\.so$') || fail "the package has no tutorial module"
if ldd /usr/bin/vantrel | grep -q WebEngine; then fail "vantrel links the browser engine"; fi
if ldd "$module" | grep 'not found'; then fail "libraries of the tutorial module are missing"; fi
step "the tutorial module is $module; vantrel links no browser engine"

# Started the way the desktop starts it: the Exec line's command, found on PATH, from an
# unrelated folder, under a window manager.
cat >"$out/run.sh" <<'RUN'
#!/usr/bin/env bash
set -euo pipefail
out="$1"
. "$2"
# As a desktop starts it: on the display, whatever platform the caller's tests asked Qt for.
unset QT_QPA_PLATFORM
cd /
vantrel >"$out/vantrel.log" 2>&1 &
app=$!
find_window --class '^vantrel$' >/dev/null || { echo "no splash window" >&2; kill $app; exit 1; }
sleep 0.3
import -window root "$out/1-splash.png"
xdotool key q
main=$(find_window '^Vantrel 2\.0$') || { echo "no main window" >&2; kill $app; exit 1; }
sleep 0.5
import -window root "$out/2-main.png"
xprop -id "$main" WM_CLASS
# Help, Online Tutorial from the keyboard: Alt reaches the menu bar, Help is the fourth menu.
xdotool windowfocus --sync "$main"; sleep 0.3
xdotool key alt; sleep 0.3; xdotool key Right Right Right Down; sleep 0.3; xdotool key Down Return
find_window '^Online Tutorial$' >/dev/null || { echo "no tutorial window" >&2; kill $app; exit 1; }
sleep 2
import -window root "$out/3-tutorial.png"
kill $app
RUN
chmod +x "$out/run.sh"
QTWEBENGINE_DISABLE_SANDBOX=1 "$here/../support/with-window-manager" openbox "$out/run.sh" "$out" "$here/../support/x11-windows.sh" >"$out/run.log" 2>&1 \
  || { cat "$out/run.log" >&2; fail "vantrel from PATH did not show its splash, main window and tutorial"; }
grep -q '"vantrel"' "$out/run.log" || fail "the main window's class is not vantrel: $(cat "$out/run.log")"
step "vantrel from PATH showed its splash, its main window ($(grep WM_CLASS "$out/run.log")) and the tutorial"

"${sudo_cmd[@]}" apt-get purge -y -qq vantrel >/dev/null 2>&1 || fail "apt-get purge vantrel"
trap - EXIT
left=""
for f in $files /usr/share/doc/vantrel; do [ -e "$f" ] && left="$left $f"; done
[ -z "$left" ] || fail "left behind after removal:$left"
step "removed; none of its $(echo "$files" | wc -w) files is left"
step "passed"
