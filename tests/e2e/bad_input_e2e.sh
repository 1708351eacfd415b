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

# How many calls of ENTRY arrived (calls: the harness), and their arguments.
call_count() { calls | grep -c "^$1" || true; }
# arg N of the last call of ENTRY, as bytes
last_arg() { calls | grep "^$1" | tail -n 1 | cut -f $(($2 + 1)) | xxd -r -p; }

# The message box the program shows, saved as a screenshot (its words are checked by the
# window tests), then closed with Enter. Fails when no box appears.
message_box() {
  local box i
  for i in $(seq 1 30); do
    box=$(xdotool search --onlyvisible --pid "$E2E_PID" | grep -vx "$E2E_WID" | head -n 1)
    [[ -n $box ]] && break
    sleep 0.2
  done
  [[ -n $box ]] || { e2e_fail "no message box"; return 1; }
  import -window "$box" "$work/$1.png" || return 1
  xdotool mousemove --window "$box" 10 10 && sleep 0.2 && xdotool key Return && sleep 0.5
  ! xdotool search --onlyvisible --pid "$E2E_PID" | grep -qx "$box" || e2e_fail "the box stayed"
}

# paste_into X Y TEXT-FILE [secret]: puts a file's text into the field through the
# clipboard (for text too long to type, or outside the keyboard map), once the clipboard
# really holds it; a field that is not secret is read back and pasted again if need be.
paste_into() {
  local attempt i
  for attempt in 1 2 3; do
    xclip -i -selection clipboard <"$3" >/dev/null 2>&1
    for i in $(seq 1 50); do
      xclip -o -selection clipboard 2>/dev/null | cmp -s - "$3" && break
      sleep 0.1
    done
    e2e_click "$1" "$2" && e2e_key ctrl+a BackSpace ctrl+v && sleep 1 || return 1
    [[ ${4:-} == secret ]] && return 0
    e2e_read_field "$1" "$2" | cmp -s - <(tr -d '\r' <"$3") && return 0
    echo "e2e: the paste into the field at $1,$2 did not land (attempt $attempt)" >&2
  done
  e2e_fail "could not paste into the field at $1,$2"
}

# calls_settle ENTRY N: waits (up to 30 s) until N calls of ENTRY have arrived.
calls_settle() {
  local i
  for i in $(seq 1 150); do
    [[ $(call_count "$1") -ge $2 ]] && return 0
    sleep 0.2
  done
  e2e_fail "$1 was not called $2 time(s)"
}

# A gateway to pick (decldemo sends nothing without one), then the other required fields.
fill_required() {
  [[ -f $SMS_RECORDER_DIR/GetGatewayList.reply ]] ||
    printf 'gw1             \xb2\xe2\xca\xd4\r\n' >"$SMS_RECORDER_DIR/GetGatewayList.reply"
  e2e_click $E2E_REFRESH && e2e_fill $E2E_ACCOUNT demo && e2e_fill $E2E_PHONE 13800138000 &&
    e2e_fill $E2E_MESSAGE "短信"
}

# check NAME COMMAND...: runs one case in a subshell that stops at its first failing step;
# the program must still be running at the end. The program is stopped either way.
check() {
  local name=$1
  shift
  (
    set -e
    trap 'rc=$?; e2e_running && kill "$E2E_PID"; wait "$E2E_PID" || true; exit $rc' EXIT
    "$@"
    e2e_running || e2e_fail "the program is no longer running"
  )
  if (($? == 0)); then
    echo "ok   $name"
  else
    echo "FAIL $name" >&2
    failures=$((failures + 1))
  fi
}

result_text() { [[ -n $E2E_RESULT ]] && e2e_read_field $E2E_RESULT; }

case_library_missing() {
  stage "$1" none || return 1
  e2e_click $E2E_REFRESH && message_box "$1-library-missing" || return 1
  # The user copies the library into place and tries again.
  cp "$build/tests/bin/qolvix_sms.dll" "$app/"
  printf 'gw1             \xb2\xe2\xca\xd4\r\n' >"$SMS_RECORDER_DIR/GetGatewayList.reply"
  e2e_click $E2E_REFRESH || return 1
  [[ $(call_count GetGatewayList) == 1 ]] || e2e_fail "the retry did not reach the library"
}

case_entry_missing() {
  stage "$1" only_list || return 1
  fill_required && e2e_click $E2E_SEND && message_box "$1-entry-missing"
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
  [[ $(call_count SendSms) == 1 ]] || e2e_fail "no send arrived" || return 1
  [[ -z $E2E_RESULT || $(result_text) == "ok��" ]] || e2e_fail "invalid bytes not shown as U+FFFD"
}

case_huge_reply() {
  stage "$1" recording || return 1
  head -c $((10 << 20)) /dev/zero | tr '\0' 'r' >"$SMS_RECORDER_DIR/SendSms.reply"
  fill_required && e2e_click $E2E_SEND && calls_settle SendSms 1 || return 1
  [[ -z $E2E_RESULT ]] && return 0
  # Copying 10 MB out of the field takes the program a while: copy once, then ask the
  # clipboard until it is all there.
  e2e_read_field $E2E_RESULT >/dev/null
  local i size=0
  for i in $(seq 1 15); do
    size=$(xclip -o -selection clipboard 2>/dev/null | wc -c)
    [[ $size == $((10 << 20)) ]] && return 0
    sleep 2
  done
  e2e_fail "the 10 MB reply shows as $size bytes"
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
  # 1 MiB in lines of 64 characters, as pasted from a long document.
  awk 'BEGIN { for (i = 0; i < 16383; i++) printf "%063d\n", i; printf "%064d", 0 }' \
    >"$work/message.txt"
  fill_required && paste_into $E2E_MESSAGE "$work/message.txt" && e2e_click $E2E_SEND &&
    calls_settle SendSms 1 || return 1
  # Every line arrives, with CR LF between lines.
  last_arg SendSms 5 >"$work/sent.txt"
  tr -d '\r' <"$work/sent.txt" | cmp -s - "$work/message.txt" ||
    e2e_fail "the 1 MB message did not arrive whole" || return 1
  [[ $(tr -cd '\r' <"$work/sent.txt" | wc -c) == 16383 ]] || e2e_fail "lines not ended by CR LF"
}

case_emoji() {
  local field
  for field in ACCOUNT PASSWORD PHONE NICKNAME MESSAGE; do
    if e2e_running; then kill "$E2E_PID" && { wait "$E2E_PID" 2>/dev/null || true; }; fi
    stage "$1" recording || return 1
    fill_required || return 1
    printf '%s' "笑😀" >"$work/emoji.txt"
    local place=E2E_$field
    # shellcheck disable=SC2086
    paste_into ${!place} "$work/emoji.txt" "$([[ $field == PASSWORD ]] && echo secret)" &&
      e2e_click $E2E_SEND || return 1
    [[ $(call_count SendSms) == 0 ]] || { e2e_fail "an emoji in $field was sent"; return 1; }
    if [[ -n $E2E_RESULT && $(result_text) != *U+1F600* ]]; then
      e2e_fail "no message names the emoji in $field"
      return 1
    fi
  done
}

case_slow_library() {
  stage "$1" recording || return 1
  echo 5000 >"$SMS_RECORDER_DIR/SendSms.delay_ms"
  printf 'done' >"$SMS_RECORDER_DIR/SendSms.reply"
  fill_required && e2e_click $E2E_SEND || return 1
  sleep 6
  rm "$SMS_RECORDER_DIR/SendSms.delay_ms"
  e2e_click $E2E_SEND || return 1
  [[ $(call_count SendSms) == 2 ]] || e2e_fail "the click after a slow call did not work"
}

programs=${E2E_PROGRAMS:-decldemo loaddemo}
cases=${E2E_CASES:-library_missing entry_missing null_reply invalid_reply huge_reply huge_list \
  long_entry huge_message emoji slow_library}
for program in $programs; do
  for c in $cases; do
    check "$program $c" "case_$c" "$program"
  done
done
((failures == 0))
