#!/usr/bin/env bash
# Starts the real program in a virtual X server, finds its window by caption,
# closes it the way a window manager would, and expects the program to end.
# Usage: smoke_xvfb.sh PATH_TO_PROGRAM
set -u
program=${1:?program path}
caption='Mechanický nelineárny systém'

for tool in xvfb-run xdotool timeout python3; do
    command -v "$tool" >/dev/null || { echo "smoke_xvfb: $tool is not installed" >&2; exit 1; }
done
[ -x "$program" ] || { echo "smoke_xvfb: no program at $program" >&2; exit 1; }

export program caption
exec timeout 60 xvfb-run -a -s "-screen 0 1600x1000x24" bash -c '
    unset QT_QPA_PLATFORM
    "$program" & pid=$!
    # The window appears once the message loop runs; give it up to 20 s.
    window=$(timeout 20 xdotool search --sync --name "^${caption}\$" | head -n 1)
    if [ -z "$window" ]; then
        echo "smoke_xvfb: no window captioned \"$caption\" appeared" >&2
        kill "$pid" 2>/dev/null; exit 1
    fi
    name=$(xdotool getwindowname "$window")
    [ "$name" = "$caption" ] || { echo "smoke_xvfb: caption is \"$name\"" >&2; kill "$pid"; exit 1; }
    # No window manager runs here: send WM_DELETE_WINDOW as one would when
    # the user clicks the close box (this xdotool has no windowclose).
    python3 - "$window" <<"PY" || { echo "smoke_xvfb: could not send WM_DELETE_WINDOW" >&2; kill "$pid"; exit 1; }
import ctypes, sys
x = ctypes.CDLL("libX11.so.6")
x.XOpenDisplay.restype = ctypes.c_void_p
x.XOpenDisplay.argtypes = [ctypes.c_char_p]
x.XInternAtom.restype = ctypes.c_ulong
x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.c_void_p]
x.XFlush.argtypes = [ctypes.c_void_p]
x.XCloseDisplay.argtypes = [ctypes.c_void_p]

class ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong),
                ("message_type", ctypes.c_ulong), ("format", ctypes.c_int),
                ("l", ctypes.c_long * 5), ("pad", ctypes.c_long * 12)]

d = x.XOpenDisplay(None)
if not d:
    sys.exit(1)
e = ClientMessage()
e.type = 33  # ClientMessage
e.window = int(sys.argv[1])
e.message_type = x.XInternAtom(d, b"WM_PROTOCOLS", 0)
e.format = 32
e.l[0] = x.XInternAtom(d, b"WM_DELETE_WINDOW", 0)
e.l[1] = 0  # CurrentTime
if not x.XSendEvent(d, e.window, 0, 0, ctypes.byref(e)):
    sys.exit(1)
x.XFlush(d)
x.XCloseDisplay(d)
PY
    for _ in $(seq 100); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$pid" 2>/dev/null; then
        echo "smoke_xvfb: program still running 10 s after its window was closed" >&2
        kill "$pid"; exit 1
    fi
    wait "$pid"; status=$?
    [ "$status" -eq 0 ] || { echo "smoke_xvfb: program exited with status $status" >&2; exit 1; }
    echo "smoke_xvfb: window \"$caption\" found and closed; program ended with 0"
'
