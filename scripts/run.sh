#!/usr/bin/env bash
# Opens both sample windows against the bundled qolvix_sms.dll. With no display, drives
# each one under a virtual display instead: a refresh and a send, then a screenshot.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$here/scripts/setup.sh"

cmake -S "$here" -B "$here/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$here/build" -j "$(nproc)" --target decldemo loaddemo outbox >/dev/null
bin=$here/build/bin

outbox=${QOLVIX_SMS_OUTBOX:-${XDG_DATA_HOME:-$HOME/.local/share}/qolvix_sms/outbox.jsonl}
echo "The bundled qolvix_sms.dll appends every message it accepts to:"
echo "  $outbox"

# loaddemo opens at its fixed place and decldemo in the middle of the screen, where they
# overlap: on X, put decldemo beside loaddemo (to its right, or as far right as the screen
# allows). On Wayland, or without xdotool, the windows stay where they open.
side_by_side() {
  [[ -n ${DISPLAY:-} && -z ${WAYLAND_DISPLAY:-} ]] && command -v xdotool >/dev/null || return 0
  local load_wid decl_wid right top screen_width X Y WIDTH HEIGHT SCREEN WINDOW
  load_wid=$(timeout 20 xdotool search --sync --onlyvisible --pid "$1" | head -n 1) || return 0
  decl_wid=$(timeout 20 xdotool search --sync --onlyvisible --pid "$2" | head -n 1) || return 0
  eval "$(xdotool getwindowgeometry --shell "$load_wid")"
  right=$((X + WIDTH + 16)) top=$Y
  eval "$(xdotool getwindowgeometry --shell "$decl_wid")"
  screen_width=$(xdotool getdisplaygeometry | cut -d ' ' -f 1)
  ((right + WIDTH <= screen_width)) || right=$((screen_width - WIDTH))
  xdotool windowmove "$decl_wid" "$right" "$top"
}

if [[ -n ${DISPLAY:-} || -n ${WAYLAND_DISPLAY:-} ]]; then
  "$bin/loaddemo" &
  load=$!
  "$bin/decldemo" &
  decl=$!
  echo "decldemo and loaddemo are open; close both windows to end."
  side_by_side "$load" "$decl" || true
  wait "$decl" "$load" || true
  exit 0
fi

echo "No display: driving both windows under Xvfb."
# shellcheck source=../tests/e2e/lib.sh
source "$here/tests/e2e/lib.sh"
trap e2e_cleanup EXIT
e2e_start_xvfb
shots=$here/out/screenshots
before=0
[[ -f $outbox ]] && before=$(wc -l <"$outbox")

for program in decldemo loaddemo; do
  echo "-- $program: refresh, fill in, send"
  e2e_layout "$program"
  e2e_launch "$bin/$program"
  e2e_send demo secret 13800138000 小明 "你好，世界！Hello from $program"
  e2e_running || e2e_fail "$program is no longer running"
  e2e_screenshot "$shots/$program.png"
  kill "$E2E_PID" && wait "$E2E_PID" 2>/dev/null || true
  E2E_PID=
done

echo "Screenshots: $shots/decldemo.png $shots/loaddemo.png"
after=0
[[ -f $outbox ]] && after=$(wc -l <"$outbox")
echo "The two sends appended $((after - before)) line(s) to $outbox:"
[[ -f $outbox ]] && tail -n +"$((before + 1))" "$outbox"
((after - before == 2)) || e2e_fail "expected the two sends to append two outbox lines"
