#!/usr/bin/env bash
# The README's run command on a desktop: it must open both windows, beside each other and
# on the screen, tell where the outbox is, and end when both windows are closed.
set -uo pipefail
source=$(cd "$2" && pwd)
source "$source/tests/e2e/lib.sh"
work=$(mktemp -d)
run=
trap '[[ -n $run ]] && pkill -P "$run" 2>/dev/null; [[ -n $run ]] && kill "$run" 2>/dev/null; e2e_cleanup; rm -rf "$work"' EXIT
export QOLVIX_SMS_OUTBOX=$work/outbox.jsonl
fail() { echo "FAIL: $*" >&2; exit 1; }

e2e_start_xvfb || exit 1
env -u WAYLAND_DISPLAY "$source/scripts/run.sh" >"$work/run.log" 2>&1 &
run=$!

# window_of PROGRAM: the visible window of the program that the run command started,
# waiting up to 20 s for it.
window_of() {
  local pid wid
  for _ in $(seq 1 100); do
    pid=$(pgrep -P "$run" -x "$1" | head -n 1)
    [[ -n $pid ]] && wid=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n 1)
    [[ -n ${wid:-} ]] && echo "$wid" && return 0
    sleep 0.2
  done
  return 1
}
for _ in $(seq 1 600); do  # the run command may build first
  grep -q "close both windows to end" "$work/run.log" && break
  kill -0 "$run" 2>/dev/null || { cat "$work/run.log"; fail "the run command ended early"; }
  sleep 0.5
done
grep -q "close both windows to end" "$work/run.log" || fail "the run command opened nothing"
cat "$work/run.log"
grep -qF "$QOLVIX_SMS_OUTBOX" "$work/run.log" || fail "the outbox was not named"

decl=$(window_of decldemo) && [[ -n $decl ]] || fail "no decldemo window"
load=$(window_of loaddemo) && [[ -n $load ]] || fail "no loaddemo window"
read -r screen_width screen_height < <(xdotool getdisplaygeometry)
# geometry WINDOW: sets X Y WIDTH HEIGHT
geometry() { eval "$(xdotool getwindowgeometry --shell "$1")"; }
apart() { ((lx + lw <= dx || dx + dw <= lx || ly + lh <= dy || dy + dh <= ly)); }
for _ in $(seq 1 50); do  # the command places the windows once both are shown
  geometry "$load" && lx=$X ly=$Y lw=$WIDTH lh=$HEIGHT
  geometry "$decl" && dx=$X dy=$Y dw=$WIDTH dh=$HEIGHT
  apart && break
  sleep 0.2
done
echo "loaddemo at ${lx},${ly} ${lw}x${lh}; decldemo at ${dx},${dy} ${dw}x${dh}"
apart || fail "the two windows overlap"
for w in "$lx $ly $lw $lh" "$dx $dy $dw $dh"; do
  read -r x y width height <<<"$w"
  ((x >= 0 && y >= 0 && x + width <= screen_width && y + height <= screen_height)) ||
    fail "a window is off the screen: $w"
done

# Closing one window leaves the command waiting for the other.
kill "$(pgrep -P "$run" -x loaddemo)"
sleep 1
kill -0 "$run" 2>/dev/null || fail "the run command ended with decldemo still open"
kill "$(pgrep -P "$run" -x decldemo)"
for _ in $(seq 1 50); do kill -0 "$run" 2>/dev/null || break; sleep 0.2; done
kill -0 "$run" 2>/dev/null && fail "the run command did not end when both windows closed"
wait "$run" || fail "the run command ended with $?"
run=
echo "the run command opened both windows side by side and ended when they closed"
