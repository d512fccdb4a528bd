#!/usr/bin/python3
"""What the Orca screen reader says while the calculator is worked from the keyboard.

Runs real Orca with speech-dispatcher (its speech captured to a file instead of a sound card) against the
calculator on a private desktop, works the calculator with key presses, and prints a table: each action and
what Orca spoke for it (from the "SPEECH OUTPUT" lines of Orca's debug log), with a mark whether the row names
the key or the result it is about. Exit status 0 when every row does.

Not a test of the build: it waits for Orca's speech to go quiet after each action, which takes time and
depends on the machine. Run it by hand or with `make orca-transcript`.

With --more it also goes once round the window with Tab (counting the words), chooses three functions from the
list, stores in memory, changes the sign, copies, pastes and presses the chord for sine. With --espeak the speech
is synthesized by espeak-ng and played in real time into a PulseAudio null sink, as on a desktop, and the end
lists every utterance with whether it was spoken to its end or stopped by the next one (Debian packages
speech-dispatcher-espeak-ng and pulseaudio).

Each utterance's end is read from the playback's marks, so a cut one is told as cut however fast the
synthesizer made its sound.

Usage: orca_transcript.py PROGRAM [--markdown] [--more] [--espeak]
"""

import gettext
import os
import re
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop import Desktop, SetupError, end_on_termination, load_pyatspi  # noqa: E402

QUIET = 1.5  # seconds without new speech that end an action
LONGEST = 20  # seconds any one action may speak
# "16:35:19.805560 - SPEECH OUTPUT: 'can't divide by 0!'{'established': False}": the text may hold quotes.
# "[Tue Dec  8 13:27:21 2026 : 76682] speechd: ...": the microseconds are written without leading zeros.
LOG_TIME = re.compile(r"^\[\w+ \w+ +\d+ (\d\d):(\d\d):(\d\d) \d+ : (\d+)\]")
SPEECH_LINE = re.compile(
    r"^(\d\d):(\d\d):(\d\d\.\d+) - SPEECH OUTPUT: '([^\n]*)'(?: voice=[\w-]+)? ?\{[^\n]*$", re.MULTILINE)


def orca_command(root):
    """Orca's launcher refuses to start while any other process named "orca" of the same user runs, even one
    on another display and bus. A copy of the launcher under another name looks only for its own kind; the
    screen reader it starts is the installed one, unchanged."""
    launcher = "/usr/bin/orca"
    with open(launcher) as f:
        text = f.read()
    check = "pgrep -u %s -x orca'"
    if check not in text:
        return [launcher]
    copy = os.path.join(root, "orcatranscript")
    with open(copy, "w") as f:
        f.write(text.replace(check, "pgrep -u %s -x orcatranscript'"))
    return ["/usr/bin/python3", copy]


class Utterance:
    """One utterance of the synthesizer: its text, its fate ("end", "STOPPED" or "?") and, in seconds since
    midnight, when its sound began and ended."""

    def __init__(self, text):
        self.text = text
        self.fate = "?"
        self.began = None
        self.ended = None

    def played(self):
        """Seconds of sound, when known."""
        return self.ended - self.began if self.began is not None and self.ended is not None else None


class Speech:
    """speech-dispatcher with an output module that writes each utterance to a file, and Orca's debug log."""

    def __init__(self, desktop, espeak=False):
        self.desktop = desktop
        self.espeak = espeak
        root = desktop.root
        self.captured = os.path.join(root, "spoken.txt")
        self.speechd_log = os.path.join(root, "speech-dispatcher.log")
        self.debug_log = os.path.join(root, "orca-debug.txt")
        if espeak:
            self._start_espeak(desktop)
            self.seen = 0
            return
        self.debug_log = os.path.join(root, "orca-debug.txt")
        config = os.path.join(root, "speechd")
        os.makedirs(os.path.join(config, "modules"))
        with open(os.path.join(config, "speechd.conf"), "w") as f:
            f.write(f'LogLevel 3\nLogDir "{root}"\nAudioOutputMethod "libao"\n'
                    'AddModule "capture" "sd_generic" "capture.conf"\nDefaultModule capture\n'
                    'DefaultLanguage "en"\n')
        with open(os.path.join(config, "modules", "capture.conf"), "w") as f:
            f.write(f"GenericExecuteSynth \"printf '%s\\\\n' \\'$DATA\\' >> {self.captured}\"\n"
                    'GenericCmdDependency "printf"\nGenericLanguage "en" "en" "utf-8"\n'
                    'AddVoice "en" "MALE1" "capture"\n')
        # The speech module opens a sound device; libao's null device takes the samples nobody plays.
        with open(os.path.join(desktop.env["HOME"], ".libao"), "w") as f:
            f.write("default_driver=null\n")
        socket = os.path.join(desktop.env["XDG_RUNTIME_DIR"], "speech-dispatcher", "speechd.sock")
        desktop.spawn("speech-dispatcher",
                      ["speech-dispatcher", "-s", "-t", "0", "-C", config, "-c", "unix_socket", "-S", socket])
        self.seen = 0

    def _start_espeak(self, desktop):
        """speech-dispatcher with espeak-ng, its samples played at their real pace into a null sink."""
        root = desktop.root
        desktop.spawn("pulseaudio", ["pulseaudio", "--daemonize=no", "--exit-idle-time=-1", "-n",
                                     "--load=module-native-protocol-unix", "--load=module-null-sink sink_name=null",
                                     "--load=module-always-sink"])
        config = os.path.join(root, "speechd")
        os.makedirs(os.path.join(config, "modules"))
        with open(os.path.join(config, "speechd.conf"), "w") as f:
            f.write(f'LogLevel 5\nLogDir "{root}"\nAudioOutputMethod "pulse"\n'
                    'AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"\nDefaultModule espeak-ng\n'
                    'DefaultLanguage "en"\n')
        socket = os.path.join(desktop.env["XDG_RUNTIME_DIR"], "speech-dispatcher", "speechd.sock")
        desktop.spawn("speech-dispatcher",
                      ["speech-dispatcher", "-s", "-t", "0", "-C", config, "-c", "unix_socket", "-S", socket])

    def fates(self):
        """Each utterance the synthesizer was given, in order, as an Utterance: "end" when its sound was played
        to its end, "STOPPED" when the next one cut it off, "?" while it plays or waits. The playback's own
        index marks in speech-dispatcher's log tell it (__spd_end, __spd_stopped); the synthesizer's END comes
        when the sound is made, before it is heard, and says nothing of a cut."""
        try:
            with open(self.speechd_log, "rb") as f:
                text = f.read().decode(errors="replace")
        except OSError:
            return []
        out = []
        for line in text.split("\n"):
            sent = re.search(r"Command sent to output module: \|<speak>(.*)</speak>\|", line)
            if sent:
                out.append(Utterance(re.sub(r"<[^>]*>", "", sent.group(1))))
                continue
            playing = out[-1] if out and out[-1].fate == "?" else None
            if playing is None or "INDEX MARK: __spd_" not in line:
                continue
            when = LOG_TIME.search(line)
            seconds = (int(when.group(1)) * 3600 + int(when.group(2)) * 60 + int(when.group(3))
                       + int(when.group(4)) / 1e6) if when else None
            if "INDEX MARK: __spd_begin" in line:
                playing.began = seconds
            elif "INDEX MARK: __spd_end" in line:
                playing.fate, playing.ended = "end", seconds
            elif "INDEX MARK: __spd_stopped" in line:
                playing.fate, playing.ended = "STOPPED", seconds
        return out

    def start_orca(self):
        prefs = os.path.join(self.desktop.root, "orca-prefs")
        command = orca_command(self.desktop.root) + ["--debug-file=" + self.debug_log, "-u", prefs]
        self.orca = self.desktop.spawn("orca", command)

    def lines(self):
        if self.espeak:
            return [u.text for u in self.fates()]
        return self._captured_lines()

    def _captured_lines(self):
        """What speech-dispatcher was given to say, one utterance a line. The module writes each one as it
        comes; Orca's debug log would serve as well but reaches its file in blocks, long after the speech."""
        try:
            with open(self.captured, "rb") as f:
                text = f.read().decode(errors="replace")
        except OSError:
            return []
        return [line for line in text.split("\n")[:-1] if line.strip()]

    def logged(self):
        """The "SPEECH OUTPUT" lines of Orca's debug log as (seconds since midnight, text), once Orca has ended
        and its log is complete. Unlike the speech module, the log also holds what was cut short by the next
        utterance."""
        try:
            with open(self.debug_log, "rb") as f:
                text = f.read().decode(errors="replace")
        except OSError:
            return []
        return [(int(m.group(1)) * 3600 + int(m.group(2)) * 60 + float(m.group(3)), m.group(4))
                for m in SPEECH_LINE.finditer(text)]

    def wait_for(self, text, timeout):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            if any(text in line for line in self.lines()):
                return True
            time.sleep(0.2)
        return False

    def new_speech(self, heard=lambda said: True):
        """Everything spoken from now until heard(what was said) holds and the speech has been quiet for a
        while, or at most LONGEST seconds."""
        deadline = time.monotonic() + LONGEST
        count = len(self.lines())
        last_change = time.monotonic()
        while time.monotonic() < deadline:
            time.sleep(0.1)
            lines = self.lines()
            if len(lines) != count:
                count = len(lines)
                last_change = time.monotonic()
            elif time.monotonic() - last_change >= QUIET and heard(lines[self.seen:]):
                break
        lines = self.lines()
        said = lines[self.seen:]
        self.seen = len(lines)
        return said



class Transcript:
    def __init__(self, desktop, speech):
        self.desktop = desktop
        self.speech = speech
        self.rows = []  # [action, start time, expected, spoken lines]
        self.pyatspi = None

    def row(self, action, expected, do):
        start = seconds_today()
        do()
        said = self.speech.new_speech(lambda said: names_all(said, expected))
        self.rows.append([action, start, expected, said])
        print(f"{'ok ' if names_all(said, expected) else '.. '} {action}: {' | '.join(s.strip() for s in said)}",
              flush=True)

    def take_log(self, logged, ended):
        """Replaces what each row heard from the speech module by what Orca's log says it spoke from the row's
        start until the next row's."""
        if not logged:
            return
        for i, row in enumerate(self.rows):
            end = self.rows[i + 1][1] if i + 1 < len(self.rows) else ended
            row[3] = [text for when, text in logged if row[1] <= when < end]

    def accessible_key(self, name):
        if self.pyatspi is None:
            self.pyatspi = load_pyatspi()
        app = self.desktop.application(self.pyatspi)
        if app is not None:
            found = self.pyatspi.findDescendant(app, lambda n: n.getRoleName() == "push button" and n.name == name)
            if found is not None:
                return found
        raise SetupError(f"no key '{name}' on the accessibility bus")

    def focus_key(self, name):
        """Puts the keyboard focus on a key, as Tab would, without the Tabs on the way."""
        self.accessible_key(name).queryComponent().grabFocus()

    def two_value(self, key, x, y, result, prompts):
        self.row(f"focus the key '{key}'", [key], lambda: self.focus_key(key))
        self.row("Ctrl+Space (opens the dialog)", [key, prompts[0]], lambda: self.desktop.key("ctrl+space"))
        self.row(f"type {x}", [x[-1]], lambda: self.desktop.type_text(x))
        self.row(f"Tab, type {y}", [prompts[1]], lambda: (self.desktop.key("Tab"), self.desktop.type_text(y)))
        self.row("Enter (OK)", ["=" + result], lambda: self.desktop.key("Return"))

    def display(self):
        self.accessible_key("equal")  # loads pyatspi
        app = self.desktop.application(self.pyatspi)
        if app is not None:
            box = self.pyatspi.findDescendant(app, lambda n: n.getRoleName() == "text" and n.name == "display")
            text = box.queryText()
            return text.getText(0, text.characterCount)
        return ""

    def tab_round(self, stops):
        """Tab through every control back to the equal key; one row with all that was said and its words."""
        start = seconds_today()
        said = []
        for _ in range(stops):
            self.desktop.key("Tab")
            said += self.speech.new_speech(lambda said: bool(said))
        words = sum(len(line.split()) for line in said)
        self.rows.append([f"full Tab round ({stops} Tabs): {words} words", start, ["equal"], said])
        print(f"Tab round: {words} words: {' | '.join(s.strip() for s in said)}", flush=True)

    def list_choice(self, entry, downs, name, value):
        d = self.desktop
        self.row(f"type {entry}", [], lambda: d.type_text(entry))
        self.row("focus 'function', Ctrl+Space (the list takes the focus)", ["Secant", "list"],
                 lambda: (self.focus_key("additional trigonometric functions"), d.key("ctrl+space")))
        self.row("Down (opens the list)", ["20"], lambda: d.key("Down"))
        self.row(f"Down x{downs}", [name], lambda: d.key(*["Down"] * downs))
        self.row("Enter", ["=" + value], lambda: d.key("Return"))
        self.rows[-1][0] += f" (display shows {self.display()})"

    def run_more(self):
        """Tab round, list choices, memory, sign, copy and paste, the menu and the chord for sine."""
        d = self.desktop
        self.row("type c (clear)", [], lambda: d.key("c"))
        self.tab_round(44)  # back to the equal key
        self.list_choice("1", 8, "Hyperbolic Sine", "1.1752011936438")
        self.list_choice("30", 1, "Cosecant", "2")
        self.list_choice("0.5", 16, "Inverse Hyperbolic Tangent", "0.549306144334055")
        self.row("type 5, focus 'memory', Ctrl+Space (store)", ["5"],
                 lambda: (d.type_text("5"), self.focus_key("memory"), d.key("ctrl+space")))
        self.row("focus 'sign change', Ctrl+Space", ["-5"],
                 lambda: (self.focus_key("sign change"), d.key("ctrl+space")))
        self.row("focus the display, Shift+F10 (menu opens)", ["Copy"],
                 lambda: (self.accessible_display().queryComponent().grabFocus(), d.key("shift+F10")))
        self.row("Enter (Copy)", ["-5"], lambda: d.key("Return"))
        # With the display empty, Copy is not available and the menu opens on Paste.
        self.row("type c, Shift+F10, Enter (Paste)", ["=-5"],
                 lambda: (d.key("c"), self.accessible_display().queryComponent().grabFocus(), d.key("shift+F10"),
                          d.key("Return")))
        self.row("type c 2, Alt+S (sine chord)", ["=0.034899496702501"],
                 lambda: (d.key("c", "2"), d.key("alt+s")))
        self.row("Alt+J (the display again)", ["=0.034899496702501"], lambda: d.key("alt+j"))
        self.row("Backspace (a result is no entry)", ["nothing to erase"], lambda: d.key("BackSpace"))

    def accessible_display(self):
        app = self.desktop.application(self.pyatspi)
        if app is not None:
            return self.pyatspi.findDescendant(app, lambda n: n.getRoleName() == "text" and n.name == "display")
        raise SetupError("no display on the accessibility bus")

    def run(self):
        d = self.desktop
        self.speech.start_orca()
        # Orca greets in the language of LANGUAGE or the locale, as the program speaks.
        orca = gettext.translation("orca", localedir="/usr/share/locale", fallback=True)
        greeting = orca.gettext("Screen reader on.").rstrip(".")
        if not self.speech.wait_for(greeting, 90):
            raise SetupError("Orca did not start speaking within 90 s\n" + d.child_log("orca"))
        self.speech.new_speech()
        self.row("start the calculator", ["Orbetta", "equal"], d.start_program)
        for name in ("backspace", "Exit", "Arctangent", "natural logarithm", "common logarithm"):
            self.row("Tab", [name], lambda: d.key("Tab"))
        self.row("type 1 2 + 3 =", ["=15"], lambda: d.key("1", "2", "plus", "3", "equal"))
        self.row("type 1 / 0 =", ["can't divide by 0!"], lambda: d.key("1", "slash", "0", "equal"))
        self.row("Enter (OK in the box)", ["=15"], lambda: d.key("Return"))
        self.two_value("y root of x", "8", "3", "2", ("value(x):", "root (y):"))
        self.two_value("x to the power of y", "2", "10", "1024", ("value(x):", "power(y):"))
        self.two_value("random number", "5", "7", "6", ("lower value:", "upper value:"))
        self.row("focus the key 'About Orbetta'", ["About Orbetta"], lambda: self.focus_key("About Orbetta"))
        self.row("Ctrl+Space (opens About)", ["1.3.1"], lambda: d.key("ctrl+space"))
        self.row("Enter (OK, closes About)", ["About Orbetta"], lambda: d.key("Return"))
        self.row("F1 (help)", ["Orbetta Help"], lambda: d.key("F1"))
        self.row("Down (the next line)", ["scientific calculator"], lambda: d.key("Down"))
        self.row("Tab (to a link)", ["link The calculator window"], lambda: d.key("Tab"))
        self.row("Enter (follows the link)", ["The calculator window", "heading"], lambda: d.key("Return"))
        self.row("Escape (closes help)", ["About Orbetta"], lambda: d.key("Escape"))
        if "--more" in sys.argv:
            self.run_more()


def seconds_today():
    now = time.localtime()
    return now.tm_hour * 3600 + now.tm_min * 60 + now.tm_sec + (time.time() % 1)


def names(line, word):
    line = line.strip()
    if word.startswith("="):  # a result: the whole utterance, after the role a screen reader puts before it
        words = line.rstrip(".").split()
        return bool(words) and words[-1] == word[1:]
    return word.lower() in line.lower()


def names_all(said, expected):
    return all(any(names(line, word) for line in said) for word in expected)


def table(rows, markdown):
    out = []
    if markdown:
        out.append("| # | action | Orca spoke | names it |")
        out.append("|---|---|---|---|")
    for i, (action, _, expected, said) in enumerate(rows, 1):
        named = names_all(said, expected)
        spoken = " / ".join(s.strip() for s in said) or "(nothing)"
        if markdown:
            out.append(f"| {i} | {action} | {spoken.replace('|', '∣')} | {'yes' if named else 'NO'} |")
        else:
            out.append(f"{i:2} {action:34} {'   ' if named else 'NO '} {spoken}")
    return "\n".join(out)


def main():
    args = [a for a in sys.argv[1:] if not a.startswith("--")]
    if len(args) != 1:
        print(__doc__, file=sys.stderr)
        return 2
    end_on_termination()
    with Desktop(args[0]) as desktop:
        speech = Speech(desktop, espeak="--espeak" in sys.argv)
        session = Transcript(desktop, speech)
        try:
            session.run()
        finally:
            captured = len(speech.lines())
            ended = seconds_today()
            if getattr(speech, "orca", None):
                desktop.stop(speech.orca)  # Orca writes out the rest of its log as it ends
            logged = speech.logged()
            session.take_log(logged, ended)
            print()
            print(table(session.rows, "--markdown" in sys.argv))
            print(f"\nspeech-dispatcher spoke {captured} utterances; Orca's debug log has {len(logged)} "
                  "SPEECH OUTPUT lines, which the table shows")
            if speech.espeak:
                print("\nespeak-ng through speech-dispatcher, each utterance and its end:")
                for u in speech.fates():
                    played = f"{u.played():5.2f} s" if u.played() is not None else "       "
                    print(f"  {u.fate:8} {played} {u.text}")
    return 0 if session.rows and all(names_all(r[3], r[2]) for r in session.rows) else 1


if __name__ == "__main__":
    sys.exit(main())
