# Drives the sample windows as a person would: a virtual X display (Xvfb), the mouse and
# the keyboard (xdotool), the clipboard (xclip) and screenshots (ImageMagick's import).
# Source it from bash; every function fails (non-zero) with a message on stderr, and each
# works under set -e.

E2E_XVFB_PID=
E2E_PID=
E2E_WID=

e2e_fail() {
  echo "FAIL: $*" >&2
  return 1
}

# Starts Xvfb on a display it picks itself (so that runs side by side never share one)
# and exports DISPLAY. Stopped by e2e_cleanup.
e2e_start_xvfb() {
  local attempt number_file
  number_file=$(mktemp)
  for attempt in 1 2 3; do
    # -noreset: otherwise Xvfb resets whenever its last client leaves (each program
    # closed, each xdotool run) and refuses the connections that arrive meanwhile.
    Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset 3>"$number_file" >/dev/null 2>&1 &
    E2E_XVFB_PID=$!
    local i
    for i in $(seq 1 100); do
      if [[ -s $number_file ]]; then
        export DISPLAY=":$(tr -d '[:space:]' <"$number_file")"
        if xdpyinfo >/dev/null 2>&1; then
          rm -f "$number_file"
          return 0
        fi
      fi
      kill -0 "$E2E_XVFB_PID" 2>/dev/null || break
      sleep 0.1
    done
    kill "$E2E_XVFB_PID" 2>/dev/null || true  # it may have ended already
    wait "$E2E_XVFB_PID" 2>/dev/null || true
    : >"$number_file"
  done
  rm -f "$number_file"
  e2e_fail "could not start Xvfb"
}

e2e_cleanup() {
  if [[ -n $E2E_PID ]]; then kill "$E2E_PID" 2>/dev/null && wait "$E2E_PID" 2>/dev/null; fi
  if [[ -n $E2E_XVFB_PID ]]; then
    kill "$E2E_XVFB_PID" 2>/dev/null && wait "$E2E_XVFB_PID" 2>/dev/null
  fi
  E2E_PID= E2E_XVFB_PID=
  return 0
}

# e2e_launch PROGRAM [ARGS...]: starts the program on the xcb platform and waits for its
# window; sets E2E_PID and E2E_WID. An X connection refused at start is retried.
e2e_launch() {
  local attempt
  for attempt in 1 2 3; do
    QT_QPA_PLATFORM=xcb "$@" >"${E2E_LOG:-/dev/null}" 2>&1 &
    E2E_PID=$!
    local i
    for i in $(seq 1 100); do
      E2E_WID=$(xdotool search --onlyvisible --pid "$E2E_PID" 2>/dev/null | head -n 1 || true)
      if [[ -n $E2E_WID ]]; then
        sleep 0.5  # let the window paint before it is driven
        return 0
      fi
      kill -0 "$E2E_PID" 2>/dev/null || break
      sleep 0.1
    done
    kill "$E2E_PID" 2>/dev/null || true  # it may have ended (and been reaped) already
    wait "$E2E_PID" 2>/dev/null || true
    E2E_PID=
    echo "e2e: $1 showed no window (attempt $attempt), retrying" >&2
    sleep 1
  done
  e2e_fail "$1 showed no window"
}

e2e_running() { kill -0 "$E2E_PID" 2>/dev/null; }

# e2e_click X Y: a left click at window coordinates.
e2e_click() {
  xdotool mousemove --window "$E2E_WID" "$1" "$2" click 1 && sleep 0.3
}

# e2e_key KEYS...: key presses to the window under the pointer, e.g. ctrl+a Return.
e2e_key() {
  xdotool key --delay 100 "$@" && sleep 0.2
}

# e2e_type TEXT: types into the focused field, slowly enough for characters outside
# the keyboard map (Chinese) to arrive.
e2e_type() {
  xdotool type --delay 120 -- "$1" && sleep 0.3
}

# e2e_read_field X Y: prints the text of the field at X Y, through the clipboard.
e2e_read_field() {
  # An empty field copies nothing: start from an empty clipboard so it reads as empty.
  # (xclip stays behind to serve the clipboard: it must not hold this function's output.)
  xclip -i -selection clipboard </dev/null >/dev/null 2>&1 || return 1
  e2e_click "$1" "$2" || return 1
  e2e_key ctrl+a ctrl+c ctrl+End || return 1
  xclip -o -selection clipboard 2>/dev/null || true  # nothing to give: an empty field
}

# e2e_fill X Y TEXT: clicks the field, types TEXT, reads it back and types once more
# where a character was dropped.
e2e_fill() {
  local attempt got
  for attempt in 1 2 3; do
    e2e_click "$1" "$2" && e2e_key ctrl+a BackSpace && e2e_type "$3" || return 1
    got=$(e2e_read_field "$1" "$2")
    [[ $got == "$3" ]] && return 0
    echo "e2e: field at $1,$2 reads \"$got\", wanted \"$3\" (attempt $attempt)" >&2
  done
  e2e_fail "could not type \"$3\" into the field at $1,$2"
}

# e2e_fill_secret X Y TEXT: the same for a password field, which gives nothing to the
# clipboard: its text is checked by what the library receives.
e2e_fill_secret() {
  e2e_click "$1" "$2" && e2e_key ctrl+a BackSpace && e2e_type "$3"
}

# e2e_screenshot FILE: the window as it stands.
e2e_screenshot() {
  mkdir -p "$(dirname "$1")" && import -window "$E2E_WID" "$1"
}

# e2e_mapped NAME: true while a file named NAME is mapped into the program.
e2e_mapped() {
  grep -q "/$1\$" "/proc/$E2E_PID/maps"
}

# The places of the controls each program's drive uses, in window pixels (centres).
e2e_layout() {
  case $1 in
    decldemo)
      # laid out in twips, 15 to a pixel
      E2E_REFRESH="427 58" E2E_GATEWAY="228 58" E2E_ACCOUNT="135 86" E2E_PASSWORD="322 86"
      E2E_PHONE="135 113" E2E_NICKNAME="322 113" E2E_MESSAGE="228 174" E2E_SEND="427 177"
      E2E_RESULT=
      ;;
    loaddemo)
      E2E_REFRESH="447 55" E2E_GATEWAY="238 55" E2E_ACCOUNT="148 80" E2E_PASSWORD="148 104"
      E2E_PHONE="148 128" E2E_NICKNAME="148 153" E2E_MESSAGE="238 207" E2E_SEND="447 211"
      E2E_RESULT="238 263"
      ;;
    *) e2e_fail "no layout for $1" ;;
  esac
}

# e2e_send ACCOUNT PASSWORD PHONE NICKNAME MESSAGE: refresh, fill every field and send,
# on the window of the program whose layout is set.
e2e_send() {
  # shellcheck disable=SC2086
  e2e_click $E2E_REFRESH && sleep 0.5 &&
    e2e_fill $E2E_ACCOUNT "$1" && e2e_fill_secret $E2E_PASSWORD "$2" &&
    e2e_fill $E2E_PHONE "$3" && e2e_fill $E2E_NICKNAME "$4" &&
    e2e_fill $E2E_MESSAGE "$5" && e2e_click $E2E_SEND && sleep 0.5
}

# What the recording library (its folder in SMS_RECORDER_DIR) was called with.
# e2e_script_two_gateways: answers the refresh with "QUENLO" and "SMS2" padded to 16
# characters, then 测试网关 / 第二网关, and the send with 发送成功 #1 (code page 936).
e2e_script_two_gateways() {
  printf 'QUENLO          \xb2\xe2\xca\xd4\xcd\xf8\xb9\xd8\r\nSMS2            \xb5\xda\xb6\xfe\xcd\xf8\xb9\xd8\r\n' \
    >"$SMS_RECORDER_DIR/GetGatewayList.reply"
  printf '\xb7\xa2\xcb\xcd\xb3\xc9\xb9\xa6 #1' >"$SMS_RECORDER_DIR/SendSms.reply"
}
calls() { cat "$SMS_RECORDER_DIR/calls.log" 2>/dev/null; }
# count ENTRY: how many calls of ENTRY arrived
count() { calls | grep -c "^$1" || true; }
# arg_hex ENTRY N: argument N of the last call of ENTRY, as hex bytes
arg_hex() { calls | grep "^$1" | tail -n 1 | cut -f $(($2 + 1)); }
# hex TEXT: the code page 936 bytes of TEXT, as hex
hex() { printf '%s' "$1" | iconv -f UTF-8 -t CP936 | xxd -p | tr -d '\n'; }
