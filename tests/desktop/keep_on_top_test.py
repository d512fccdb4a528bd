"""Always on top under a real window manager: the display's menu item gives the calculator's window the
window manager's "above" state, the choice is stored in orbetta.ini beside the colour, and the next start has the
window above again. Runs the program built here on a private X server with openbox (the desktop of
tests/a11y/desktop.py).

Usage: keep_on_top_test.py PROGRAM
"""

import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "a11y"))
from desktop import Desktop  # noqa: E402

ABOVE = "_NET_WM_STATE_ABOVE"


def run(desktop, *argv):
    done = subprocess.run(argv, env=desktop.env, capture_output=True, text=True, timeout=20)
    return done.stdout if done.returncode == 0 else ""


def main_window(desktop):
    """The calculator's window, once it is shown."""
    found = desktop.poll("the calculator's window shows", 20,
                         lambda: run(desktop, "xdotool", "search", "--onlyvisible", "--name", "^Orbetta$").split())
    return found[0]


def state(desktop, window):
    return run(desktop, "xprop", "-id", window, "_NET_WM_STATE")


def choose_always_on_top(desktop, window):
    # The right mouse button on the display opens its menu; the underlined letter chooses the item.
    run(desktop, "xdotool", "mousemove", "--window", window, "90", "20", "click", "3")
    desktop.poll("the display's menu opens", 20,
                 lambda: run(desktop, "xdotool", "search", "--onlyvisible", "--class", "orbetta").split() != [window])
    desktop.key("a")


def main():
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    with Desktop(sys.argv[1]) as desktop:
        settings = os.path.join(desktop.env["XDG_CONFIG_HOME"], "orbetta.ini")
        with open(settings, "w") as f:
            f.write("[Settings]\nOption4=255\n")

        desktop.start_program()
        window = main_window(desktop)
        assert ABOVE not in state(desktop, window), state(desktop, window)
        choose_always_on_top(desktop, window)
        desktop.poll("the window is above the others", 20, lambda: ABOVE in state(desktop, window))
        with open(settings) as f:
            assert f.read() == "[Settings]\nOption4=255\nAlwaysOnTop=1\n"
        print("PASS  the menu item puts the window above the others and stores the choice", flush=True)

        desktop.stop_program()
        desktop.start_program()
        window = main_window(desktop)
        desktop.poll("the window is above the others after a restart", 20, lambda: ABOVE in state(desktop, window))
        print("PASS  the next start has the window above again", flush=True)

        choose_always_on_top(desktop, window)
        desktop.poll("the window lets go", 20, lambda: ABOVE not in state(desktop, window))
        with open(settings) as f:
            assert f.read() == "[Settings]\nOption4=255\nAlwaysOnTop=0\n"
        print("PASS  choosing it again lets the window go", flush=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
