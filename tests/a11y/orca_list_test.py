#!/usr/bin/python3
"""The calculator worked from the keyboard while the real Orca screen reader speaks through espeak-ng in real
time, as on a desktop (speech-dispatcher playing into a PulseAudio null sink, as orca_transcript.py --espeak
does).

The list of further functions: Orca looks at every key before the program does: the toolkit holds each key
press back until Orca has answered, then delivers it again. For three entries the test types the number,
presses "function" with Ctrl+Space, which puts the focus in the list, opens it with Down, moves to the function
with Down and chooses it with Enter. After each choice it checks the display: the function applied once.

A result after a window closes: for the root, the power, the random number, a message box and a line recalled
from the tape, the window is closed with Enter and a user who does not wait presses the next key 1.5 s after the screen
reader echoed the Enter (the pause is the user's, part of what is tested, not a wait for the program). The result must have been played
to its end by then, as the playback's own marks tell.

Usage: orca_list_test.py PROGRAM
Exit status 0 when every check passed, 77 (skipped) when Orca, espeak-ng's speech module or PulseAudio is not
installed.
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
ESPEAK_MODULE = "/usr/lib/speech-dispatcher-modules/sd_espeak-ng"
SKIP = 77

# The user's pause between the Enter that closes a window and the next key.
USER_PAUSE = 1.5

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


class ResultTest:
    """A window closed with Enter, the next key 1.5 s later: the result told must have been played to its
    end."""

    def __init__(self, list_test, speech):
        self.t = list_test
        self.desktop = list_test.desktop
        self.speech = speech

    def active_window(self, name, role=None):
        for window in self.desktop.application(self.t.pyatspi) or []:
            if (window is not None and window.name == name and (role is None or window.getRoleName() == role)
                    and self.t.has(window, self.t.pyatspi.STATE_ACTIVE)):
                return window
        return None

    def showing_window(self, name):
        return any(window is not None and window.name == name and self.t.has(window, self.t.pyatspi.STATE_SHOWING)
                   for window in self.desktop.application(self.t.pyatspi) or [])

    def start_afresh(self):
        self.desktop.key("c")
        wait_until("an empty display", lambda: self.t.display() == "")

    def two_value(self, chord, caption, x, y):
        def opened():
            self.start_afresh()
            self.desktop.key(chord)
            dialog = wait_until(f"the dialog '{caption}' active", lambda: self.active_window(caption))
            self.desktop.type_text(x)
            self.desktop.key("Tab")
            self.desktop.type_text(y)
            boxes = [n for n in descendants(dialog) if n.getRoleName() in ("text", "entry")]
            wait_until("both values typed", lambda: [b.queryText().getText(0, -1) for b in boxes] == [x, y])
            return y[-1]
        return opened

    def message_box(self):
        self.start_afresh()
        self.desktop.type_text("1/0=")
        wait_until("the message box", lambda: self.active_window("Orbetta", "alert"))
        return "can't divide by 0!"

    def tape_line(self):
        self.start_afresh()
        self.desktop.type_text("7*6=")
        wait_until("42 in the display", lambda: self.t.display() == "42")
        self.start_afresh()
        if self.showing_window("Orbetta Tape"):  # left open behind the calculator by a try before
            self.desktop.key("ctrl+t")
            wait_until("the tape window closed", lambda: not self.showing_window("Orbetta Tape"))
        self.desktop.key("ctrl+t")
        tape = wait_until("the tape window active", lambda: self.active_window("Orbetta Tape"))
        self.desktop.key("Up")
        text = wait_until("the tape's text", lambda: self.t.pyatspi.findDescendant(
            tape, lambda n: n.getRoleName().startswith("document")))
        text = text.queryText()
        wait_until("the caret on '= 42'", lambda: text.getTextAtOffset(
            text.caretOffset, self.t.pyatspi.TEXT_BOUNDARY_LINE_START)[0].strip() == "= 42")
        return "= 42"

    def describe(self, u):
        """An utterance with its fate and when it played, in seconds after Enter."""
        if u.began is None:
            return f"{u.text.strip()} ({u.fate})"
        ended = f"{u.ended - self.enter_time:.1f}" if u.ended is not None else ""
        return f"{u.text.strip()} ({u.fate} {u.began - self.enter_time:.1f}-{ended} s)"

    def quiet(self, last, since):
        """The screen reader has spoken the last thing done (last, in an utterance after since), everything said
        has been played or cut, and nothing new came for half a second: the user has heard what they did
        before pressing Enter."""
        wait_until(f"'{last}' spoken", lambda: any(last in u.text for u in self.speech.fates()[since:]))
        state = {"count": -1, "since": time.monotonic()}

        def settled():
            fates = self.speech.fates()
            if len(fates) != state["count"] or any(u.fate == "?" for u in fates):
                state["count"], state["since"] = len(fates), time.monotonic()
                return False
            return time.monotonic() - state["since"] >= 0.5

        wait_until("the speech quiet", settled)

    def check(self, name, prepare, result):
        since = len(self.speech.fates())
        last = prepare()
        self.quiet(last, since)
        before = len(self.speech.fates())
        self.desktop.key("Return")
        self.enter_time = seconds_today()
        wait_until(f"{result} in the display", lambda: self.t.display() == result)
        # The pause runs from when the screen reader took the Enter (its echo began): on a loaded machine the
        # screen reader's own delay in taking keys is no part of what the program makes the user wait for.
        try:
            echo = wait_until("the echo of Enter", lambda: [
                u for u in self.speech.fates()[before:] if u.text.strip() == "return" and u.began is not None])
            self.enter_time = echo[0].began
        except CheckFailed:
            pass  # no key echo: the pause runs from the key press
        while seconds_today() < self.enter_time + USER_PAUSE:  # the user's pause
            time.sleep(0.01)
        self.desktop.key("plus")
        self.key_time = seconds_today()
        try:
            told = wait_until(f"'{result}' spoken and its fate known", lambda: [
                u for u in self.speech.fates()[before:] if u.text.strip().rstrip(".") == result and u.fate != "?"])
        except CheckFailed as failure:
            told = None
            missing = failure
        heard = " | ".join(self.describe(u) for u in self.speech.fates()[before:])
        if told is None:
            raise CheckFailed(f"{name}: {missing}; heard: {heard}")
        if told[0].began is not None and told[0].began - self.enter_time > 1.0:
            raise CheckFailed(f"{name}: '{result}' began {told[0].began - self.enter_time:.1f} s after Enter; heard: "
                              f"{heard}")
        if told[0].fate != "end":
            raise CheckFailed(f"{name}: '{result}' was cut by the key {USER_PAUSE} s after Enter; heard: {heard}")
        return heard


# What closes with Enter, how it is brought up, and the result told after it.
def seconds_today():
    now = time.time()
    local = time.localtime(now)
    return local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec + now % 1


RESULTS = [
    ("root", lambda r: r.two_value("alt+y", "y root of x", "8", "3"), "2"),
    ("power", lambda r: r.two_value("alt+p", "x to the power of y", "2", "3"), "8"),
    ("random", lambda r: r.two_value("alt+d", "random number", "5", "7"), "6"),
    ("message box", lambda r: r.message_box, "0"),
    ("tape recall", lambda r: r.tape_line, "42"),
]

def main():
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    needed = ["orca", "speech-dispatcher", "pulseaudio", "espeak-ng"]
    if not all(shutil.which(tool) for tool in needed) or not os.path.exists(ESPEAK_MODULE):
        print("SKIP: orca, speech-dispatcher, its espeak-ng module or pulseaudio is not installed "
              "(scripts/install-deps --test)")
        return SKIP
    end_on_termination()
    started = time.monotonic()
    failures = []
    with Desktop(sys.argv[1]) as desktop:
        pyatspi = load_pyatspi()

        speech = Speech(desktop, espeak=True)
        speech.start_orca()
        if not speech.wait_for("Screen reader on", 90):
            raise SetupError("Orca did not start speaking within 90 s\n" + desktop.child_log("orca"))
        test = ListTest(desktop, pyatspi)
        test.start()
        results = ResultTest(test, speech)
        for name, prepare, result in RESULTS:
            try:
                heard = results.check(name, prepare(results), result)
                print(f"PASS  {name}: {result} played to its end; heard {heard}", flush=True)
            except CheckFailed as failure:
                desktop.key("Escape", "Escape")
                failures.append(name)
                print(f"FAIL  {failure}", flush=True)
        results.start_afresh()
        choices = [(f"{name} of {entry} shows {value}", functools.partial(test.choose, entry, downs, name, value))
                   for entry, downs, name, value in CHOICES]
        # A drop-down left open closes; the next entry starts afresh.
        failures += session.run_checks(choices, recover=lambda: desktop.key("Escape", "c"))
        if failures:
            print("program output (end):\n" + "\n".join(desktop.child_log("orbetta").splitlines()[-20:]))
    checks = len(CHOICES) + len(RESULTS)
    print(f"{checks - len(failures)} of {checks} checks passed with Orca speaking, "
          f"in {time.monotonic() - started:.1f} s")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
