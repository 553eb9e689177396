#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_missing "${BUILD_PACKAGES[@]}"
build_program
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "Nessuno schermo grafico: avvia il programma dal desktop (build/tabella)." >&2
    exit 1
fi
exec "$BUILD/tabella" "$@"
