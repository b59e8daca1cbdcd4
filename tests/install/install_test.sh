#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the result as a user
# of the installed program would meet it: the menu entry, metadata, icons and
# manual pages, tagloom-tools started from the prefix, and tagloom started
# from a folder it cannot write to, keeping its data in the per-user folder.
# Usage: install_test.sh BUILD_DIR. Exit 77 (skipped) when a tool is missing.
set -euo pipefail

build=$1
for tool in desktop-file-validate appstreamcli man setpriv python3; do
  if ! command -v "$tool" >/dev/null; then
    echo "skipped: $tool is not installed (scripts/install-deps installs it)"
    exit 77
  fi
done

work=$(mktemp -d)
trap 'chmod -R u+w "$work" 2>/dev/null; rm -rf "$work"' EXIT
chmod 755 "$work"
prefix=$work/prefix
fail() { echo "FAILED: $*"; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

# The installed tree.
share=$prefix/share
desktop-file-validate "$share/applications/com.quenby.Tagloom.desktop" || fail "desktop entry"
grep -q '^Exec=tagloom %f$' "$share/applications/com.quenby.Tagloom.desktop" || fail "the entry opens no file"
appstreamcli validate --no-net "$share/metainfo/com.quenby.Tagloom.metainfo.xml" >/dev/null || fail "AppStream metadata"
for size in 16 22 24 32 48 64 128 256; do
  icon=$share/icons/hicolor/${size}x${size}/apps/tagloom.png
  python3 - "$icon" "$size" <<'PY' || fail "icon $icon"
import struct, sys
data = open(sys.argv[1], 'rb').read(24)
assert data[:8] == b'\x89PNG\r\n\x1a\n', 'not a PNG'
width, height = struct.unpack('>II', data[16:24])
assert width == height == int(sys.argv[2]), (width, height)
PY
done
grep -q '<svg' "$share/icons/hicolor/scalable/apps/tagloom.svg" || fail "scalable icon"
grep -q 'text/x-coldfusion' "$share/mime/packages/tagloom.xml" || fail "MIME types"
for page in tagloom tagloom-tools; do
  MANWIDTH=80 man -l -P cat "$share/man/man1/$page.1" 2>"$work/man.err" | grep -q '^NAME' || fail "man page $page"
  if grep -q 'warning' "$work/man.err"; then cat "$work/man.err"; fail "man page $page has warnings"; fi
done
[ "$(readlink -f "$prefix/bin/tagloom")" = "$prefix/lib/tagloom/tagloom" ] || fail "bin/tagloom"
[ -f "$prefix/lib/tagloom/Extensions/recent.tlx" ] || fail "the data folder's content"

# tagloom-tools from the prefix, on the PATH a user would have.
printf '<html>\n<body>\n<img src="a.gif" bogus="1">\n</body>\n</html>\n' >"$work/page.htm"
status=0
PATH=$prefix/bin:$PATH tagloom-tools validate "$work/page.htm" >"$work/findings" || status=$?
[ "$status" = 1 ] || fail "validate exit status $status"
grep -q 'UNKNOWN PROPERTY: BOGUS IN <IMG>' "$work/findings" || fail "validate output: $(cat "$work/findings")"
status=0
PATH=$prefix/bin:$PATH tagloom-tools >/dev/null 2>&1 || status=$?
[ "$status" = 2 ] || fail "usage exit status $status"

# tagloom from an installation it cannot write to. Root writes anywhere, so
# as root the program runs as the unprivileged user "nobody".
home=$work/home
mkdir -p "$home"
printf '<html>\n<body>\nHello\n</body>\n</html>\n' >"$home/page.htm"
snapshot() { (cd "$prefix" && find . -printf '%p %s %T@\n' | sort); }
before=$(snapshot)
run_as=()
if [ "$(id -u)" = 0 ]; then
  chown -R nobody:nogroup "$home"
  run_as=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
else
  chmod -R a-w "$prefix"
fi
env -i HOME="$home" PATH="$prefix/bin:/usr/bin:/bin" QT_QPA_PLATFORM=offscreen \
  TAGLOOM_SMOKE_COMMANDS=Insert.LineBreak,File.Save \
  timeout 60 "${run_as[@]}" "$prefix/bin/tagloom" "$home/page.htm" >"$work/run.log" 2>&1 ||
  { cat "$work/run.log"; fail "tagloom did not end well"; }
grep -qi '<br>' "$home/page.htm" || fail "the document was not saved: $(cat "$home/page.htm")"
user_data=$home/.local/share/Quenby/Tagloom
grep -q "$user_data/default.htm" "$user_data/Extensions/recent.tlx" 2>/dev/null ||
  fail "no recent list in the per-user data folder"
[ -L "$user_data/Help" ] && [ -f "$user_data/Help/index.htm" ] || fail "help is not read from the installation"
[ "$before" = "$(snapshot)" ] || fail "the installation changed"
echo "installed tree, tagloom-tools and a read-only start: all as expected"
