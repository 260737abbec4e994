#!/usr/bin/env bash
# Builds and starts Quorvan, or builds and runs every test (plain and sanitized).
#   ./quorvan.sh run     install what is missing, build in Release, start Quorvan
#   ./quorvan.sh test    install what is missing, build, run every test, then again with sanitizers
#   ./quorvan.sh bench   install what is missing, build and run the benchmarks
set -euo pipefail
cd "$(dirname "$0")"
top=$(pwd)
jobs=$(nproc 2>/dev/null || echo 4)

need_packages() {
    local wanted=(cmake g++ make qt6-base-dev libqt6svg6 libgl-dev libgtest-dev)
    case "$1" in
        run) wanted+=(qt6-qpa-plugins) ;;
        run-virtual) wanted+=(qt6-qpa-plugins xvfb xauth) ;;
        test) wanted+=(qt6-qpa-plugins fusefat dosfstools) ;;
        bench) wanted+=(libbenchmark-dev qt6-qpa-plugins xvfb xauth) ;;
    esac
    local missing=()
    for p in "${wanted[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local cmd=(apt-get install -y --no-install-recommends "${missing[@]}")
    if [ "$(id -u)" -eq 0 ]; then
        apt-get update -qq
        DEBIAN_FRONTEND=noninteractive "${cmd[@]}"
    elif command -v sudo >/dev/null && sudo -n true 2>/dev/null; then
        sudo apt-get update -qq
        sudo DEBIAN_FRONTEND=noninteractive "${cmd[@]}"
    elif command -v sudo >/dev/null; then
        echo "Quorvan needs packages that are not installed. Run this, then try again:" >&2
        echo "    sudo apt-get update && sudo ${cmd[*]}" >&2
        exit 1
    else
        echo "Quorvan needs packages that are not installed. Run this as root, then try again:" >&2
        echo "    apt-get update && ${cmd[*]}" >&2
        exit 1
    fi
}

build() { # build-dir build-type extra-cmake-args...
    local dir=$1 type=$2
    shift 2
    cmake -S "$top" -B "$dir" -DCMAKE_BUILD_TYPE="$type" "$@" >/dev/null
    cmake --build "$dir" -j "$jobs"
}

run_tests() { # build-dir
    (cd "$1" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs" --timeout 300)
}

case "${1:-}" in
    run)
        # Without a display nothing is built: the packages of a virtual one come in, and the hint says
        # how to start on it.
        if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
            need_packages run-virtual
            echo "Quorvan needs a display and none is set (DISPLAY, WAYLAND_DISPLAY);" \
                "on a virtual one (package xvfb): xvfb-run -a ./quorvan.sh run" >&2
            exit 1
        fi
        need_packages run
        build "$top/build/release" Release -DQUORVAN_TESTS=OFF
        exec "$top/build/release/program/quorvan"
        ;;
    test)
        need_packages test
        build "$top/build/test" Debug -DQUORVAN_WERROR=ON
        run_tests "$top/build/test"
        build "$top/build/sanitize" Debug -DQUORVAN_WERROR=ON -DQUORVAN_SANITIZE=ON
        ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 run_tests "$top/build/sanitize"
        ;;
    bench)
        need_packages bench
        build "$top/build/bench" Release -DQUORVAN_TESTS=OFF -DQUORVAN_BENCH=ON
        for b in "$top"/build/bench/bench/bench_*; do
            [ -f "$b" ] && [ -x "$b" ] || continue
            # Start-up is timed on an X server, as on a desktop: a virtual one when there is no display.
            if [ "${b##*/}" = bench_startup ] && [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] &&
                command -v xvfb-run >/dev/null; then
                xvfb-run -a -s "-screen 0 1920x1080x24" "$b"
            else
                "$b"
            fi
        done
        ;;
    *)
        echo "usage: $0 run | test | bench" >&2
        exit 2
        ;;
esac
