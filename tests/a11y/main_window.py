#!/usr/bin/python3
"""The main window as a screen reader meets it.

Starts the real program on a private X server with the accessibility bus,
finds its window in the accessibility tree, reads the question and the
counters by their accessible names and answers through the buttons'
accessible press action, as assistive technology does. The colour of a
missed answer is read from the screen itself, as a user sees it.

usage: main_window.py ZELQUIZ_EXECUTABLE

The program reads the bank beside its executable; the test reads the same
files to know which answer is right.
"""

import os
import re
import signal
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop_session import DesktopSession, SessionError, wait_until  # noqa: E402

# The whole run, servers included, stays well below ctest's limit, so that
# a hang still ends here, where what was started gets stopped.
RUN_SECONDS = 50
APPEAR_SECONDS = 20
CHANGE_SECONDS = 10

ANSWER_NAME = re.compile(r"Answer ([1-6]): (.*)", re.S)
COUNTER_NAME = re.compile(r"(Correct|Wrong|Total Questions): (\d+)")
PRESS_ACTIONS = ("Press", "press", "click")
WRONG_COLOUR = (255, 128, 128)

pyatspi = None  # imported once the private buses are up


def spoken(text):
    """A bank text as the program reads it out: one line, single spaces."""
    return " ".join(text.replace("\r", " ").replace("\n", " ").split())


def load_bank(folder):
    """{sorted six answers: [(subject, right answer)]}, all as spoken."""
    def lines(name):
        with open(os.path.join(folder, name), "rb") as f:
            raw = f.read()
        try:
            text = raw.decode("utf-8")
        except UnicodeDecodeError:
            text = raw.decode("cp1252", errors="replace")
        found = re.split(r"\r\n?", text)
        return found[:-1] if found[-1] == "" else found  # a last line end opens no line

    texts = [""] + lines("A.zel")  # text 0 is the empty answer
    bank = {}
    for j, line in enumerate(lines("AD.zel"), start=1):
        fields = line.split("|")
        if fields[0].strip() == "9" or len(fields) < 8 or j >= len(texts):
            continue
        try:
            answers = [spoken(texts[int(f or 0)]) for f in fields[1:7]]
        except (ValueError, IndexError):
            continue
        bank.setdefault(tuple(sorted(answers)), []).append((spoken(texts[j]), answers[0]))
    return bank


class Reading:
    """One pass over the main window's accessible tree."""

    def __init__(self, frame):
        self.labels = []  # the names of the labels a user can see
        self.buttons, self.answers = {}, {}  # by answer key: the object, its text
        self._walk(frame)

    def _walk(self, acc):
        for child in acc:
            if child is None:
                continue
            role, name = child.getRole(), child.name or ""
            if role == pyatspi.ROLE_LABEL and child.getState().contains(pyatspi.STATE_SHOWING):
                self.labels.append(name)
            elif role == pyatspi.ROLE_PUSH_BUTTON and ANSWER_NAME.fullmatch(name):
                k, text = ANSWER_NAME.fullmatch(name).groups()
                self.buttons[int(k)], self.answers[int(k)] = child, text
            self._walk(child)

    def counters(self):
        """The counters a user can see; the timed game's are hidden."""
        found = (COUNTER_NAME.fullmatch(n) for n in self.labels)
        return {m.group(1): int(m.group(2)) for m in found if m}

    def question(self, bank):
        """(question label, subject, right answer) of the question shown, or None."""
        for subject, right in bank.get(tuple(sorted(self.answers.values())), []):
            for label in self.labels:
                if label == subject or label.endswith(" " + subject):
                    return label, subject, right
        return None


class Program:
    def __init__(self, session, executable):
        self.log = os.path.join(session.root, "program.log")
        with open(self.log, "wb") as log:
            # xcb on the private display, whatever the caller's environment
            # says: the offscreen platform has no accessibility bridge.
            env = session.environment(QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
            self.process = session.spawn([executable], env, stdout=log, stderr=log)
        self.frame = None

    def log_tail(self):
        with open(self.log, "rb") as f:
            return f.read()[-2000:].decode(errors="replace")

    def _alive(self):
        if self.process.poll() is not None:
            raise SessionError(f"the program ended with status {self.process.returncode}")

    def find_window(self, bank):
        """Waits for the main window to show a question from the bank. A
        splash picture or a message box may come and go above it, with or
        without a title: the main window is the frame with the program's
        title that asks a question."""
        desktop = pyatspi.Registry.getDesktop(0)

        def main_window():
            self._alive()
            desktop.clearCache()
            for app in desktop:
                if app is not None and app.get_process_id() == self.process.pid:
                    return next((w for w in app if w is not None and w.getRole() == pyatspi.ROLE_FRAME
                                 and w.name == "ZEL Quiz" and Reading(w).question(bank)), None)
            return None

        self.frame = wait_until(main_window, 'the frame "ZEL Quiz" asking a question from the bank',
                                APPEAR_SECONDS)

    def read(self):
        self._alive()
        self.frame.clearCache()
        return Reading(self.frame)

    def wait_for(self, condition, what):
        """Reads the window until condition holds, then once more: a reading
        can straddle a change, one begun after it was seen can not."""
        wait_until(lambda: condition(self.read()), what, CHANGE_SECONDS)
        return self.read()

    def press_answer(self, reading, text):
        keys = [k for k, t in reading.answers.items() if t == text]
        check(len(keys) == 1, f"{len(keys)} buttons read {text!r}; the bank's six answers must differ")
        action = reading.buttons[keys[0]].queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        index = next((i for i, n in enumerate(names) if n in PRESS_ACTIONS), None)
        check(index is not None, f"answer {keys[0]} offers no press action, only {names}")
        check(action.doAction(index), f"answer {keys[0]} refused {names[index]!r}")
        return keys[0]


def screen_colour(x, y):
    """One pixel of the private display, as a user would see it."""
    grab = subprocess.run(["import", "-window", "root", "-crop", f"1x1+{x}+{y}", "-depth", "8", "rgb:-"],
                          capture_output=True, check=True, timeout=CHANGE_SECONDS)
    return tuple(grab.stdout[:3])


def face_colours(button):
    """The colours painted just inside a button's right edge, half-way down
    and near the bottom: inside its frame, away from its centred caption,
    and beside the start-up picture, which stands over the middle of the
    window for its first ten seconds."""
    x, y, width, height = button.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return screen_colour(x + width - 4, y + height // 2), screen_colour(x + width - 4, y + height - 5)


def check(condition, message):
    if not condition:
        raise AssertionError(message)


def counters(correct, wrong, total):
    return {"Correct": correct, "Wrong": wrong, "Total Questions": total}


def run(program, bank):
    program.find_window(bank)
    opening = program.read()
    check(sorted(opening.buttons) == [1, 2, 3, 4, 5, 6], f"answer buttons: {opening.answers}")
    check(opening.counters() == counters(0, 0, 0), f"counters at start: {opening.counters()}")
    _, subject, right = opening.question(bank)

    # A miss warns on the same question; it is counted with the next one.
    k = program.press_answer(opening, next(t for t in opening.answers.values() if t != right))
    missed = program.wait_for(lambda r: any(n.startswith("Incorrect!! ") and n.endswith(" " + subject)
                                            for n in r.labels), '"Incorrect!!" on the same question')
    check(missed.counters() == counters(0, 0, 0), f"counters right after a miss: {missed.counters()}")
    check(not missed.buttons[k].getState().contains(pyatspi.STATE_SENSITIVE),
          "the missed answer can still be pressed")
    # The missed answer turns one flat red on screen, whatever the style.
    def painted_wrong():
        colours = face_colours(missed.buttons[k])
        check(colours == (WRONG_COLOUR, WRONG_COLOUR), f"painted {colours}")
        return True
    wait_until(painted_wrong, f"the missed answer painted {WRONG_COLOUR}", CHANGE_SECONDS)

    # The right second try moves on and counts only the miss.
    program.press_answer(missed, right)
    second = program.wait_for(lambda r: r.counters() == counters(0, 1, 1), "the miss on the counters")
    asked = second.question(bank)
    check(asked and not asked[0].startswith("Incorrect"), f"the next question reads {second.labels}")

    # A right first answer raises the correct counter.
    program.press_answer(second, asked[2])
    program.wait_for(lambda r: r.counters() == counters(1, 1, 2), "a right answer on the counters")


def _interrupt(signum, _frame):
    raise SessionError(f"interrupted by {signal.Signals(signum).name}")


def main(argv):
    global pyatspi
    if len(argv) != 2 or not os.access(argv[1], os.X_OK):
        print(__doc__, file=sys.stderr)
        return 2
    executable = os.path.abspath(argv[1])
    signal.signal(signal.SIGTERM, _interrupt)
    signal.signal(signal.SIGALRM, _interrupt)
    signal.alarm(RUN_SECONDS)
    began = time.monotonic()
    session = DesktopSession()
    program = None
    try:
        bank = load_bank(os.path.dirname(os.path.realpath(executable)))
        session.start()
        import pyatspi as imported
        pyatspi = imported
        servers = time.monotonic() - began
        program = Program(session, executable)
        run(program, bank)
        print(f"PASS (servers ready after {servers:.2f} s)")
        return 0
    except (AssertionError, ImportError, FileNotFoundError) as error:
        if isinstance(error, ImportError):
            error = f"{error} (scripts/install-deps.sh installs python3-pyatspi)"
        print(f"FAIL: {error}", file=sys.stderr)
        if program:
            print(f"--- program output ---\n{program.log_tail()}", file=sys.stderr)
        return 1
    finally:
        signal.alarm(0)
        signal.signal(signal.SIGTERM, signal.SIG_IGN)  # cleaning up is not to be cut short
        stray = session.stop()
        if stray:
            print(f"ended helpers that had left their process groups: {stray}")
        print(f"total {time.monotonic() - began:.2f} s")


if __name__ == "__main__":
    sys.exit(main(sys.argv))
