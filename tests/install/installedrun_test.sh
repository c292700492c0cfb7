#!/usr/bin/env bash
# An installed copy used by an ordinary user: installs the build into a fresh prefix, then,
# as an unprivileged user on a virtual display, starts inst/bin/brindel twice. The first run
# opens a page, previews it in the installed viewer, sets the window's size and quits; the
# second run must open at that size. The user's settings go to their own folder, made from
# the installed defaults, and nothing under the prefix changes.
#   installedrun_test.sh BUILD_DIR [SKIP]   (SKIP 1: report the test skipped, code 77)
set -euo pipefail
build="$1"
if [ "${2:-0}" = 1 ]; then
  echo "skipped in this build"
  exit 77
fi
work="$(mktemp -d)"
display_pid=""
cleanup() {
  if [ -n "$display_pid" ]; then kill "$display_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
log="$work/programs.log"
fail() {
  echo "FAIL: $*" >&2
  [ -f "$log" ] && tail -n 40 "$log" >&2
  exit 1
}

cmake --install "$build" --prefix "$work/inst" >/dev/null
chmod -R a+rX "$work"
home="$work/home"
mkdir -p "$home/run"
chmod 700 "$home/run"
printf '<HTML><BODY><P>Bonjour</P></BODY></HTML>\r\n' >"$home/page.htm"

# Without root's right to write anywhere: as user 65534 when run by root, otherwise as
# ourselves with the prefix made read-only.
as_user=()
if [ "$(id -u)" -eq 0 ]; then
  chown -R 65534:65534 "$home"
  as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
else
  chmod -R a-w "$work/inst"
fi
snapshot() { (cd "$work/inst" && find . -printf '%p %m %s %T@\n' | sort && find . -type f -exec sha256sum {} + | sort); }
before="$(snapshot)"

# A display of our own, reachable by the unprivileged user.
for n in $(seq 90 130); do
  [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || { display=":$n"; break; }
done
Xvfb "$display" -screen 0 1280x900x24 -nolisten tcp -ac >/dev/null 2>&1 &
display_pid=$!
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.2; done

run_env=(env -i HOME="$home" PATH=/usr/bin:/bin DISPLAY="$display" LANG=C.UTF-8
         QT_QPA_PLATFORM=xcb QTWEBENGINE_DISABLE_SANDBOX=1 XDG_RUNTIME_DIR="$home/run")
settings="$home/.local/share/brindel/brindel.sav"
key() { DISPLAY="$display" xdotool "$@"; }
# The window of that title, waiting for it to come.
window() {
  for _ in $(seq 150); do
    id="$(DISPLAY="$display" xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1 || true)"
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.2
  done
  return 1
}
# The tip of the day comes once the main window is on screen (the splash window, gone by
# then, bears the same title as the main window); it is closed, and the main window found.
past_tip() {
  local tip
  tip="$(window '^Astuce du jour$')" || return 1
  key windowfocus --sync "$tip"
  key key Escape
  sleep 0.5
  window '^Brindel 7'
}
quit() {
  local id="$1"
  key windowfocus --sync "$id"
  key key alt+f
  sleep 0.5
  key key q
}

# First run: the tip of the day, then the page, its preview, a new size, and quit.
"${as_user[@]}" "${run_env[@]}" "$work/inst/bin/brindel" "$home/page.htm" >>"$log" 2>&1 &
brindel=$!
main="$(past_tip)" || fail "the editor's window did not appear"
[ -f "$settings" ] || fail "no settings in the user's folder"
key windowfocus --sync "$main"
key key F12
window 'Visualisateur$' >/dev/null || fail "the preview did not appear"
grep -a -q "page.htm" "$home/.local/share/brindel/visualisateur.sav" ||
  fail "the preview was not handed over in the user's folder"
key windowsize --sync "$main" 700 520
sleep 0.5
quit "$main"
wait "$brindel" || fail "the first run did not end well"
grep -a -q '^\[largeur\]=700' "$settings" || fail "width not kept: $(grep -a largeur "$settings")"
grep -a -q '^\[hauteur\]=520' "$settings" || fail "height not kept: $(grep -a hauteur "$settings")"

# Second run: the window comes back at that size.
"${as_user[@]}" "${run_env[@]}" "$work/inst/bin/brindel" >>"$log" 2>&1 &
brindel=$!
main="$(past_tip)" || fail "the editor's window did not appear the second time"
geometry="$(key getwindowgeometry "$main" | sed -n 's/.*Geometry: //p')"
[ "$geometry" = "700x520" ] || fail "the second run opened at $geometry, not 700x520"
quit "$main"
wait "$brindel" || fail "the second run did not end well"

[ "$(snapshot)" = "$before" ] || fail "the installed files changed"
echo "installed copy: settings in the user's folder, preview, size kept, prefix untouched"
