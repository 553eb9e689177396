# Shared by run.sh and test.sh: installs the Debian packages that are missing and builds the
# program into build/. Sourced, not run.

set -euo pipefail

TOP="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="$TOP/build"

# What building and running the program needs, and what its tests need besides.
# fonts-liberation gives Arial's metrics, fonts-urw-base35 the Courier the page is printed in.
BUILD_PACKAGES=(g++ cmake ninja-build qt6-base-dev qt6-svg-dev libgl-dev libcups2-dev
                libxkbcommon-dev libxkbcommon-x11-dev libxcb1-dev
                fonts-liberation fonts-urw-base35 fonts-dejavu-core)
# What CPack needs to build the package and find the libraries the program links
# (dpkg-shlibdeps, file).
PACKAGE_PACKAGES=(dpkg-dev file)
# The tests besides: a private print server and pdftotext to read the pages back, with CUPS's
# own PostScript driver (cups, cups-ppdc, cups-filters) and Ghostscript to read its output; the
# package's checks (desktop-file-validate, appstreamcli); a virtual display with a window
# manager and an accessibility bus for the tests of the real program, and the tools that send
# it real keys and switch layouts and the desktop's keyboard aids.
TEST_PACKAGES=("${PACKAGE_PACKAGES[@]}" cups-daemon cups-client poppler-utils
               cups cups-ppdc cups-filters ghostscript
               desktop-file-utils appstream xvfb dbus-x11 at-spi2-core python3-pyatspi openbox
               wmctrl xdotool x11-xkb-utils xkbset x11-xserver-utils)

install_missing() {
    local missing=() pkg
    for pkg in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installo i pacchetti mancanti: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
}

build_program() {
    local type="${1:-RelWithDebInfo}"
    if [ ! -f "$BUILD/CMakeCache.txt" ]; then
        cmake -S "$TOP" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE="$type"
    fi
    cmake --build "$BUILD" --parallel 2
}
