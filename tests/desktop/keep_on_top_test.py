"""Always on top under real window managers. Under openbox and xfwm4: the display's menu item gives the
calculator's window the window manager's "above" state, the choice is stored in orbetta.ini beside the colour, the
next start has the window above again and at the place it has without it, and when the window manager itself
lets the window go, the menu's tick and the file follow. Under weston's XWayland window manager, which does not
support the state, the menu does not offer it; as weston drops the X bell there, a refused key plays the desktop's
bell sound instead. Runs the program built here on a private X server (the desktop of
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


def place(desktop, window):
    """Where the window's inside is on the screen, once the window manager has framed it."""
    desktop.poll("the window is framed", 20, lambda: "Absolute" in run(desktop, "xwininfo", "-id", window))
    lines = run(desktop, "xwininfo", "-id", window).splitlines()
    return tuple(line.split(":")[1].strip() for line in lines if "Absolute upper-left" in line)


def open_menu(desktop, window):
    # The right mouse button on the display opens its menu.
    run(desktop, "xdotool", "mousemove", "--window", window, "90", "20", "click", "3")
    desktop.poll("the display's menu opens", 20,
                 lambda: run(desktop, "xdotool", "search", "--onlyvisible", "--class", "orbetta").split() != [window])


def choose_always_on_top(desktop, window):
    open_menu(desktop, window)
    desktop.key("a")  # the underlined letter chooses the item


def settings_text(settings):
    with open(settings) as f:
        return f.read()


def kept_and_followed(window_manager):
    with Desktop(sys.argv[1], window_manager=window_manager) as desktop:
        settings = os.path.join(desktop.env["XDG_CONFIG_HOME"], "orbetta.ini")
        with open(settings, "w") as f:
            f.write("[Settings]\nOption4=255\n")

        desktop.start_program()
        window = main_window(desktop)
        unkept = place(desktop, window)
        assert ABOVE not in state(desktop, window), state(desktop, window)
        choose_always_on_top(desktop, window)
        desktop.poll("the window is above the others", 20, lambda: ABOVE in state(desktop, window))
        assert settings_text(settings) == "[Settings]\nOption4=255\nAlwaysOnTop=1\n", settings_text(settings)
        print(f"PASS  {window_manager}: the menu item puts the window above the others and stores the choice",
              flush=True)

        desktop.stop_program()
        desktop.start_program()
        window = main_window(desktop)
        desktop.poll("the window is above the others after a restart", 20, lambda: ABOVE in state(desktop, window))
        assert place(desktop, window) == unkept, (place(desktop, window), unkept)
        print(f"PASS  {window_manager}: the next start has the window above again, where it starts without it",
              flush=True)

        # The window manager lets the window go, as its own menu does; the program takes its word for it.
        run(desktop, "wmctrl", "-i", "-r", window, "-b", "remove,above")
        desktop.poll("the window manager lets the window go", 20, lambda: ABOVE not in state(desktop, window))
        desktop.poll("the file follows", 20,
                     lambda: settings_text(settings) == "[Settings]\nOption4=255\nAlwaysOnTop=0\n")
        # The tick followed: choosing the item now keeps the window on top again.
        choose_always_on_top(desktop, window)
        desktop.poll("the window is above the others again", 20, lambda: ABOVE in state(desktop, window))
        assert settings_text(settings).endswith("AlwaysOnTop=1\n"), settings_text(settings)
        print(f"PASS  {window_manager}: when the window manager lets the window go, the tick and the file follow",
              flush=True)

        choose_always_on_top(desktop, window)
        desktop.poll("the window lets go", 20, lambda: ABOVE not in state(desktop, window))
        assert settings_text(settings) == "[Settings]\nOption4=255\nAlwaysOnTop=0\n", settings_text(settings)
        print(f"PASS  {window_manager}: choosing it again lets the window go", flush=True)


def under_westons_xwayland():
    with Desktop(sys.argv[1], window_manager="weston") as desktop:
        supported = run(desktop, "xprop", "-root", "_NET_SUPPORTED")
        assert "_NET_WM_STATE" in supported and ABOVE not in supported, supported
        settings = os.path.join(desktop.env["XDG_CONFIG_HOME"], "orbetta.ini")
        with open(settings, "w") as f:
            f.write("[Settings]\nOption4=255\n")
        # ALSA writes what would reach the sound card into a file.
        sound = os.path.join(desktop.env["HOME"], "sound.raw")
        with open(os.path.join(desktop.env["HOME"], ".asoundrc"), "w") as f:
            f.write('pcm.!default { type file; slave.pcm { type null }; file "%s"; format "raw" }\n' % sound)
        desktop.start_program()
        window = main_window(desktop)

        # weston's window manager drops the X bell: a refused key plays the desktop's bell sound instead.
        run(desktop, "xdotool", "windowactivate", "--sync", window)
        desktop.key("a")
        desktop.poll("the bell's sound plays", 20, lambda: os.path.exists(sound) and os.path.getsize(sound) > 0)
        print("PASS  weston's XWayland: a refused key sounds though weston drops the X bell", flush=True)

        open_menu(desktop, window)
        desktop.key("a")  # no item takes the letter
        desktop.key("Escape")
        desktop.stop_program()
        assert settings_text(settings) == "[Settings]\nOption4=255\n", settings_text(settings)
        print("PASS  weston's XWayland: the menu does not offer Always on top", flush=True)


def main():
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    kept_and_followed("openbox")
    kept_and_followed("xfwm4")
    under_westons_xwayland()
    return 0


if __name__ == "__main__":
    sys.exit(main())
