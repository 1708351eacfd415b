#!/usr/bin/env bash
# cmake --install puts both programs and the bundled library side by side, with a desktop
# entry for each; each installed program, started as its desktop entry says, finds the
# library and sends through it.
set -euo pipefail
build=$1
source=$2
source "$source/tests/e2e/lib.sh"
work=$(mktemp -d)
trap 'e2e_cleanup; rm -rf "$work"' EXIT
prefix=$work/prefix

cmake --install "$build" --prefix "$prefix" >/dev/null
dir=$prefix/lib/qolvix-sms-samples
for f in decldemo loaddemo qolvix_sms.dll; do
  [[ -f $dir/$f ]] || e2e_fail "$dir/$f was not installed"
done

e2e_start_xvfb
export QOLVIX_SMS_OUTBOX=$work/outbox.jsonl
for program in decldemo loaddemo; do
  entry=$prefix/share/applications/qolvix-$program.desktop
  [[ -f $entry ]] || e2e_fail "no desktop entry $entry"
  grep -q '^Name=.' "$entry" || e2e_fail "$entry has no English name"
  grep -q '^Name\[zh_CN\]=.*[^ -~]' "$entry" || e2e_fail "$entry has no Chinese name"
  exec_line=$(sed -n 's/^Exec=//p' "$entry")
  [[ $exec_line == "$dir/$program" ]] || e2e_fail "$entry starts \"$exec_line\""
  if command -v desktop-file-validate >/dev/null; then desktop-file-validate "$entry"; fi

  # Started from another directory, as a desktop menu would.
  (cd / && e2e_layout "$program" && e2e_launch "$exec_line" &&
    e2e_send demo pw 13800138000 小明 "安装后的 $program" && e2e_running &&
    kill "$E2E_PID")
  grep -q "安装后的 $program" "$QOLVIX_SMS_OUTBOX" ||
    e2e_fail "the installed $program did not send through the installed library"
done
echo "installed programs, library and desktop entries are in place"
