#!/usr/bin/env bash
# Installs what is missing, builds Puttwise, prepares a first start (settings file and a
# fresh database in the user's data folder) and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target puttwise puttwise-setup pw_datenbanken
build/program/puttwise-setup build/program build/vorlage/dbgolfvb.mdb
exec build/program/puttwise
