#!/usr/bin/env bash
# Installs what is missing, builds Puttwise, prepares a first start (settings file and a
# fresh database in the user's data folder) and starts the program.
# The build is skipped when nothing it reads changed since the last build this script made:
# a stamp in the build folder is written after each successful build, and a file or folder
# under src/, resources/ or tools/ (or a CMakeLists.txt, or this script) newer than the stamp
# builds again. A build through another script or by hand leaves the stamp as it was.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
stempel=build/.run-gebaut
programme=(build/program/puttwise build/program/puttwise-setup build/vorlage/dbgolfvb.mdb)
bauen=0
for p in "${programme[@]}"; do [ -e "$p" ] || bauen=1; done
if [ $bauen -eq 0 ] && { [ ! -e "$stempel" ] ||
  [ -n "$(find src resources tools CMakeLists.txt scripts/run.sh -newer "$stempel" -print -quit)" ]; }; then
  bauen=1
fi
if [ $bauen -eq 1 ]; then
  neu="$stempel.neu"
  mkdir -p build
  touch "$neu"  # what changes during the build is newer than the stamp and builds next time
  cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build build -j"$(nproc)" --target puttwise puttwise-setup pw_datenbanken
  mv "$neu" "$stempel"
fi
build/program/puttwise-setup build/program build/vorlage/dbgolfvb.mdb
exec build/program/puttwise
