#!/usr/bin/env bash
# Installs what is missing, builds Kavro and starts it.
cd "$(dirname "$0")"
source ./scripts_common.sh
kavro_install_missing
kavro_build
mkdir -p "$HOME/Kavro"
[ -f "$HOME/Kavro/kavro.html" ] || cp resources/kavro.html "$HOME/Kavro/kavro.html"
exec ./build/kavro
