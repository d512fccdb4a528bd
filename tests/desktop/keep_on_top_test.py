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
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "a11y"))
from desktop import CheckFailed, Desktop, end_on_termination, run_checks, wait_until  # noqa: E402

ABOVE = "_NET_WM_STATE_ABOVE"


def expect(condition, what):
    if not condition:
        raise CheckFailed(what)


def main_window(desktop):
    """The calculator's window, once it is shown."""
    found = desktop.poll("the calculator's window shows", 20,
                         lambda: desktop.run("xdotool", "search", "--onlyvisible", "--name", "^Orbetta$").split())
    return found[0]


def state(desktop, window):
    return desktop.run("xprop", "-id", window, "_NET_WM_STATE")


def place(desktop, window):
    """Where the window's inside is on the screen, once the window manager has framed it."""
    desktop.poll("the window is framed", 20, lambda: "Absolute" in desktop.run("xwininfo", "-id", window))
    lines = desktop.run("xwininfo", "-id", window).splitlines()
    return tuple(line.split(":")[1].strip() for line in lines if "Absolute upper-left" in line)


def open_menu(desktop, window):
    # The right mouse button on the display opens its menu.
    desktop.run("xdotool", "mousemove", "--window", window, "90", "20", "click", "3")
    desktop.poll("the display's menu opens", 20,
                 lambda: desktop.run("xdotool", "search", "--onlyvisible", "--class", "orbetta").split() != [window])


def choose_always_on_top(desktop, window):
    open_menu(desktop, window)
    desktop.key("a")  # the underlined letter chooses the item


def settings_text(settings):
    with open(settings) as f:
        return f.read()


def stored(settings, text):
    """The settings file holds text once the program has written it, which may be after the window manager
    has taken the window's new state."""
    wait_until(f"the settings file holds {text!r}", lambda: settings_text(settings) == text, 20)


def kept_and_followed(window_manager):
    with Desktop(sys.argv[1], window_manager=window_manager) as desktop:
        settings = os.path.join(desktop.env["XDG_CONFIG_HOME"], "orbetta.ini")
        with open(settings, "w") as f:
            f.write("[Settings]\nOption4=255\n")
        window = None
        unkept = None

        def menu_keeps_on_top():
            nonlocal window, unkept
            desktop.start_program()
            window = main_window(desktop)
            unkept = place(desktop, window)
            expect(ABOVE not in state(desktop, window), state(desktop, window))
            choose_always_on_top(desktop, window)
            desktop.poll("the window is above the others", 20, lambda: ABOVE in state(desktop, window))
            stored(settings, "[Settings]\nOption4=255\nAlwaysOnTop=1\n")

        def kept_after_restart():
            nonlocal window
            desktop.stop_program()
            desktop.start_program()
            window = main_window(desktop)
            desktop.poll("the window is above the others after a restart", 20,
                         lambda: ABOVE in state(desktop, window))
            expect(place(desktop, window) == unkept, (place(desktop, window), unkept))

        def window_manager_lets_go():
            # The window manager lets the window go, as its own menu does; the program takes its word for it.
            desktop.run("wmctrl", "-i", "-r", window, "-b", "remove,above")
            desktop.poll("the window manager lets the window go", 20, lambda: ABOVE not in state(desktop, window))
            desktop.poll("the file follows", 20,
                         lambda: settings_text(settings) == "[Settings]\nOption4=255\nAlwaysOnTop=0\n")
            # The tick followed: choosing the item now keeps the window on top again.
            choose_always_on_top(desktop, window)
            desktop.poll("the window is above the others again", 20, lambda: ABOVE in state(desktop, window))
            wait_until("the file follows the choice", lambda: settings_text(settings).endswith("AlwaysOnTop=1\n"), 20)

        def chosen_again_lets_go():
            choose_always_on_top(desktop, window)
            desktop.poll("the window lets go", 20, lambda: ABOVE not in state(desktop, window))
            stored(settings, "[Settings]\nOption4=255\nAlwaysOnTop=0\n")

        return run_checks([
            (f"{window_manager}: the menu item puts the window above the others and stores the choice",
             menu_keeps_on_top),
            (f"{window_manager}: the next start has the window above again, where it starts without it",
             kept_after_restart),
            (f"{window_manager}: when the window manager lets the window go, the tick and the file follow",
             window_manager_lets_go),
            (f"{window_manager}: choosing it again lets the window go", chosen_again_lets_go),
        ])


def under_westons_xwayland():
    with Desktop(sys.argv[1], window_manager="weston") as desktop:
        settings = os.path.join(desktop.env["XDG_CONFIG_HOME"], "orbetta.ini")
        # ALSA writes what would reach the sound card into a file.
        sound = os.path.join(desktop.env["HOME"], "sound.raw")
        window = None

        def bell_sounds():
            nonlocal window
            supported = desktop.run("xprop", "-root", "_NET_SUPPORTED")
            expect("_NET_WM_STATE" in supported and ABOVE not in supported, supported)
            with open(settings, "w") as f:
                f.write("[Settings]\nOption4=255\n")
            with open(os.path.join(desktop.env["HOME"], ".asoundrc"), "w") as f:
                f.write('pcm.!default { type file; slave.pcm { type null }; file "%s"; format "raw" }\n' % sound)
            desktop.start_program()
            window = main_window(desktop)
            # weston's window manager drops the X bell: a refused key plays the desktop's bell sound instead.
            desktop.run("xdotool", "windowactivate", "--sync", window)
            desktop.key("a")
            desktop.poll("the bell's sound plays", 20, lambda: os.path.exists(sound) and os.path.getsize(sound) > 0)

        def menu_without_the_item():
            open_menu(desktop, window)
            desktop.key("a")  # no item takes the letter
            desktop.key("Escape")
            desktop.stop_program()
            expect(settings_text(settings) == "[Settings]\nOption4=255\n", settings_text(settings))

        return run_checks([
            ("weston's XWayland: a refused key sounds though weston drops the X bell", bell_sounds),
            ("weston's XWayland: the menu does not offer Always on top", menu_without_the_item),
        ])


def main():
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    end_on_termination()
    failures = kept_and_followed("openbox") + kept_and_followed("xfwm4") + under_westons_xwayland()
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
