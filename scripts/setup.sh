#!/usr/bin/env bash
# Installs the Debian packages the project needs, only when some are missing.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
missing=()
while read -r pkg; do
  [ -z "$pkg" ] && continue
  dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
done < "$here/packages.txt"
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo_cmd apt-get update -qq
  $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
# tftpd-hpa is only for the benchmark, which starts its own server on a high port: no daemon on 69.
if [ -e /etc/init.d/tftpd-hpa ] || [ -e /lib/systemd/system/tftpd-hpa.service ]; then
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  if command -v systemctl >/dev/null && [ -d /run/systemd/system ]; then
    $sudo_cmd systemctl disable --now tftpd-hpa >/dev/null 2>&1 || true
  else
    $sudo_cmd service tftpd-hpa stop >/dev/null 2>&1 || true
  fi
fi
