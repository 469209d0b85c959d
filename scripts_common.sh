# Shared by run.sh and test.sh: installs what is missing and builds into build/.
set -euo pipefail

KAVRO_PACKAGES=(cmake g++ make qt6-base-dev libqt6sql6-sqlite qt6-svg-dev libqt6svg6
                fonts-liberation libgl-dev poppler-utils xdg-utils libbenchmark-dev sqlite3)

kavro_install_missing() {
  local installed missing=()
  # One query for all of them; a package dpkg has never heard of is simply not listed.
  installed=$(dpkg-query -W -f='${Package} ${Status}\n' "${KAVRO_PACKAGES[@]}" 2>/dev/null \
              | awk '/ install ok installed$/ {print $1}' || true)
  for p in "${KAVRO_PACKAGES[@]}"; do
    grep -qx "$p" <<<"$installed" || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
  fi
}

# Configured once; a later build re-runs CMake by itself when a CMakeLists.txt has changed.
kavro_configure() {
  [ -f build/CMakeCache.txt ] || cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
}

# Everything: the program, the tests and the benchmarks.
kavro_build() {
  kavro_configure
  cmake --build build -j "$(nproc)"
}

# The program alone, silent unless the build fails.
kavro_build_program() {
  kavro_configure
  if ! cmake --build build --target kavro -j "$(nproc)" > build/program-build.log 2>&1; then
    cat build/program-build.log
    return 1
  fi
}
