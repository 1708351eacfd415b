#!/usr/bin/env bash
# Installs what building, running and testing need, where it is missing: Debian
# packages, and the fontconfig mapping of the windows' Song face. Quick when all is there.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

packages=(cmake g++ make pkg-config qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev
  xvfb xauth xdotool x11-utils xclip xxd procps imagemagick fontconfig fonts-arphic-uming
  clang libclang-rt-14-dev)

# Typing Chinese needs Qt's plugin for the input method the desktop runs: fcitx5's comes
# in its own package; ibus's ships with Qt itself (libqt6gui6).
if command -v fcitx5 >/dev/null 2>&1 || [[ ${XMODIFIERS:-} == *fcitx* ]]; then
  packages+=(fcitx5-frontend-qt6)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

as_root() {
  if [[ $(id -u) -eq 0 ]]; then "$@"; else sudo "$@"; fi
}

if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  as_root env DEBIAN_FRONTEND=noninteractive apt-get update -q
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
    "${missing[@]}"
fi

conf=/etc/fonts/conf.d/65-qolvix-songti.conf
if ! cmp -s "$here/config/65-qolvix-songti.conf" "$conf"; then
  echo "setup: mapping the font 宋体 to AR PL UMing ($conf)"
  as_root install -m 0644 "$here/config/65-qolvix-songti.conf" "$conf"
  as_root fc-cache -f >/dev/null
fi
