#!/usr/bin/env bash
# Installs what is missing, builds the program (not its tests) and starts it.
cd "$(dirname "$0")"
source ./scripts_common.sh
kavro_install_missing
kavro_build_program

# The program's own files live in ~/Kavro; what is missing there is laid down once.
mkdir -p "$HOME/Kavro"
[ -f "$HOME/Kavro/kavro.html" ] || cp resources/kavro.html "$HOME/Kavro/kavro.html"
# An existing case database is never touched: it holds the user's stored cases.
if [ ! -e "$HOME/Kavro/kavro.db" ]; then
  sqlite3 "$HOME/Kavro/kavro.db.new" < resources/kavro.sql
  mv -n "$HOME/Kavro/kavro.db.new" "$HOME/Kavro/kavro.db"
fi

exec ./build/kavro
