#!/usr/bin/env bash
# Installs what is missing, builds the program and runs every test, headless; then builds it
# again with AddressSanitizer and UndefinedBehaviorSanitizer (build-asan/) and runs the tests
# there too. TABELLA_SANITIZE=0 skips the second pass.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_missing "${BUILD_PACKAGES[@]}" ${TEST_PACKAGES[@]+"${TEST_PACKAGES[@]}"}
build_program
export QT_QPA_PLATFORM=offscreen
(cd "$BUILD" && ctest --output-on-failure --parallel 2 "$@")

if [ "${TABELLA_SANITIZE:-1}" != 0 ]; then
    ASAN="$TOP/build-asan"
    if [ ! -f "$ASAN/CMakeCache.txt" ]; then
        cmake -S "$TOP" -B "$ASAN" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTABELLA_SANITIZE=ON
    fi
    cmake --build "$ASAN" --parallel 2
    # The package and the assistive-tool checks are about files and the desktop, not memory.
    (cd "$ASAN" && ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 \
        LSAN_OPTIONS="suppressions=$TOP/tests/lsan.supp" \
        UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        ctest --output-on-failure --parallel 2 -E "accessibilita|pacchetto" "$@")
fi
