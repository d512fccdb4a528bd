#!/usr/bin/python3
"""The calculator as a screen reader meets it: on a private desktop, this client listens to the program's
accessibility events over AT-SPI, as a screen reader does, while real key presses and AT-SPI actions work the
calculator. It checks that keys are named when they take the focus inside a window that a screen reader
follows, that results are announced once each (and digits not at all), that a message box is told before the
restored display, that the two-value dialog's boxes carry their prompts and are read whole, that the function
keys can be pressed from the keyboard and by their accessible action, that F1 opens a help document that
takes the focus, and that Ctrl+T opens the tape, a document read by line.

Usage: screen_reader_test.py PROGRAM
Exit status 0 when every check passed. ORBETTA_A11Y_VERBOSE=1 prints every event received.
"""

import os
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop import CheckFailed, Desktop, descendants, end_on_termination, load_pyatspi, run_checks  # noqa: E402
from desktop import safe as _safe  # noqa: E402

WAIT = 20  # seconds any one expected event may take
VERBOSE = bool(os.environ.get("ORBETTA_A11Y_VERBOSE"))

# What a screen reader listens to.
EVENT_TYPES = [
    "object:state-changed:focused",
    "object:state-changed:showing",
    "object:property-change:accessible-name",
    "window:activate",
    "window:deactivate",
]
TOP_LEVEL_ROLES = ("window", "dialog", "alert", "frame")


class Event:
    """An event as received, with what a screen reader reads from its source at that moment."""

    def __init__(self, index, raw):
        self.index = index
        self.type = raw.type
        self.detail1 = raw.detail1
        self.source = raw.source
        self.name = _safe(lambda: raw.source.name, "")
        self.role = _safe(lambda: raw.source.getRoleName(), "")
        self.chain = []  # (role, name) of each ancestor up to the application, nearest first
        if self.type.startswith("object:state-changed:focused") and self.detail1:
            self.chain = ancestors(raw.source)

    @property
    def is_announcement(self):
        return self.type.startswith("object:state-changed:showing") and self.detail1 and self.role == "notification"

    @property
    def is_focus(self):
        return self.type.startswith("object:state-changed:focused") and self.detail1 == 1

    def __str__(self):
        text = f"#{self.index} {self.type} [{self.role} | {self.name}] {self.detail1}"
        if self.chain:
            text += " in " + " < ".join(f"{r} '{n}'" for r, n in self.chain)
        return text


def ancestors(accessible):
    chain = []
    node = _safe(lambda: accessible.parent, None)
    while node is not None and len(chain) < 30:
        role = _safe(lambda: node.getRoleName(), "")
        if role in ("application", "desktop frame", ""):
            break
        chain.append((role, _safe(lambda: node.name, "")))
        node = _safe(lambda: node.parent, None)
    return chain


def top_level(accessible):
    node = accessible
    while node is not None:
        role = _safe(lambda: node.getRoleName(), "")
        if role in TOP_LEVEL_ROLES:
            return node
        if role in ("application", "desktop frame", ""):
            return None
        node = _safe(lambda: node.parent, None)
    return None


class Listener:
    def __init__(self, pyatspi, glib):
        self.pyatspi = pyatspi
        self.context = glib.MainContext.default()
        glib.timeout_add(50, lambda: True)  # wakes the loop so that deadlines are seen
        self.events = []
        for event_type in EVENT_TYPES:
            pyatspi.Registry.registerEventListener(self._received, event_type)

    def _received(self, raw):
        event = Event(len(self.events), raw)
        self.events.append(event)
        if VERBOSE:
            print("    event", event, flush=True)

    def mark(self):
        """The index from which the next wait looks."""
        self.drain()
        return len(self.events)

    def drain(self):
        while self.context.pending():
            self.context.iteration(False)

    def wait_for(self, since, what, matches, timeout=WAIT):
        deadline = time.monotonic() + timeout
        seen = since
        while True:
            for event in self.events[seen:]:
                if matches(event):
                    return event
            seen = len(self.events)
            if time.monotonic() > deadline:
                received = "\n      ".join(str(e) for e in self.events[since:]) or "(none)"
                raise CheckFailed(f"no {what} within {timeout} s; events since:\n      {received}")
            self.context.iteration(True)

    def wait_focus(self, since, name, timeout=WAIT):
        return self.wait_for(since, f"focus event of '{name}'", lambda e: e.is_focus and e.name == name, timeout)

    def announcements(self, since, until):
        return [e for e in self.events[since:until] if e.is_announcement]


class ScreenReaderTest:
    def __init__(self, desktop, pyatspi, glib):
        self.desktop = desktop
        self.pyatspi = pyatspi
        self.listen = Listener(pyatspi, glib)
        self.app = None
        self.main_window = None

    # ---- helpers ----

    def find(self, root, what, matches):
        for node in descendants(root):
            if matches(node):
                return node
        raise CheckFailed(f"no {what} in the accessible tree")

    def key_named(self, name):
        return self.find(self.main_window, f"key '{name}'",
                         lambda n: n.getRoleName() == "push button" and n.name == name)

    def display_text(self):
        display = self.find(self.main_window, "display", lambda n: n.getRoleName() == "text" and n.name == "display")
        text = display.queryText()
        return text.getText(0, text.characterCount)

    def press_action(self, accessible):
        """Runs the key's press action, as a screen reader's activate command does."""
        action = accessible.queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        for i, name in enumerate(names):
            if name.lower() in ("press", "click"):
                action.doAction(i)
                return
        raise CheckFailed(f"'{accessible.name}' has no press action, only {names}")

    def after_marker(self, since):
        """Tab is pressed and its focus event awaited: every event the earlier input caused has arrived."""
        marker = self.listen.mark()
        self.desktop.key("Tab")
        focus = self.listen.wait_for(marker, "focus event after Tab", lambda e: e.is_focus)
        return focus.index

    def expect_one_announcement(self, since, until, expected, what):
        said = self.listen.announcements(since, until)
        if len(said) != 1:
            raise CheckFailed(f"{what}: {len(said)} announcements, expected exactly one "
                              f"{expected!r}: {[e.name for e in said]}")
        if said[0].name != expected:
            raise CheckFailed(f"{what}: announced {said[0].name!r}, expected {expected!r}")
        return said[0]

    def type_and_announce(self, keys, expected, what):
        """Types keys and waits for the announcement that must follow them."""
        since = self.listen.mark()
        self.desktop.key(*keys)
        self.listen.wait_for(since, f"announcement after {what}", lambda e: e.is_announcement)
        until = self.after_marker(since)
        self.expect_one_announcement(since, until, expected, what)

    def clear(self):
        """Clear-all, and Tab off the equal key, so that the next typed character moves the focus back to it."""
        since = self.listen.mark()
        self.desktop.key("c")
        self.after_marker(since)

    # ---- the checks ----

    def start(self):
        since = self.listen.mark()
        self.desktop.start_program()
        self.listen.wait_for(since, "activation of the main window",
                             lambda e: e.type.startswith("window:activate") and e.name == "Orbetta")
        self.listen.wait_focus(since, "equal")
        self.app = self.desktop.application(self.pyatspi)
        if self.app is None:
            raise CheckFailed("the program is not on the accessibility bus")
        self.main_window = self.app[0]

    def restart(self):
        self.desktop.stop_program()
        self.start()

    def check_key_focus(self):
        since = self.listen.mark()
        self.desktop.key("Tab")
        focus = self.listen.wait_focus(since, "backspace")
        self.check_focus_context(focus)

    def check_focus_context(self, focus):
        """A screen reader takes the nearest ancestor of a top-level role for the focused object's window and
        drops the focus event when that one is not active. It must be the window itself, the child of the
        application: no frame (a panel exposed as one, say) may come between. Qt exposes a top-level window as
        "frame" and a dialog as "dialog"."""
        roles = [role for role, _ in focus.chain]
        tops = [i for i, role in enumerate(roles) if role in TOP_LEVEL_ROLES]
        if not tops:
            raise CheckFailed(f"focus on '{focus.name}' has no window or dialog ancestor: {focus}")
        if tops[0] != len(roles) - 1:
            raise CheckFailed(f"focus on '{focus.name}' has a {roles[tops[0]]} between it and its window: {focus}")

    def check_tab_walk(self):
        """Every key met on the way round the tab order is named within its window."""
        self.clear()
        seen = []
        for _ in range(50):
            since = self.listen.mark()
            self.desktop.key("Tab")
            focus = self.listen.wait_for(since, "focus event after Tab", lambda e: e.is_focus)
            if focus.role == "push button":
                if not focus.name:
                    raise CheckFailed(f"a key takes the focus without a name: {focus}")
                self.check_focus_context(focus)
            if focus.name == "equal" and seen:
                break
            seen.append(focus.name)
        if len(seen) < 40:
            raise CheckFailed(f"the tab order reached only {len(seen)} controls: {seen}")

    def check_result_announced(self):
        self.clear()
        self.type_and_announce(["1", "2", "plus", "3", "equal"], "15", "1 2 + 3 =")

    def check_message_box(self):
        self.clear()
        since = self.listen.mark()
        self.desktop.key("1", "slash", "0", "equal")
        box = self.listen.wait_for(
            since, "message box",
            lambda e: e.role in ("alert", "dialog") and (e.type.startswith("window:activate")
                                                         or e.type.startswith("object:state-changed:showing")))
        texts = [n.name for n in descendants(box.source)]
        texts += [_safe(lambda n=n: n.queryText().getText(0, -1), "") for n in descendants(box.source)]
        if not any("can't divide by 0!" in t for t in texts + [box.name]):
            raise CheckFailed(f"the box does not carry \"can't divide by 0!\": {box} {texts}")
        early = self.listen.announcements(since, box.index)
        if early:
            raise CheckFailed(f"announced before the box was seen: {[e.name for e in early]}")
        after_box = self.listen.mark()
        self.desktop.key("Return")
        self.listen.wait_for(after_box, "announcement after OK", lambda e: e.is_announcement)
        until = self.after_marker(after_box)
        shown = self.display_text()
        self.expect_one_announcement(since, until, shown or "empty", "1 / 0 = and OK")

    def check_two_value_dialog(self):
        self.clear()
        since = self.listen.mark()
        self.press_action(self.key_named("y root of x"))
        dialog = self.listen.wait_for(
            since, "the y-root dialog",
            lambda e: e.type.startswith("window:activate") and e.name == "y root of x")
        if dialog.role != "dialog":
            raise CheckFailed(f"the two-value dialog has the role {dialog.role}")
        boxes = [n for n in descendants(dialog.source) if n.getRoleName() in ("text", "entry")]
        prompts = [self.prompt_of(box) for box in boxes]
        if prompts != [["value(x):"], ["root (y):"]]:
            raise CheckFailed(f"the dialog's boxes are labelled {prompts}, expected value(x): and root (y):")
        focus = self.listen.wait_for(since, "focus in the dialog's first box",
                                     lambda e: e.is_focus and e.role in ("text", "entry"))
        self.check_focus_context(focus)
        self.check_box_read_whole(boxes[0], "27")
        # 27 and 3: the third root of 27, written into the main window and announced there.
        after = self.listen.mark()
        self.desktop.key("Tab", "3", "Return")
        self.listen.wait_for(after, "announcement of the dialog's result", lambda e: e.is_announcement)
        self.listen.wait_for(after, "the main window active again",
                             lambda e: e.type.startswith("window:activate") and e.name == "Orbetta")
        until = self.after_marker(after)
        self.expect_one_announcement(after, until, "3", "the y-root dialog with 27 and 3")

    def check_box_read_whole(self, box, typed):
        """Typed into a box, its text is one run of attributes, which a screen reader reads whole, and the word
        at the end of the text (where Ctrl+Right leaves the caret) is none, told at once."""
        self.desktop.key(*typed)
        text = box.queryText()
        deadline = time.monotonic() + WAIT
        while text.getText(0, -1) != typed:
            if time.monotonic() > deadline:
                raise CheckFailed(f"the box holds {text.getText(0, -1)!r} after typing {typed!r}")
            time.sleep(0.05)
        run = text.getAttributeRun(len(typed) - 1, False)
        if (run[1], run[2]) != (0, len(typed)):
            raise CheckFailed(f"the box's text is not one run of attributes: {run}")
        try:
            word = text.getTextAtOffset(len(typed), self.pyatspi.TEXT_BOUNDARY_WORD_START)
        except Exception as error:  # the program did not answer in time
            raise CheckFailed(f"no answer for the word at the end of the box: {error}")
        if tuple(word) != ("", len(typed), len(typed)):
            raise CheckFailed(f"the word at the end of the box is {tuple(word)}")

    def prompt_of(self, box):
        """What a screen reader says a box is: its name, or the names of the objects that label it."""
        labels = []
        for relation in box.getRelationSet():
            if relation.getRelationType() == self.pyatspi.RELATION_LABELLED_BY:
                labels += [relation.getTarget(i).name for i in range(relation.getNTargets())]
        if box.name:
            labels.insert(0, box.name)
        return sorted(set(labels))

    def check_action_press(self):
        self.clear()
        since = self.listen.mark()
        self.desktop.key("9")
        self.listen.wait_focus(since, "equal")
        after = self.listen.mark()
        self.press_action(self.key_named("square root"))
        self.listen.wait_for(after, "announcement after the square-root action", lambda e: e.is_announcement)
        until = self.after_marker(after)
        self.expect_one_announcement(since, until, "3", "9 and the square-root key's action")

    def check_chord_press(self):
        self.clear()
        self.desktop.key("4")
        # From the equal key round the tab order to the square key.
        for _ in range(50):
            since = self.listen.mark()
            self.desktop.key("Tab")
            focus = self.listen.wait_for(since, "focus event after Tab", lambda e: e.is_focus)
            if focus.name == "square":
                break
        else:
            raise CheckFailed("Tab never reached the key 'square'")
        since = self.listen.mark()
        self.desktop.key("ctrl+space")
        self.listen.wait_for(since, "announcement after Ctrl+Space on 'square'", lambda e: e.is_announcement)
        until = self.after_marker(since)
        self.expect_one_announcement(since, until, "16", "4 and Ctrl+Space on the square key")

    def check_help(self):
        since = self.listen.mark()
        self.desktop.key("F1")
        self.listen.wait_for(since, "activation of the help window",
                             lambda e: e.type.startswith("window:activate") and e.name == "Orbetta Help")
        focus = self.listen.wait_for(since, "focus in the help window", lambda e: e.is_focus)
        window = top_level(focus.source)
        if window is None or window.name != "Orbetta Help":
            raise CheckFailed(f"the focus went elsewhere after F1: {focus}")
        after = self.listen.mark()
        self.desktop.key("Escape")
        self.listen.wait_for(after, "the main window active after Escape",
                             lambda e: e.type.startswith("window:activate") and e.name == "Orbetta")

    def check_tape(self):
        self.clear()
        self.type_and_announce(["7", "asterisk", "6", "equal"], "42", "7 * 6 =")
        since = self.listen.mark()
        self.desktop.key("ctrl+t")
        self.listen.wait_for(since, "activation of the tape window",
                             lambda e: e.type.startswith("window:activate") and e.name == "Orbetta Tape")
        told = self.listen.wait_for(since, "announcement of the tape", lambda e: e.is_announcement)
        if not (told.name.startswith("Tape, ") and told.name.endswith(" lines, the last: = 42")):
            raise CheckFailed(f"opening the tape told {told.name!r}")
        focus = self.listen.wait_for(since, "focus in the tape", lambda e: e.is_focus)
        if not focus.role.startswith("document"):
            raise CheckFailed(f"the tape's text is no document to a screen reader: {focus}")
        # Up reaches the total's line, which a screen reader reads whole from the text at the caret.
        self.desktop.key("Up")
        text = focus.source.queryText()
        deadline = time.monotonic() + WAIT
        line = ""
        while time.monotonic() < deadline:
            line = text.getTextAtOffset(text.caretOffset, self.pyatspi.TEXT_BOUNDARY_LINE_START)[0]
            if line.strip() == "= 42":
                break
            time.sleep(0.05)
        else:
            raise CheckFailed(f"the line at the caret reads {line!r}, not '= 42'")
        back = self.listen.mark()
        self.desktop.key("Return")
        self.listen.wait_for(back, "the main window active after Enter on a line",
                             lambda e: e.type.startswith("window:activate") and e.name == "Orbetta")
        if self.display_text() != "42":
            raise CheckFailed(f"the recalled line left the display at {self.display_text()!r}")
        self.desktop.key("ctrl+t")  # closes the tape again


CHECKS = [
    ("a key's focus event names it inside its window", "check_key_focus"),
    ("1 2 + 3 = is announced once, as 15", "check_result_announced"),
    ("1 / 0 =: the box, then OK and the display announced", "check_message_box"),
    ("the two-value dialog's boxes carry their prompts and are read whole; its result is announced",
     "check_two_value_dialog"),
    ("9 and the square-root key's action announce 3", "check_action_press"),
    ("4 and Ctrl+Space on the square key announce 16", "check_chord_press"),
    ("every key on the way round the tab order is named inside its window", "check_tab_walk"),
    ("F1 opens the help window and its document takes the focus; Escape closes it", "check_help"),
    ("Ctrl+T opens the tape, which tells its lines and the last; it is read by line; Enter recalls a line",
     "check_tape"),
]


def main():
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    end_on_termination()
    started = time.monotonic()
    with Desktop(sys.argv[1]) as desktop:
        pyatspi = load_pyatspi()
        from gi.repository import GLib

        test = ScreenReaderTest(desktop, pyatspi, GLib)
        test.start()

        def ended():
            code = test.desktop.app.poll()
            return None if code is None else f"the program ended with {code}"

        # A box or dialog a failed check left open must not spoil the next check.
        failures = run_checks([(title, getattr(test, method)) for title, method in CHECKS], recover=test.restart,
                              ended=ended)
        if failures:
            print("program output:\n" + desktop.child_log("orbetta"))
    print(f"{len(CHECKS) - len(failures)} of {len(CHECKS)} checks passed in {time.monotonic() - started:.1f} s")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
