#!/usr/bin/env bash
# Sets up, builds and stages the course, then starts it (run) or runs the whole test suite
# headless (test). Installs missing Debian packages first.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${COURSE_BUILD_DIR:-$here/build}"
stage="$build/Orvo the Tamlex Vuvudu Rodezav Iruv"
packages=(cmake g++ make pkg-config qt6-base-dev qt6-svg-dev libjpeg-dev libgtest-dev
          libchm-dev fp-utils fonts-liberation fontconfig)

install_missing() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    if ((${#missing[@]})); then
        local sudo=""
        [ "$(id -u)" -ne 0 ] && sudo="sudo"
        $sudo apt-get update -qq
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
    fi
}

build_course() {
    cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
    cmake --build "$build" -j "$(nproc)"
}

case "${1:-}" in
run)
    install_missing
    build_course
    cd "$stage"
    exec ./menu
    ;;
test)
    install_missing
    build_course
    cd "$build"
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)" --timeout 600
    ;;
*)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
