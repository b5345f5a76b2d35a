#!/usr/bin/env bash
# Savanto's one entry point on a fresh Debian 12 machine.
#   ./setup.sh play   installs what is missing, builds and starts the game
#   ./setup.sh test   installs what is missing, builds (normal and sanitizer) and runs every test
set -euo pipefail
cd "$(dirname "$0")"

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-multimedia-dev qt6-translations-l10n qt6-image-formats-plugins
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth fonts-liberation2 fonts-dejavu-core
  desktop-file-utils appstream dpkg-dev
)

install_missing() {
  local missing=()
  for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$p")
    fi
  done
  if [ ${#missing[@]} -eq 0 ]; then
    return
  fi
  echo "Installation de : ${missing[*]}"
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
}

jobs=$(nproc 2>/dev/null || echo 2)

build() {  # build DIR [cmake options...]
  local dir=$1
  shift
  cmake -S . -B "$dir" -G Ninja "$@"
  cmake --build "$dir" -j "$jobs"
}

case "${1:-}" in
  play)
    install_missing
    build build/release -DCMAKE_BUILD_TYPE=Release -DSAVANTO_BUILD_BENCH=OFF
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
      echo "Aucun écran n'est disponible : le jeu est lancé dans un écran virtuel (xvfb-run)."
      exec xvfb-run -a -s "-screen 0 1280x1024x24" build/release/bin/Savanto
    fi
    exec build/release/bin/Savanto
    ;;
  test)
    install_missing
    build build/release -DCMAKE_BUILD_TYPE=Release
    (cd build/release && ctest --output-on-failure -j "$jobs")
    build build/sanitize -DCMAKE_BUILD_TYPE=Debug -DSAVANTO_SANITIZE=ON -DSAVANTO_BUILD_BENCH=OFF
    (cd build/sanitize && ctest --output-on-failure -j "$jobs")
    ;;
  *)
    echo "usage: ./setup.sh play | test" >&2
    exit 2
    ;;
esac
