#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plays puzzle 1 by ear: the real Orca reads the game while keys alone drive it.

Usage: play_by_ear.py GAME [--show]

Starts a private desktop (its own D-Bus session, Xvfb, openbox, the
accessibility bus, speech-dispatcher speaking through espeak-ng into ALSA's
null device) and Orca with default settings. Each utterance Orca sends to the
speech server appears in the server's log as "Queueing message"; those are
what a player hears and what is checked here. Exits 77 (skipped) with the
reason where the screen reader cannot run. --show prints every utterance.
"""
import fcntl
import html
import json
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

SKIP = 77
TOTAL_SECONDS = 240


def skip(reason):
    print("SKIP: " + reason, flush=True)
    sys.exit(SKIP)


class GameEnded(Exception):
    pass


class Speech:
    """What the speech server has been asked to say, read from its log."""

    QUEUED = re.compile(r"Queueing message \|(.*?)\| with priority", re.S)

    def __init__(self, log):
        self.log, self.offset, self.heard = log, 0, []
        self.game = None  # a crashed game fails the run at once, not key by key

    def poll(self):
        if not os.path.exists(self.log):
            return []
        with open(self.log, "rb") as f:
            f.seek(self.offset)
            data = f.read()
        # Only whole messages: a message is complete once its priority is written.
        end = data.rfind(b"with priority")
        if end < 0:
            return []
        end = data.find(b"\n", end)
        if end < 0:
            return []
        chunk = data[: end + 1].decode("utf-8", "replace")
        self.offset += end + 1
        new = []
        for m in self.QUEUED.finditer(chunk):
            text = html.unescape(re.sub(r"<[^>]*>", "", m.group(1)))
            new.append(" ".join(text.split()))
        self.heard += new
        return new

    def collect(self, want=None, timeout=8.0, quiet=0.3):
        """Utterances until want (a regex) is heard and speech is quiet, or timeout."""
        got, start, last = [], time.monotonic(), time.monotonic()
        while time.monotonic() - start < timeout:
            if self.game and self.game.poll() is not None:
                raise GameEnded("the game ended (exit status %d)" % self.game.returncode)
            new = self.poll()
            if new:
                got += new
                last = time.monotonic()
            done = want is None or any(re.search(want, u) for u in got)
            if got and done and time.monotonic() - last >= quiet:
                break
            time.sleep(0.05)
        return got


class Desktop:
    def __init__(self, tmp):
        self.tmp, self.procs = tmp, []
        env = dict(os.environ)
        home = os.path.join(tmp, "home")
        for d in ("home", "run", "orca", "speech"):
            os.makedirs(os.path.join(tmp, d), mode=0o700, exist_ok=True)
        env.update(HOME=home, XDG_RUNTIME_DIR=os.path.join(tmp, "run"),
                   XDG_CONFIG_HOME=os.path.join(home, ".config"),
                   XDG_DATA_HOME=os.path.join(home, ".local/share"),
                   XDG_CACHE_HOME=os.path.join(home, ".cache"))
        for k in ("SPEECHD_ADDRESS", "AT_SPI_BUS_ADDRESS", "QT_QPA_PLATFORM", "WAYLAND_DISPLAY"):
            env.pop(k, None)
        # Sound goes nowhere: no sound card is needed.
        with open(os.path.join(home, ".asoundrc"), "w") as f:
            f.write("pcm.!default { type null }\nctl.!default { type hw card 0 }\n")
        self.env = env

    def start(self, name, argv, **kw):
        out = open(os.path.join(self.tmp, name + ".out"), "w")
        p = subprocess.Popen(argv, env=self.env, stdout=out, stderr=subprocess.STDOUT,
                             start_new_session=True, **kw)
        self.procs.append((name, p))
        return p

    def stop(self):
        for name, p in reversed(self.procs):
            if p.poll() is None:
                try:
                    os.killpg(p.pid, signal.SIGTERM)
                except ProcessLookupError:
                    pass
        for name, p in reversed(self.procs):
            try:
                p.wait(timeout=5)
            except subprocess.TimeoutExpired:
                os.killpg(p.pid, signal.SIGKILL)


def solution_cells(record):
    """A puzzle's answer cells as (column, row), as the board lays them out."""
    # Column and row category of each block, and where the block starts.
    blocks = [(2, 1, 0, 0), (3, 1, 5, 0), (4, 1, 10, 0), (2, 4, 0, 5), (3, 4, 5, 5), (2, 3, 0, 10)]
    cells = []
    for items in record["Solution"]:
        item = dict(enumerate(items, start=1))  # category -> item
        for col_cat, row_cat, col0, row0 in blocks:
            cells.append((col0 + item[col_cat], row0 + item[row_cat]))
    return sorted(cells)


def inside(col, row):
    return 1 <= col <= 15 and 1 <= row <= 15 and (col - 1) // 5 + (row - 1) // 5 <= 2


class Player:
    def __init__(self, desktop, speech, show):
        self.desktop, self.speech, self.show, self.failures = desktop, speech, show, []
        self.at = (1, 1)

    def key(self, *keys, want=None, timeout=8.0, quiet=0.3):
        self.speech.poll()  # what came before this key is not its answer
        subprocess.run(["xdotool", "key", "--delay", "120"] + list(keys), env=self.desktop.env,
                       check=True, timeout=20)
        return self.speech.collect(want, timeout, quiet)

    def expect(self, keys, want, timeout=8.0, absent=None, quiet=0.3):
        keys = keys.split()
        got = self.key(*keys, want=want, timeout=timeout, quiet=quiet)
        if self.show:
            print("%-24s -> %s" % (" ".join(keys), " | ".join(got)), flush=True)
        if not any(re.search(want, u) for u in got):
            self.failures.append("after %s expected /%s/, heard %r" % (keys, want, got))
        if absent and any(re.search(absent, u) for u in got):
            self.failures.append("after %s heard /%s/ in %r" % (keys, absent, got))
        return got

    def go(self, col, row):
        """Arrow keys to a cell, up first, then across, then down, staying on the staircase."""
        keys = []
        c, r = self.at
        while r > row:
            r -= 1
            keys.append("Up")
        while c != col:
            c += 1 if c < col else -1
            keys.append("Right" if c > self.at[0] else "Left")
        while r < row:
            r += 1
            keys.append("Down")
        assert inside(c, r)
        self.at = (col, row)
        if keys:
            # As a player listens: the move's words before the next key.
            subprocess.run(["xdotool", "key", "--delay", "80"] + keys, env=self.desktop.env,
                           check=True, timeout=30)
            self.speech.collect(timeout=3, quiet=0.25)


def play(game, catalogue, show):
    for tool in ("orca", "Xvfb", "openbox", "xdotool", "speech-dispatcher", "dbus-run-session"):
        if not shutil.which(tool):
            skip(tool + " is not installed (tools/deps.sh installs it)")
    if not os.path.exists("/usr/libexec/at-spi-bus-launcher"):
        skip("at-spi2-core is not installed")
    if not os.path.exists("/usr/lib/speech-dispatcher-modules/sd_espeak-ng"):
        skip("speech-dispatcher-espeak-ng is not installed")
    # Orca will not start beside another Orca of the same user: one that is
    # ending (another run's) is waited for.
    deadline = time.monotonic() + 60
    while subprocess.run(["pgrep", "-u", str(os.getuid()), "-x", "orca"],
                         stdout=subprocess.DEVNULL).returncode == 0:
        if time.monotonic() > deadline:
            skip("another Orca is running for this user")
        time.sleep(0.5)

    tmp = tempfile.mkdtemp(prefix="zlp-reader-")
    desktop = Desktop(tmp)
    keep = False
    try:
        # The X server writes its display number when it is ready.
        rd, wr = os.pipe()
        desktop.start("xvfb", ["Xvfb", "-displayfd", str(wr), "-screen", "0", "1280x1024x24",
                               "-nolisten", "tcp"], pass_fds=(wr,))
        os.close(wr)
        with os.fdopen(rd) as f:
            display = f.readline().strip()
        if not display:
            skip("Xvfb did not start")
        desktop.env["DISPLAY"] = ":" + display
        desktop.start("openbox", ["openbox"])
        desktop.start("a11y-bus", ["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
        log_dir, conf = os.path.join(tmp, "speech"), os.path.join(tmp, "speech-conf")
        # Only the espeak-ng module, played through ALSA: with every module
        # found on its own, the server and espeak-ng wait on each other at
        # the first message and speech stops.
        shutil.copytree("/etc/speech-dispatcher", conf)
        with open(os.path.join(conf, "speechd.conf"), "a") as f:
            f.write('AudioOutputMethod "alsa"\n'
                    'AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"\n'
                    "DefaultModule espeak-ng\n")
        desktop.start("speechd", ["speech-dispatcher", "-s", "-t", "0", "-l", "5", "-L", log_dir,
                                  "-C", conf])
        speech = Speech(os.path.join(log_dir, "speech-dispatcher.log"))
        desktop.start("screen-reader", ["orca", "-u", os.path.join(tmp, "orca"),
                                        "--debug-file", os.path.join(tmp, "orca-debug.out")])
        keep = True  # the logs tell what went wrong
        if not speech.collect(r"Screen reader on", timeout=40):
            skip("Orca did not start speaking within 40 s (logs in %s)" % tmp)

        game_env = dict(QT_ACCESSIBILITY="1", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                        QT_QPA_PLATFORM="xcb")
        desktop.env.update(game_env)
        speech.game = desktop.start("game", [game],
                                    cwd=os.path.dirname(os.path.abspath(catalogue[1])))
        p = Player(desktop, speech, show)

        # The main menu: a window, the focus on its first button.
        got = speech.collect(r"Instructions", timeout=30)
        if show:
            print("%-24s -> %s" % ("(start)", " | ".join(got)), flush=True)
        if not any("Zentara's Logic Problems" in u for u in got):
            p.failures.append("the menu's title was not heard: %r" % got)
        if any(re.search(r"\bdialog\b", u) for u in got):
            p.failures.append("the main menu was read as a dialog: %r" % got)

        record = next(r for r in json.loads(subprocess.run(
            catalogue[0], stdout=subprocess.PIPE, check=True, timeout=60).stdout)
            if r["Number"] == 1)
        answers = solution_cells(record)
        # Words from the first clue: heard when the board first opens, not again.
        clue = re.escape(" ".join(record["ClueText"].split()[1:4]))
        # Puzzle 1: its title and clues when the board first opens.
        p.expect("Tab", r"^#1 - Conferences push button\.$")
        p.expect("space", clue, timeout=20)
        # The grid: one Tab stop before the first button.
        p.expect("shift+Tab", r"^1st Floor and California: blank\.$")
        p.expect("Down", r"^2nd Floor and California: blank\.$")
        p.expect("Right", r"^2nd Floor and New York: blank\.$")
        p.at = (2, 2)
        p.expect("o", r"^Tool: O\.$")
        p.expect("space", r"^2nd Floor and New York: O\.$")
        p.expect("e", r"^Tool: Eraser\.$")
        p.expect("Delete", r"^Tool: Eraser\.$")  # the same words again
        p.expect("space", r"^2nd Floor and New York: blank\. Tool: X\.$")
        p.expect("space", r"^2nd Floor and New York: X\.$")
        p.expect("space", r"^2nd Floor and New York: X\.$")
        # Flat review reads the cursor's row, the cells and the latest words, no lines.
        p.expect("KP_Up", r"^2nd Floor 2nd Floor and California: blank 2nd Floor and New York: X ",
                 absent=r"Tool|separator|1st Floor")
        # The top left block's answers as O's (all 30 take Orca too long on a
        # busy machine), one wrong O in the first one's block column, and an
        # X on the last one.
        answers = [(c, r) for c, r in answers if c <= 5 and r <= 5]
        p.expect("o", r"^Tool: O\.$")
        for col, row in answers:
            p.go(col, row)
            p.expect("space", r": O\.$", quiet=0.2)
        col, row = answers[0]
        wrong = (col, (row - 1) // 5 * 5 + row % 5 + 1)
        p.go(*wrong)
        p.expect("space", r": O\.$")
        p.expect("x", r"^Tool: X\.$")
        p.go(*answers[-1])
        p.expect("space", r": X\.$")
        # Get the Answers, five Tabs on: Intro, Fill-In, Next, Save, Answers.
        p.expect("Tab Tab Tab Tab Tab", r"^Get the Answers push button\.$")
        p.expect("space", r"^Answers shown\. 4 of your 5 O's right, 2 marks wrong\.$")
        p.expect("Tab Tab", r": X\. Answer, your X is wrong\.$")
        p.go(*answers[0])
        p.expect("Down Up", r"Answer, your O is right\.$")
        p.go(*wrong)
        p.expect("Down Up", r"Not an answer, your O is wrong\.$")
        # The introduction and back: the title and the focused button, no clues.
        p.expect("Tab", r"Intro push button")
        p.expect("space", r"Intro to Logic Problem #1", timeout=20)
        p.expect("alt+c", r"Intro push button", timeout=15, absent=clue, quiet=0.5)
        # The fill-in chart: its first boxes by name, Tab and Shift+Tab, and back.
        p.expect("Tab", r"Show Fill-In Grid push button")
        p.expect("space", r"^Floor, line 1 text\.$", timeout=20)
        p.expect("Tab", r"^Room, line 1 text\.$")
        p.expect("shift+Tab", r"^Floor, line 1 text\.$")
        p.expect("alt+h", r"Show Fill-In Grid push button", timeout=15, absent=clue, quiet=0.5)
        # The chooser, to save: its box and lists, which no caption labels, by name; Cancel.
        p.expect("alt+s", r"^File name text\.$", timeout=20)
        p.expect("Tab Tab Tab", r"^Files\.$")
        p.expect("Tab", r"^Folders\.$")
        p.expect("shift+Tab shift+Tab", r"^Cancel push button\.$")
        p.expect("space", r"Show Fill-In Grid push button", timeout=15)
        # Back to the menu.
        p.expect("alt+x", r"^#1 - Conferences push button\.$", timeout=15)
        # The one title the menu shortens is read whole.
        p.expect(" ".join(["Tab"] * 18), r"^#19 - Doctors without Borders push button\.$")

        if p.failures:
            print("Heard, in order:\n  " + "\n  ".join(speech.heard))
            print("\nFAILED:\n  " + "\n  ".join(p.failures))
            print("logs in " + tmp)
            return 1
        keep = False
        print("PASS: %d utterances as expected" % len(speech.heard))
        return 0
    except GameEnded as ended:
        print("Heard, in order:\n  " + "\n  ".join(speech.heard))
        print("\nFAILED: %s; logs in %s" % (ended, tmp))
        return 1
    finally:
        desktop.stop()
        if not keep:
            shutil.rmtree(tmp, ignore_errors=True)


def main():
    args = [a for a in sys.argv[1:] if a != "--show"]
    show = "--show" in sys.argv
    if len(args) < 2:
        print(__doc__)
        return 2
    game, catalogue_tool = args[0], args[1]
    root = args[2] if len(args) > 2 else os.getcwd()
    if os.environ.get("ZLP_READER_SESSION") != "1":
        # One private D-Bus session for the whole desktop.
        if not shutil.which("dbus-run-session"):
            skip("dbus-run-session is not installed (dbus-daemon)")
        # Runs from other build trees take their turns with the one Orca.
        turn = open(os.path.join(tempfile.gettempdir(), "zlp-reader-%d.lock" % os.getuid()), "w")
        deadline = time.monotonic() + 150
        while True:
            try:
                fcntl.flock(turn, fcntl.LOCK_EX | fcntl.LOCK_NB)
                break
            except BlockingIOError:
                if time.monotonic() > deadline:
                    skip("another run of this test kept the screen reader for 150 s")
                time.sleep(0.5)
        env = dict(os.environ, ZLP_READER_SESSION="1")
        env.pop("DBUS_SESSION_BUS_ADDRESS", None)
        try:
            return subprocess.run(["dbus-run-session", "--", sys.executable] + sys.argv,
                                  env=env, timeout=TOTAL_SECONDS + 30).returncode
        except subprocess.TimeoutExpired:
            print("FAILED: the run took longer than %d s" % (TOTAL_SECONDS + 30))
            return 1
    def out_of_time(*_):
        raise TimeoutError("the run took longer than %d s" % TOTAL_SECONDS)

    signal.signal(signal.SIGALRM, out_of_time)
    signal.alarm(TOTAL_SECONDS)
    return play(game, ([catalogue_tool, "--json"], os.path.join(root, "ZLP-Images")), show)


if __name__ == "__main__":
    sys.exit(main())
