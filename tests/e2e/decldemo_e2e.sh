#!/usr/bin/env bash
# decldemo as a person uses it, beside the recording library: refresh, pick the second
# gateway, type Chinese with spaces around it, send. The library must receive the
# trimmed fields as code page 936 bytes, be bound by the first refresh and stay mapped,
# and a send with an account of only spaces must not reach it. Leaves a screenshot in
# docs/decldemo.png.
set -uo pipefail
build=$(cd "$1" && pwd)
source=$(cd "$2" && pwd)
source "$source/tests/e2e/lib.sh"
work=$(mktemp -d)
trap 'e2e_cleanup; rm -rf "$work"' EXIT
export SMS_RECORDER_DIR=$work/script
mkdir -p "$work/app" "$work/elsewhere" "$SMS_RECORDER_DIR"
cp "$build/bin/decldemo" "$build/tests/bin/qolvix_sms.dll" "$work/app/"

e2e_script_two_gateways

failures=0
check() {
  if "$@"; then echo "ok   $*"; else echo "FAIL $*" >&2; failures=$((failures + 1)); fi
}

e2e_start_xvfb || exit 1
e2e_layout decldemo
cd "$work/elsewhere" && e2e_launch "$work/app/decldemo" || exit 1

check test "$(e2e_mapped qolvix_sms.dll && echo mapped)" = ""  # not bound at start
e2e_click $E2E_REFRESH && sleep 0.5
check test "$(count GetGatewayList)" = 1
check e2e_mapped qolvix_sms.dll  # bound by the first call, and it stays

e2e_click $E2E_GATEWAY && e2e_key Down Return
e2e_fill $E2E_ACCOUNT "  用户 demo  "
e2e_fill_secret $E2E_PASSWORD " 密码pw "
e2e_fill $E2E_PHONE " 13800138000 "
e2e_fill $E2E_NICKNAME "小明 "
e2e_click $E2E_MESSAGE && e2e_key ctrl+a BackSpace && e2e_type " 你好，世界！" &&
  e2e_key Return && e2e_type "第二行 "
check test "$(e2e_read_field $E2E_MESSAGE)" = $' 你好，世界！\n第二行 '

e2e_click $E2E_SEND && sleep 0.5
check test "$(count SendSms)" = 1
check test "$(arg_hex SendSms 1)" = "$(hex "SMS2")"
check test "$(arg_hex SendSms 2)" = "$(hex "用户 demo")"
check test "$(arg_hex SendSms 3)" = "$(hex "密码pw")"
check test "$(arg_hex SendSms 4)" = "$(hex "13800138000")"
check test "$(arg_hex SendSms 5)" = "$(hex $' 你好，世界！\r\n第二行 ')"  # never trimmed
check test "$(arg_hex SendSms 6)" = "$(hex "小明")"
check test "$(arg_hex SendSms 7)" = ""
check e2e_mapped qolvix_sms.dll
mkdir -p "$source/docs"
check e2e_screenshot "$work/shot.png"
check convert "$work/shot.png" -strip "$work/decldemo.png"
# Replaced only when the window looks different, so that a run leaves no needless change.
if ! compare -metric AE "$work/decldemo.png" "$source/docs/decldemo.png" null: 2>/dev/null; then
  cp "$work/decldemo.png" "$source/docs/decldemo.png"
fi

# An account of only spaces: nothing is sent.
e2e_click $E2E_ACCOUNT && e2e_key ctrl+a BackSpace && e2e_type "   "
e2e_click $E2E_SEND && sleep 0.5
check test "$(count SendSms)" = 1
check e2e_running
((failures == 0))
