#!/usr/bin/python3
"""The list of further functions worked from the keyboard while the real Orca screen reader runs.

Orca looks at every key before the program does: the toolkit holds each key press back until Orca has
answered, then delivers it again. This test starts Orca with speech-dispatcher (as orca_transcript.py does),
starts the calculator, and for three entries types the number, presses "function" with Ctrl+Space, goes to
the list with Shift+Tab, opens it with Down, moves to the function with Down and chooses it with Enter. After
each choice it checks the display: the function applied once.

Usage: orca_list_test.py PROGRAM
Exit status 0 when every choice showed its value, 77 (skipped) when Orca is not installed.
"""

import functools
import os
import shutil
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import desktop as session  # noqa: E402
from desktop import CheckFailed, Desktop, SetupError, descendants, end_on_termination, load_pyatspi  # noqa: E402
from orca_transcript import Speech  # noqa: E402

WAIT = 30  # seconds any one awaited state may take on a loaded machine
SKIP = 77

# entry, Down presses from "Secant" (where the "function" key leaves the list), the entry, the value shown.
CHOICES = [
    ("1", 8, "Hyperbolic Sine", "1.1752011936438"),
    ("30", 1, "Cosecant", "2"),
    ("0.5", 16, "Inverse Hyperbolic Tangent", "0.549306144334055"),
]


def wait_until(what, probe, timeout=WAIT):
    return session.wait_until(what, probe, timeout)


class ListTest:
    def __init__(self, desktop, pyatspi):
        self.desktop = desktop
        self.pyatspi = pyatspi
        self.window = None

    def find(self, matches):
        for node in descendants(self.window):
            if matches(node):
                return node
        return None

    def main_window(self):
        for window in self.desktop.application(self.pyatspi) or []:
            if window is not None and window.name == "Orbetta":
                return window
        return None

    def has(self, node, state):
        return node.getState().contains(state)

    def display(self):
        text = self.display_box.queryText()
        return text.getText(0, text.characterCount)

    def start(self):
        self.desktop.start_program()
        self.window = wait_until("the calculator's window on the accessibility bus", self.main_window)
        self.display_box = wait_until("the display", lambda: self.find(
            lambda n: n.getRoleName() == "text" and n.name == "display"))
        self.function_key = self.find(
            lambda n: n.getRoleName() == "push button" and n.name == "additional trigonometric functions")
        self.help_key = self.find(lambda n: n.getRoleName() == "push button" and n.name == "Help")
        self.combo = self.find(lambda n: n.getRoleName() == "combo box")
        equal = self.find(lambda n: n.getRoleName() == "push button" and n.name == "equal")
        wait_until("the equal key focused", lambda: self.has(equal, self.pyatspi.STATE_FOCUSED))

    def entries(self):
        for child in self.combo:
            if child is not None and child.getRoleName() == "list":
                return child
        return None

    def choose(self, entry, downs, name, value):
        focused = self.pyatspi.STATE_FOCUSED
        self.desktop.type_text(entry)
        wait_until(f"the display showing {entry}", lambda: self.display() == entry)
        self.function_key.queryComponent().grabFocus()
        wait_until("the 'function' key focused", lambda: self.has(self.function_key, focused))
        self.desktop.key("ctrl+space")
        wait_until("the list shown", lambda: self.has(self.combo, self.pyatspi.STATE_SHOWING))
        self.desktop.key("shift+Tab")
        wait_until("the list focused", lambda: self.has(self.combo, focused))
        self.desktop.key("Down")
        entries = wait_until("the list's entries", self.entries)
        wait_until("the drop-down open", lambda: self.has(entries, self.pyatspi.STATE_SHOWING))
        self.desktop.key(*["Down"] * downs)
        item = wait_until(f"the entry '{name}'", lambda: self.find_item(entries, name))
        wait_until(f"'{name}' selected", lambda: self.has(item, self.pyatspi.STATE_SELECTED))
        self.desktop.key("Return")
        wait_until("a result in the display", lambda: self.display() != entry)
        # Every key Orca holds back comes to the program in the order typed: once Tab has moved the focus from
        # "function" to "?", Enter has been handled to its end, however late it came.
        self.desktop.key("Tab")
        wait_until("the focus on the help key after Tab", lambda: self.has(self.help_key, focused))
        shown = self.display()
        if shown != value:
            raise CheckFailed(f"{name} of {entry}: the display shows {shown}, expected {value}")

    def find_item(self, entries, name):
        for item in entries:
            if item is not None and item.name == name:
                return item
        return None


def main():
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    if not shutil.which("orca") or not shutil.which("speech-dispatcher"):
        print("SKIP: orca or speech-dispatcher is not installed (scripts/install-deps --test)")
        return SKIP
    end_on_termination()
    started = time.monotonic()
    with Desktop(sys.argv[1]) as desktop:
        pyatspi = load_pyatspi()

        speech = Speech(desktop)
        speech.start_orca()
        if not speech.wait_for("Screen reader on", 90):
            raise SetupError("Orca did not start speaking within 90 s\n" + desktop.child_log("orca"))
        test = ListTest(desktop, pyatspi)
        test.start()
        checks = [(f"{name} of {entry} shows {value}", functools.partial(test.choose, entry, downs, name, value))
                  for entry, downs, name, value in CHOICES]
        # A drop-down left open closes; the next entry starts afresh.
        failures = session.run_checks(checks, recover=lambda: desktop.key("Escape", "c"))
        if failures:
            print("program output (end):\n" + "\n".join(desktop.child_log("orbetta").splitlines()[-20:]))
    print(f"{len(CHOICES) - len(failures)} of {len(CHOICES)} list choices right with Orca running, "
          f"in {time.monotonic() - started:.1f} s")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
