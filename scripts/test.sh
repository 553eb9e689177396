#!/usr/bin/env bash
# Installs what is missing, builds the program and runs every test, headless.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_missing "${BUILD_PACKAGES[@]}" ${TEST_PACKAGES[@]+"${TEST_PACKAGES[@]}"}
build_program
export QT_QPA_PLATFORM=offscreen
cd "$BUILD"
ctest --output-on-failure --parallel 2 "$@"
