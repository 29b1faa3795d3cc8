#!/usr/bin/env python3
"""Works a run of 1/a, of 3 and of 4 from the keyboard with the Orca screen reader
listening, and checks what Orca would say (the SPEECH OUTPUT lines of its debug log).

Run it on an X display with a session bus of its own:
    xvfb-run -a dbus-run-session -- tests/orca_speaks.py KERBU_BINARY LESSON_DATA
"""
import os
import re
import subprocess
import sys
import tempfile
import time

kerbu, lesson = sys.argv[1], sys.argv[2]
work = tempfile.mkdtemp(prefix="kerbu-orca-")
log = os.path.join(work, "orca.log")
# The keys that give the Hungarian letters in the word box of 1/a.
keys = {"á": "'", "é": ";", "í": "`", "ű": "\\", "ő": "[", "ü": "-", "ö": "0", "ú": "]", "ó": "="}
# The base words and answers of 1/a, from the lesson as the book prints it.
book = open(lesson, encoding="utf-8").read().split("[words k04d1a ")[1].split("\n[")[0]
answers = dict(line.split(" -> ") for line in book.splitlines() if " -> " in line)


def log_text():
    return open(log, encoding="utf-8", errors="replace").read() if os.path.exists(log) else ""


def wait_for(pattern, after, timeout=20):
    """The first spoken line from number `after` on that matches, and the number after it."""
    deadline = time.time() + timeout
    while time.time() < deadline:
        lines = re.findall(r"SPEECH OUTPUT: '(.*?)' ?\{'established", log_text())
        for n in range(after, len(lines)):
            if match := re.search(pattern, lines[n]):
                return match, n + 1
        time.sleep(0.2)
    sys.exit(f"FAIL: Orca never said /{pattern}/; it said:\n  " + "\n  ".join(lines[after:]))


def key(*names):
    subprocess.run(["xdotool", "key", "--delay", "80", *names], check=True)
    time.sleep(0.3)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "60", text], check=True)


env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
# Orca's customisations file, read at its start, makes its log line-buffered, so that
# each line can be read as soon as it is said, and leaves out the speech server: the log
# records every line all the same, and speech-dispatcher with no sound card can hang.
os.makedirs(os.path.join(work, "prefs"))
with open(os.path.join(work, "prefs", "orca-customizations.py"), "w") as custom:
    custom.write("from orca import debug, speech\n"
                 "speech.init = lambda: None\n"
                 "if debug.debugFile:\n"
                 "    debug.debugFile.reconfigure(line_buffering=True)\n")
bus = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], env=env)
time.sleep(1)
orca = subprocess.Popen(["orca", "--replace", "-u", os.path.join(work, "prefs"),
                         "--debug-file", log], env=env,
                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
deadline = time.time() + 30
while "ORCA: Startup complete" not in log_text():
    if time.time() > deadline:
        sys.exit("FAIL: Orca did not start")
    time.sleep(0.2)
program = subprocess.Popen([kerbu], env=env)
try:
    _, at = wait_for(r"Exercise 1a push button", 0, 40)
    key("Return")
    _, at = wait_for(r"4\. lecke: 1/a frame", at)
    time.sleep(1)
    key("alt+o")
    key("h")  # Hints on
    key("Return")
    match, at = wait_for(r"^Ending for (.+?) text\.$", at)
    word = match.group(1)
    type_text("xy")
    key("Return")
    _, at = wait_for(r"It's wrong\. Try again\.", at)
    key("Return")
    match, at = wait_for(rf"^Ending for {re.escape(word)}\. Hint: (.+) text\.$", at)
    print(f"1/a asks {word}; hint: {match.group(1)}")
    # The whole answer in the word box, each Hungarian letter by its key.
    key("ctrl+a", "BackSpace", "shift+Tab", "ctrl+a", "BackSpace")
    type_text("".join(keys.get(c, c) for c in answers[word]))
    key("Return")
    _, at = wait_for(r"^Right\.", at)
    match, at = wait_for(r"^Ending for (.+?) text\.$", at)
    print("right; then", match.group(1))

    # Exercises 3 and 4: opened by their go-to keys, started with Alt+S (in 4 the focus
    # starts in the first gap), the first item said, a right answer, "Right." and the next.
    for number, first, typed, then in (
            ("3", r"Your sentence\. Picture of a bank, with Kati", "Kati a bankba megy.",
             r"^Your sentence\. Picture of a car, with én"),
            ("4", r"Gap 1, after piros", "at", r"^Gap 2, after zöld")):
        key(f"alt+{number}")
        _, at = wait_for(rf"4\. lecke: {number}\. frame", at)
        time.sleep(1)
        key("alt+s")
        _, at = wait_for(first, at)
        type_text(typed)
        key("Return")
        _, at = wait_for(r"^Right\.", at)
        _, at = wait_for(then, at)
        print(f"{number}: right, and the next item said")
    print("PASS")
finally:
    for process in (program, orca, bus):
        process.terminate()
