#!/usr/bin/env bash
# loaddemo as a person uses it, beside the recording library: refresh, pick the second
# gateway, type Chinese into every field, send. The library must receive exactly the
# code page 936 bytes of what was typed, be mapped only while a command runs, and the
# reply must show in the result field. Leaves a screenshot in docs/loaddemo.png.
set -uo pipefail
build=$(cd "$1" && pwd)
source=$(cd "$2" && pwd)
source "$source/tests/e2e/lib.sh"
work=$(mktemp -d)
trap 'e2e_cleanup; rm -rf "$work"' EXIT
export SMS_RECORDER_DIR=$work/script
export E2E_LOG=$work/program.log
mkdir -p "$work/app" "$work/elsewhere" "$SMS_RECORDER_DIR"
cp "$build/bin/loaddemo" "$work/app/"
cp "$build/tests/bin/qolvix_sms.dll" "$work/app/"

e2e_script_two_gateways
unmapped() { ! e2e_mapped qolvix_sms.dll || e2e_fail "qolvix_sms.dll is mapped $1"; }

failures=0
check() {
  local what="${*%%$'\n'*}"  # the first line is enough to tell the checks apart
  if "$@"; then echo "ok   $what"; else echo "FAIL $what" >&2; failures=$((failures + 1)); fi
}

e2e_start_xvfb || exit 1
e2e_layout loaddemo
# Started from another folder: the library is found beside the program.
cd "$work/elsewhere" && e2e_launch "$work/app/loaddemo" || exit 1

check unmapped "at start"
e2e_click $E2E_REFRESH && sleep 0.5
check test "$(count GetGatewayList)" = 1
check unmapped "after the refresh"

# Pick the second gateway from the open list.
e2e_click $E2E_GATEWAY && e2e_key Down Return
check unmapped "after picking"

message=$'你好，世界！\n第二行 line 2'
e2e_fill $E2E_ACCOUNT "用户 demo" && check unmapped "after typing"
e2e_fill_secret $E2E_PASSWORD "密码pw"
e2e_fill $E2E_PHONE " 13800138000 "
e2e_fill $E2E_NICKNAME "小明"
# Two lines: the Return key between them, as a person presses it.
e2e_click $E2E_MESSAGE && e2e_key ctrl+a BackSpace && e2e_type "你好，世界！" &&
  e2e_key Return && e2e_type "第二行 line 2"
check test "$(e2e_read_field $E2E_MESSAGE)" = "$message"
e2e_key ctrl+End  # no selection left for the screenshot
check unmapped "after filling every field"

e2e_click $E2E_SEND && sleep 0.5
check test "$(count SendSms)" = 1
check test "$(arg_hex SendSms 1)" = "$(hex "SMS2            第二网关")"
check test "$(arg_hex SendSms 2)" = "$(hex "用户 demo")"
check test "$(arg_hex SendSms 3)" = "$(hex "密码pw")"
check test "$(arg_hex SendSms 4)" = "$(hex " 13800138000 ")"
check test "$(arg_hex SendSms 5)" = "$(hex $'你好，世界！\r\n第二行 line 2')"
check test "$(arg_hex SendSms 6)" = "$(hex "小明")"
check test "$(arg_hex SendSms 7)" = ""
check unmapped "after the send"
mkdir -p "$source/docs"
check e2e_screenshot "$work/shot.png"
check convert "$work/shot.png" -strip "$work/loaddemo.png"
# Replaced only when the window looks different, so that a run leaves no needless change.
if ! compare -metric AE "$work/loaddemo.png" "$source/docs/loaddemo.png" null: 2>/dev/null; then
  cp "$work/loaddemo.png" "$source/docs/loaddemo.png"
fi
check test "$(e2e_read_field $E2E_RESULT)" = "发送成功 #1"

# A slow library: mapped while its call runs, gone again once the reply is shown.
echo 3000 >"$SMS_RECORDER_DIR/SendSms.delay_ms"
printf 'second' >"$SMS_RECORDER_DIR/SendSms.reply"
e2e_click $E2E_SEND
for _ in $(seq 1 50); do [[ $(count SendSms) == 2 ]] && break; sleep 0.1; done
check e2e_mapped qolvix_sms.dll
for _ in $(seq 1 100); do e2e_mapped qolvix_sms.dll || break; sleep 0.1; done
check unmapped "after the slow send"
check test "$(e2e_read_field $E2E_RESULT)" = "second"

check e2e_running
kill "$E2E_PID" && wait "$E2E_PID" 2>/dev/null
E2E_PID=

# The message box in front of the window: prints its text (Ctrl+C copies it), then
# closes it with Enter.
box_text() {
  local box
  for _ in $(seq 1 30); do
    box=$(xdotool search --onlyvisible --pid "$E2E_PID" | grep -vx "$E2E_WID" | head -n 1)
    [[ -n $box ]] && break
    sleep 0.2
  done
  [[ -n $box ]] || { e2e_fail "no message box"; return 1; }
  xdotool mousemove --window "$box" 10 10 key ctrl+c && sleep 0.3
  xclip -o -selection clipboard 2>/dev/null
  xdotool key Return && sleep 0.3
}
contains() { [[ $1 == *"$2"* ]] || e2e_fail "the message does not say \"$2\": $1"; }

# No library anywhere: each command says what it looked for where, and the program
# goes on.
mkdir -p "$work/bare"
cp "$build/bin/loaddemo" "$work/bare/"
cd "$work/elsewhere" && e2e_launch "$work/bare/loaddemo" || { cat "$E2E_LOG"; exit 1; }
for button in REFRESH SEND; do
  place=E2E_$button
  # shellcheck disable=SC2086
  e2e_click ${!place}
  text=$(box_text)
  check contains "$text" "qolvix_sms.dll"
  check contains "$text" "$work/bare/qolvix_sms.dll"
  check contains "$text" "$work/elsewhere/qolvix_sms.dll"
  check e2e_running
done
kill "$E2E_PID" && wait "$E2E_PID" 2>/dev/null
E2E_PID=

# A library without SendSms: the send names the entry point, and the library is
# unloaded again.
mkdir -p "$work/only_list"
cp "$build/bin/loaddemo" "$work/only_list/"
cp "$build/tests/bin/only_list/qolvix_sms.dll" "$work/only_list/"
cd "$work/elsewhere" && e2e_launch "$work/only_list/loaddemo" || exit 1
e2e_fill $E2E_ACCOUNT demo
e2e_click $E2E_SEND
text=$(box_text)
check contains "$text" "SendSms"
check contains "$text" "$work/only_list/qolvix_sms.dll"
check unmapped "after the failed send"
check test "$(e2e_read_field $E2E_ACCOUNT)" = demo
check e2e_running

((failures == 0))
