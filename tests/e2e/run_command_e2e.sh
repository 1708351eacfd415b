#!/usr/bin/env bash
# The README's run command, as a newcomer without a display runs it: it must drive both
# windows to a real send through the bundled library, save both screenshots and print
# the two outbox lines.
set -uo pipefail
source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QOLVIX_SMS_OUTBOX=$work/outbox.jsonl
shots=$source/out/screenshots
rm -f "$shots/decldemo.png" "$shots/loaddemo.png"

env -u DISPLAY -u WAYLAND_DISPLAY "$source/scripts/run.sh" >"$work/run.log" 2>&1
status=$?
cat "$work/run.log"
fail() { echo "FAIL: $*" >&2; exit 1; }
((status == 0)) || fail "the run command ended with $status"
for program in decldemo loaddemo; do
  [[ -s $shots/$program.png ]] || fail "no screenshot of $program"
  grep -q "\"message\":\"你好，世界！Hello from $program\"" "$QOLVIX_SMS_OUTBOX" ||
    fail "the outbox holds no message from $program"
  grep -q "Hello from $program" "$work/run.log" || fail "the outbox line of $program was not shown"
done
[[ $(wc -l <"$QOLVIX_SMS_OUTBOX") == 2 ]] || fail "the outbox holds other than two lines"
! grep -q secret "$QOLVIX_SMS_OUTBOX" || fail "the password reached the outbox"
echo "the run command drove both windows to a send"
