#!/usr/bin/env bash
# Runs the real program under Xvfb with a window manager and an accessibility bus, then a
# check that drives it as a user and an assistive tool would: atspi.sh PROGRAM [CHECK.py].
# Exits 77 (skipped) when there is no virtual X server to be had.
set -euo pipefail
program="$1"
here="$(cd "$(dirname "$0")" && pwd)"
check="${2:-$here/atspi.py}"
if ! command -v Xvfb >/dev/null; then
    echo "Xvfb non c'è: la prova sul server X reale è saltata" >&2
    exit 77
fi
for tool in dbus-launch /usr/bin/python3 openbox wmctrl xdotool setxkbmap xkbset xset; do
    command -v "$tool" >/dev/null || { echo "manca $tool" >&2; exit 1; }
done
launcher=/usr/libexec/at-spi-bus-launcher
[ -x "$launcher" ] || { echo "manca $launcher" >&2; exit 1; }

work="$(mktemp -d)"
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    [ -n "${DBUS_SESSION_BUS_PID:-}" ] && kill "$DBUS_SESSION_BUS_PID" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

exec 5>"$work/display"
Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n 1 "$work/display")"
for _ in $(seq 100); do xset q >/dev/null 2>&1 && break; sleep 0.1; done
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
eval "$(dbus-launch --sh-syntax)"
"$launcher" --launch-immediately >/dev/null 2>&1 &
pids+=($!)
# A desktop that offers a global menu bar, as KDE Plasma and Unity do: the program's menus
# must stay in its own windows all the same.
/usr/bin/python3 -c '
import sys
from gi.repository import Gio, GLib
Gio.bus_own_name(Gio.BusType.SESSION, "com.canonical.AppMenu.Registrar",
                 Gio.BusNameOwnerFlags.NONE, None, lambda *a: open(sys.argv[1], "w").close(),
                 None)
GLib.MainLoop().run()' "$work/registrar" &
pids+=($!)
for _ in $(seq 50); do [ -e "$work/registrar" ] && break; sleep 0.1; done
[ -e "$work/registrar" ] || { echo "il servizio del menu globale non parte" >&2; exit 1; }
# The window manager, started again if it could not reach the display the first time.
for _ in 1 2 3; do
    openbox >>"$work/openbox.log" 2>&1 &
    pids+=($!)
    for _ in $(seq 50); do wmctrl -m >/dev/null 2>&1 && break 2; sleep 0.1; done
done
wmctrl -m >/dev/null 2>&1 || { cat "$work/openbox.log" >&2; echo "il window manager non parte" >&2; exit 1; }
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 XDG_RUNTIME_DIR="$work"
(cd "$work" && exec "$program") >"$work/program.log" 2>&1 &
pids+=($!)
timeout 90 /usr/bin/python3 "$check" || { cat "$work/program.log" "$work/openbox.log" >&2; exit 1; }
