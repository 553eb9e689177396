#!/usr/bin/env bash
# Builds the Debian package of the program into build-package/ (a Release build of its own).
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_missing "${BUILD_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}"
BUILD="$TOP/build-package"
build_program Release
cd "$BUILD"
cpack -G DEB
ls -1 "$BUILD"/*.deb
