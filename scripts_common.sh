# Shared by run.sh and test.sh: installs what is missing and builds into build/.
set -euo pipefail

KAVRO_PACKAGES=(cmake g++ make qt6-base-dev libqt6sql6-sqlite qt6-svg-dev libqt6svg6
                fonts-liberation libgl-dev poppler-utils xdg-utils libbenchmark-dev)

kavro_install_missing() {
  local missing=()
  for p in "${KAVRO_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
  fi
}

kavro_build() {
  cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
  cmake --build build -j "$(nproc)"
}
