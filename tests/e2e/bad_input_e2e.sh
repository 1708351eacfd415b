#!/usr/bin/env bash
# Bad input against the real programs, each beside the recording library: every case ends
# with the program still running, a clear message where the user must act, and nothing
# lost or garbled on the way to the library.
set -uo pipefail
build=$1
source=$2
source "$source/tests/e2e/lib.sh"
work=$(mktemp -d)
trap 'e2e_cleanup; rm -rf "$work"' EXIT
e2e_start_xvfb || exit 1
export SMS_RECORDER_DIR=$work/script
failures=0

# stage PROGRAM LIBRARY: a fresh folder with a copy of the program and, beside it as
# qolvix_sms.dll, the recording library ("recording"), the one without SendSms
# ("only_list") or none ("none"); a fresh, empty script.
stage() {
  app=$work/app-$1-$2
  rm -rf "$app" "$SMS_RECORDER_DIR"
  mkdir -p "$app" "$SMS_RECORDER_DIR"
  cp "$build/bin/$1" "$app/"
  case $2 in
    recording) cp "$build/tests/bin/qolvix_sms.dll" "$app/" ;;
    only_list) cp "$build/tests/bin/only_list/qolvix_sms.dll" "$app/" ;;
  esac
  e2e_layout "$1"
  cd "$app" && e2e_launch "$app/$1"
  local launched=$?
  cd "$work" && return $launched
}

# The calls the recording library saw: "entry arg-bytes-as-hex..." a line each.
calls() { cat "$SMS_RECORDER_DIR/calls.log" 2>/dev/null; }
call_count() { calls | grep -c "^$1" || true; }
# arg N of the last call of ENTRY, as bytes
last_arg() { calls | grep "^$1" | tail -n 1 | cut -f $(($2 + 1)) | xxd -r -p; }

# The message box the program shows: its text (through its own copy command), then it
# is closed with Enter. Fails when no box appears.
message_box_text() {
  local box i
  for i in $(seq 1 30); do
    box=$(xdotool search --onlyvisible --pid "$E2E_PID" | grep -vx "$E2E_WID" | head -n 1)
    [[ -n $box ]] && break
    sleep 0.2
  done
  [[ -n $box ]] || { e2e_fail "no message box"; return 1; }
  xdotool mousemove --window "$box" 10 10 && sleep 0.2
  xdotool key ctrl+c && sleep 0.3
  xclip -o -selection clipboard 2>/dev/null
  xdotool key Return && sleep 0.3
}

# paste X Y TEXT-FILE: puts a file's text into the field through the clipboard (for text
# too long to type, or outside the keyboard map).
paste_into() {
  xclip -i -selection clipboard <"$3"
  e2e_click "$1" "$2" && e2e_key ctrl+a BackSpace ctrl+v && sleep 1
}

fill_required() {
  e2e_fill $E2E_ACCOUNT demo && e2e_fill $E2E_PHONE 13800138000 &&
    e2e_fill $E2E_MESSAGE "短信"
}

check() {
  local name=$1
  shift
  if "$@" && e2e_running; then
    echo "ok   $name"
  else
    echo "FAIL $name" >&2
    failures=$((failures + 1))
  fi
  e2e_running && kill "$E2E_PID" 2>/dev/null
  wait 2>/dev/null
  E2E_PID=
}

result_text() { [[ -n $E2E_RESULT ]] && e2e_read_field $E2E_RESULT; }

case_library_missing() {
  stage "$1" none || return 1
  e2e_click $E2E_REFRESH
  local text
  text=$(message_box_text) || return 1
  [[ $text == *qolvix_sms.dll* ]] || e2e_fail "the message does not name the file: $text"
  # The user copies the library into place and tries again.
  cp "$build/tests/bin/qolvix_sms.dll" "$app/"
  printf 'gw1             \xb2\xe2\xca\xd4\r\n' >"$SMS_RECORDER_DIR/GetGatewayList.reply"
  e2e_click $E2E_REFRESH
  [[ $(call_count GetGatewayList) == 1 ]] || e2e_fail "the retry did not reach the library"
}

case_entry_missing() {
  stage "$1" only_list || return 1
  fill_required && e2e_click $E2E_SEND || return 1
  local text
  text=$(message_box_text) || return 1
  [[ $text == *SendSms* ]] || e2e_fail "the message does not name the entry point: $text"
}

case_null_reply() {
  stage "$1" recording || return 1
  fill_required && e2e_click $E2E_SEND || return 1
  [[ $(call_count SendSms) == 1 ]] || e2e_fail "no send arrived"
  [[ -z $E2E_RESULT || -z $(result_text) ]] || e2e_fail "a null reply does not show as empty"
}

case_invalid_reply() {
  stage "$1" recording || return 1
  printf 'ok\xff\x81' >"$SMS_RECORDER_DIR/SendSms.reply"
  fill_required && e2e_click $E2E_SEND || return 1
  [[ $(call_count SendSms) == 1 ]] || return 1
  [[ -z $E2E_RESULT || $(result_text) == "ok��" ]] || e2e_fail "invalid bytes not shown as U+FFFD"
}

case_huge_reply() {
  stage "$1" recording || return 1
  head -c $((10 << 20)) /dev/zero | tr '\0' 'r' >"$SMS_RECORDER_DIR/SendSms.reply"
  fill_required && e2e_click $E2E_SEND && sleep 2 || return 1
  [[ -z $E2E_RESULT || $(result_text | wc -c) == $((10 << 20)) ]] ||
    e2e_fail "the 10 MB reply did not arrive whole"
}

case_huge_list() {
  stage "$1" recording || return 1
  awk 'BEGIN { for (i = 1; i <= 100000; i++) printf "gw%06d         entry\r\n", i }' \
    >"$SMS_RECORDER_DIR/GetGatewayList.reply"
  e2e_click $E2E_REFRESH && sleep 2 && fill_required && e2e_click $E2E_SEND || return 1
  [[ $(last_arg SendSms 1) == gw000001* ]] || e2e_fail "the first of 100,000 entries was not sent"
}

case_long_entry() {
  stage "$1" recording || return 1
  { printf 'longgw'; head -c 100000 /dev/zero | tr '\0' 'x'; printf '\r\n'; } \
    >"$SMS_RECORDER_DIR/GetGatewayList.reply"
  e2e_click $E2E_REFRESH && sleep 1 && fill_required && e2e_click $E2E_SEND || return 1
  local sent
  sent=$(last_arg SendSms 1)
  case $1 in
    decldemo) [[ $sent == longgwxxxxxxxxxx ]] ;;
    loaddemo) [[ ${#sent} == 100006 ]] ;;
  esac || e2e_fail "the 100,000-character entry went out as ${#sent} characters"
}

case_huge_message() {
  stage "$1" recording || return 1
  head -c $((1 << 20)) /dev/zero | tr '\0' 'm' >"$work/message.txt"
  e2e_fill $E2E_ACCOUNT demo && e2e_fill $E2E_PHONE 13800138000 &&
    paste_into $E2E_MESSAGE "$work/message.txt" && e2e_click $E2E_SEND && sleep 2 || return 1
  [[ $(last_arg SendSms 5 | wc -c) == $((1 << 20)) ]] || e2e_fail "the 1 MB message was cut"
}

case_emoji() {
  local field
  for field in ACCOUNT PASSWORD PHONE NICKNAME MESSAGE; do
    stage "$1" recording || return 1
    fill_required || return 1
    printf '%s' "笑😀" >"$work/emoji.txt"
    local place=E2E_$field
    # shellcheck disable=SC2086
    paste_into ${!place} "$work/emoji.txt" && e2e_click $E2E_SEND || return 1
    [[ $(call_count SendSms) == 0 ]] || { e2e_fail "an emoji in $field was sent"; return 1; }
    if [[ -n $E2E_RESULT && $(result_text) != *U+1F600* ]]; then
      e2e_fail "no message names the emoji in $field"
      return 1
    fi
    kill "$E2E_PID"
    wait 2>/dev/null
  done
}

case_slow_library() {
  stage "$1" recording || return 1
  echo 5000 >"$SMS_RECORDER_DIR/SendSms.delay_ms"
  printf 'done' >"$SMS_RECORDER_DIR/SendSms.reply"
  fill_required && e2e_click $E2E_SEND || return 1
  sleep 6
  rm "$SMS_RECORDER_DIR/SendSms.delay_ms"
  e2e_click $E2E_SEND
  [[ $(call_count SendSms) == 2 ]] || e2e_fail "the click after a slow call did not work"
}

for program in decldemo loaddemo; do
  for c in library_missing entry_missing null_reply invalid_reply huge_reply huge_list \
    long_entry huge_message emoji slow_library; do
    check "$program $c" "case_$c" "$program"
  done
done
((failures == 0))
