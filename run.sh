#!/usr/bin/env bash
# Installs what is missing, builds the program (not its tests) and starts it.
cd "$(dirname "$0")"
source ./scripts_common.sh
kavro_install_missing
kavro_build_program

# The program's own files live in ~/Kavro; what is missing there is laid down once.
mkdir -p "$HOME/Kavro"
[ -f "$HOME/Kavro/kavro.html" ] || cp resources/kavro.html "$HOME/Kavro/kavro.html"

exec ./build/kavro
