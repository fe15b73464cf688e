#!/bin/sh
# Installs the Debian packages given as arguments that are not installed yet,
# as root or through sudo.
set -e
missing=""
for p in "$@"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
if [ "$(id -u)" = 0 ]; then SUDO=""; else SUDO="sudo"; fi
echo "Installiere fehlende Pakete:$missing"
$SUDO apt-get update -qq
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $missing
