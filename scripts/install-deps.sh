#!/usr/bin/env bash
# Installs the Debian packages Puttwise needs to build, run and test, where missing (the
# CUPS server and its tools for the test that prints on a print queue of its own,
# clang-format for the format check, and an X server with a window manager, X input and
# xprop for the tests on a real desktop). With everything installed it asks dpkg once and
# returns at once.
set -euo pipefail
pakete=(cmake make g++ qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite qt6-charts-dev libqt6svg6
        qt6-translations-l10n libgl-dev googletest libgtest-dev libbenchmark-dev fonts-dejavu-core poppler-utils
        cups-daemon cups-client clang-format xvfb openbox xdotool x11-utils)
installiert=" $(dpkg-query -W -f='${Package} ${Status}\n' "${pakete[@]}" 2>/dev/null |
  awk '$NF == "installed" && $(NF-1) == "ok" { sub(/:.*/, "", $1); printf "%s ", $1 }' || true)"
fehlend=()
for p in "${pakete[@]}"; do
  [[ "$installiert" == *" $p "* ]] || fehlend+=("$p")
done
if [ ${#fehlend[@]} -gt 0 ]; then
  echo "Installing: ${fehlend[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${fehlend[@]}" >/dev/null
fi
