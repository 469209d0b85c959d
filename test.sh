#!/usr/bin/env bash
# Installs what is missing, builds Kavro and runs every test.
cd "$(dirname "$0")"
source ./scripts_common.sh
kavro_install_missing
kavro_build
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j "$(nproc)"
