#!/usr/bin/env bash
# Sets up, builds and stages the course, then starts it (run) or runs the whole test suite
# headless and checks the sources' format (test). "folder" prints the staged installation
# folder. `sanitize` builds the suite with AddressSanitizer and UndefinedBehaviorSanitizer in
# build-asan and runs it; `fuzz [seconds]` builds the libFuzzer targets with clang in
# build-fuzz and runs each for the given time (60 s unless told). `package` builds the Debian
# package (build/package/*.deb) for a system-wide install under /usr and checks it with
# lintian. Installs missing Debian packages first.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${COURSE_BUILD_DIR:-$here/build}"
# The installation folder is named after the course; its title is set once, in CMakeLists.txt.
title="$(sed -n 's/^set(COURSE_TITLE "\(.*\)")$/\1/p' "$here/CMakeLists.txt")"
if [ -z "$title" ]; then
    echo "course.sh: no COURSE_TITLE in $here/CMakeLists.txt" >&2
    exit 2
fi
stage="$build/$title"
packages=(cmake g++ make pkg-config qt6-base-dev qt6-svg-dev qt6-charts-dev libjpeg-dev libgtest-dev libgmp-dev libginac-dev
          libeigen3-dev libboost-math-dev
          libchm-dev fp-utils fonts-liberation fontconfig clang-format)
fuzz_packages=(clang-14 libclang-rt-14-dev)
package_packages=(dpkg-dev lintian desktop-file-utils appstream)

install_missing() {
    local missing=()
    for p in "${packages[@]}" "$@"; do
        [ "$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null)" = "install ok installed" ] || missing+=("$p")
    done
    if ((${#missing[@]})); then
        local sudo=""
        [ "$(id -u)" -ne 0 ] && sudo="sudo"
        $sudo apt-get update -qq
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
    fi
}

# Optimised without debug information: the tests run at the speed of the installed programs and
# the build does not spend a fifth of its time writing debug records nobody reads.
build_course() {
    cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG"
    cmake --build "$build" -j "$(nproc)"
}

# The same build with the prefix of a system-wide install (the manual page names the installed
# folder), packed by CPack; the package's files are checked as they will be installed.
package_course() {
    cmake -S "$here" -B "$build" -DCMAKE_INSTALL_PREFIX=/usr
    build_course
    rm -f "$build"/package/*.deb
    (cd "$build" && cpack -G DEB)
    local deb
    deb="$(ls "$build"/package/*.deb)"
    local files
    files="$(mktemp -d)"
    dpkg-deb -x "$deb" "$files"
    desktop-file-validate "$files"/usr/share/applications/*.desktop
    appstreamcli validate --no-net "$files"/usr/share/metainfo/*.metainfo.xml
    rm -rf "$files"
    # Every tag is printed with its explanation; an error fails the command.
    lintian --info --fail-on error "$deb"
    echo "package: $deb"
}

# Every fault stops the test at once; leaks count as faults. The only leaks forgiven are the
# libraries' own one-time allocations listed (and explained) in the suppressions file.
sanitizer_environment() {
    export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:detect_stack_use_after_return=1:strict_string_checks=1:check_initialization_order=1"
    export LSAN_OPTIONS="suppressions=$here/tests/sanitizers/leak_suppressions.txt:print_suppressions=0"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
}

sanitize_course() {
    local dir="${COURSE_ASAN_BUILD_DIR:-$here/build-asan}"
    local flags="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
    sanitizer_environment
    # Line tables only (-g1): enough for the sanitizers' stack traces, quick to write.
    cmake -S "$here" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1" -DCMAKE_CXX_FLAGS="$flags" \
        -DCMAKE_EXE_LINKER_FLAGS="$flags" -DCMAKE_SHARED_LINKER_FLAGS="$flags"
    cmake --build "$dir" -j "$(nproc)"
    cd "$dir"
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)" --timeout 600
}

# The largest input each fuzz target is given: enough for every kind of header and record,
# small enough to keep thousands of runs a second.
fuzz_max_len() {
    case "$1" in
    picture_fuzz) echo 65536 ;;
    sitemap_fuzz | catalogue_fuzz) echo 8192 ;;
    chm_fuzz) echo 327680 ;;
    *) echo 4096 ;;
    esac
}

# Builds the normal course first: its installation folder holds the pictures and help file
# the seed corpora are taken from. A fault found leaves its input as crash-*/leak-* in
# build-fuzz/findings and fails the run.
fuzz_course() {
    local seconds="${1:-60}"
    local dir="${COURSE_FUZZ_BUILD_DIR:-$here/build-fuzz}"
    build_course
    cmake -S "$here" -B "$dir" -DCOURSE_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_COMPILER=clang++-14
    cmake --build "$dir" -j "$(nproc)"
    bash "$here/tests/fuzz/seed_corpora.sh" "$stage" "$here" "$dir/seeds"
    mkdir -p "$dir/findings"
    local failed=0 target
    for target in picture_fuzz chm_fuzz sitemap_fuzz catalogue_fuzz study_time_fuzz saved_place_fuzz; do
        mkdir -p "$dir/corpus/$target"
        echo "== $target: $seconds s"
        local dict=()
        [ -f "$here/tests/fuzz/$target.dict" ] && dict=("-dict=$here/tests/fuzz/$target.dict")
        if ! nice -n 10 "$dir/tests/fuzz/$target" -max_total_time="$seconds" -timeout=20 \
            -rss_limit_mb=2048 -max_len="$(fuzz_max_len "$target")" -print_final_stats=1 \
            -artifact_prefix="$dir/findings/$target-" "${dict[@]}" \
            "$dir/corpus/$target" "$dir/seeds/$target" 2>"$dir/findings/$target.log"; then
            failed=1
            tail -n 60 "$dir/findings/$target.log" >&2
        fi
        grep -E '^stat::number_of_executed_units|^stat::new_units_added' "$dir/findings/$target.log" || true
    done
    return "$failed"
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
    status=0
    (cd "$build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)" --timeout 600) ||
        status=$?
    # The sources must match .clang-format; a violation fails the test command as well.
    bash "$here/tools/check_format.sh" || status=1
    exit "$status"
    ;;
folder)
    echo "$stage" # where the build stages the installation
    ;;
sanitize)
    install_missing
    sanitize_course
    ;;
package)
    install_missing "${package_packages[@]}"
    package_course
    ;;
fuzz)
    install_missing "${fuzz_packages[@]}"
    fuzz_course "${2:-60}"
    ;;
*)
    echo "usage: $0 run|test|folder|sanitize|package|fuzz [seconds]" >&2
    exit 2
    ;;
esac
