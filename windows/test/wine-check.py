#!/usr/bin/env python3
"""The unpacked Windows game played under Wine, in an Xvfb started with
-fbdir: python3 wine-check.py GAME_EXE SCREEN_FILE REFERENCES SETTINGS_FILE OUT
CLOSE_WINDOW.
GAME_EXE is Fornalina.exe in its unpacked folder, SCREEN_FILE the Xvfb's
screen, REFERENCES the desktop game's own pictures (fornalina-screenshots
"all"), SETTINGS_FILE where the game must keep its settings in the prefix, OUT
a folder for the pictures seen, CLOSE_WINDOW the
built close-window.c. Wine's environment (WINEPREFIX, DISPLAY, ...)
is inherited. Prints what it checked and measured; exits 1 on a failure."""
import os
import subprocess
import sys
import time

import pictures

game, screen_file, references, settings_file, out, close_window = sys.argv[1:7]
folder = os.path.dirname(game)

# The same pictures drawn by another build of the same library from the same
# files differ only where fonts are smoothed and colours rounded (the
# browser's check uses the same bounds).
SAME_MEAN, SAME_SHARE = 2.0, 0.01
SOUND_ICON = (720, 20, 52, 52)
PAUSE_CARD = (250, 200, 300, 200)
COOK_BAND = (0, 480, 800, 110)
failures = []


def check(ok, what):
    print(("ok    " if ok else "FAIL  ") + what)
    if not ok:
        failures.append(what)


def xdotool(*arguments):
    return subprocess.run(["xdotool", *arguments], capture_output=True, text=True).stdout.split()


def window(name="^Fornalina$", timeout=60.0):
    """The X window of that name, waited for; None when none came."""
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        found = xdotool("search", "--name", name)
        if found:
            return found[0]
        time.sleep(0.05)
    return None


def client_origin(window_id):
    """Where the 800 x 600 picture sits on the screen: the window less its border."""
    words = xdotool("getwindowgeometry", window_id)
    x, y = (int(v) for v in words[words.index("Position:") + 1].split(","))
    width, height = (int(v) for v in words[words.index("Geometry:") + 1].split("x"))
    return x + (width - 800) // 2, y + (height - 600) // 2


def game_picture(origin, area=(0, 0, 800, 600)):
    x, y, width, height = area
    return pictures.read_screen(screen_file).crop(origin[0] + x, origin[1] + y, width, height)


def same(a, b):
    mean, share = pictures.difference(a, b)
    return mean <= SAME_MEAN and share <= SAME_SHARE, f"mean {mean:.3f}/255, {100 * share:.3f} % of pixels apart"


def press(*keys, hold=None):
    for key in keys:
        xdotool("key", key)
        time.sleep(0.3)
    if hold:
        xdotool("keydown", hold)
        time.sleep(1.0)
        xdotool("keyup", hold)


def start(arguments=()):
    errors = open(os.path.join(out, "stderr.txt"), "w+")
    process = subprocess.Popen(["wine", game, *arguments], stdout=subprocess.DEVNULL, stderr=errors, cwd="/")
    return process, errors


def wait_shown(origin, reference, area=(0, 0, 800, 600), timeout=60.0):
    """True once that area of the game's window shows the reference."""
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        if same(game_picture(origin, area), reference)[0]:
            return True
        time.sleep(0.2)
    return False


def wait_changed(origin, shown, timeout=30.0):
    """True once the game's window no longer shows that picture."""
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        if not same(game_picture(origin), shown)[0]:
            return True
        time.sleep(0.2)
    return False


def settings():
    return open(settings_file, encoding="utf-8").read() if os.path.exists(settings_file) else ""


def finish(process, errors, timeout=30):
    try:
        status = process.wait(timeout)
    except subprocess.TimeoutExpired:
        process.kill()
        status = None
    errors.seek(0)
    return status, errors.read()


def close(window_id, by_keys):
    """As a Windows player closes it: Alt+F4 on the focused window, or the
    close button (the window manager's message, which Wine makes WM_CLOSE)."""
    if by_keys:
        xdotool("windowfocus", window_id)
        time.sleep(0.3)
        xdotool("key", "alt+F4")
    else:
        subprocess.run([close_window, window_id], check=True)


os.makedirs(out, exist_ok=True)
menu = pictures.read_png(os.path.join(references, "menu.png"))
difficulty = pictures.read_png(os.path.join(references, "difficulty.png"))
pause = pictures.read_png(os.path.join(references, "pause.png")).crop(*PAUSE_CARD)
xdotool("mousemove", "0", "0")  # the pointer off the window, out of its pictures

# First launch: a fresh prefix, no settings yet.
started = time.monotonic()
process, errors = start()
window_id = window()
check(window_id is not None, "the game's window opens")
origin = client_origin(window_id)
check(wait_shown(origin, menu), "the title menu shows")
print(f"      time to the title menu under Wine: {time.monotonic() - started:.1f} s (its first start in the new prefix)")
seen = game_picture(origin)
pictures.write_png(seen, os.path.join(out, "menu.png"))
ok, how = same(seen, menu)
check(ok, f"the title menu is the desktop game's own picture ({how}; at most {SAME_MEAN}/255 and {100 * SAME_SHARE} %)")
xdotool("windowfocus", window_id)
time.sleep(0.3)

press("m")
time.sleep(1.0)
saved = settings()
check("music=off" in saved, f"M is remembered in the prefix's AppData ({settings_file!r}: {saved.strip()!r})")
music_off_icon = game_picture(origin, SOUND_ICON)
check(not same(music_off_icon, menu.crop(*SOUND_ICON))[0], "the menu shows the music switched off")

press("Return")
time.sleep(0.5)
ok, how = same(game_picture(origin), difficulty)
check(ok, f"ENTER leads to the difficulty screen ({how})")
# Each key once the screen before has gone: keys are not queued across screens.
press("1")
check(wait_changed(origin, difficulty), "1 draws an easy recipe")
recipe = game_picture(origin)
press("Return")
check(wait_changed(origin, recipe), "ENTER starts the round")
time.sleep(4.5)  # the get-ready count, then the clock runs
# Where the cook stands: the middle of what differs from the bare kitchen in
# the cook's band (a falling ingredient there moves it a little).
kitchen = pictures.read_png(os.path.join(folder, "Assets", "Sprites", "Background.png")).crop(*COOK_BAND)
before = pictures.difference_centre(game_picture(origin, COOK_BAND), kitchen)
# A loaded machine may still be counting down: up to three holds of a second.
for _ in range(3):
    press(hold="Right")
    after = pictures.difference_centre(game_picture(origin, COOK_BAND), kitchen)
    if after - before > 30:
        break
check(after - before > 30, f"a held right arrow moves the cook in a running round (from x {before:.0f} to {after:.0f})")
press("p")
time.sleep(0.5)
pictures.write_png(game_picture(origin), os.path.join(out, "pause.png"))
ok, how = same(game_picture(origin, PAUSE_CARD), pause)
check(ok, f"P pauses the round: the pause card is the desktop's ({how})")
close(window_id, by_keys=False)
status, said = finish(process, errors)
check(status == 0, f"closing the window ends the game with status 0 (status {status}, said {said.strip()!r})")

# Second launch: the music stays off.
process, errors = start()
window_id = window()
origin = client_origin(window_id) if window_id else (0, 0)
check(wait_shown(origin, music_off_icon, SOUND_ICON), "a second launch starts with the music off")
xdotool("windowfocus", window_id)
time.sleep(0.3)
for key, size, word in (("F11", "1024x768", "on"), ("alt+Return", "804x604", "off")):
    press(key)
    deadline = time.monotonic() + 10
    while time.monotonic() < deadline and not (
            xdotool("getwindowgeometry", window_id)[-1] == size and f"fullscreen={word}" in settings()):
        time.sleep(0.2)
    check(xdotool("getwindowgeometry", window_id)[-1] == size and "music=off" in settings(),
          f"{key} makes the window {size} and saves fullscreen={word} beside the music "
          f"({settings().strip()!r})")
close(window_id, by_keys=True)
status, said = finish(process, errors)
check(status == 0, f"and Alt+F4 ends it with status 0 (status {status})")

# Asked for its version with standard output redirected: it answers there.
answer = subprocess.run(["wine", game, "--version"], capture_output=True, text=True, timeout=60)
version = os.path.basename(folder).split("-", 1)[1]  # the zip's folder: Fornalina-VERSION
check(answer.returncode == 0 and answer.stdout == f"fornalina {version}\n",
      f"--version answers on standard output ({answer.stdout!r}, status {answer.returncode})")

# A missing font: its message in a message box and on standard error.
font = os.path.join(folder, "Assets", "Fonts", "orangeJuice.ttf")
os.rename(font, font + ".away")
process, errors = start()
box = window()
if box:
    time.sleep(1.0)
    sizes = [xdotool("getwindowgeometry", shown)[-1] for shown in xdotool("search", "--name", "^Fornalina$")]
    check(sizes == [xdotool("getwindowgeometry", box)[-1]] and not sizes[0].startswith("80"),
          f"the box shows once the game's window is gone (windows: {sizes})")
    pictures.write_png(pictures.read_screen(screen_file), os.path.join(out, "missing-font.png"))
    xdotool("windowfocus", box)
    time.sleep(0.3)
    xdotool("key", "Return")
check(box is not None, "a missing font shows a message box")
status, said = finish(process, errors)
os.rename(font + ".away", font)
check(status not in (0, None) and said.strip() == "Falha ao carregar fonte.",
      f"and ends with its message and a non-zero status (status {status}, said {said.strip()!r})")

if failures:
    print(f"{len(failures)} check(s) failed; the pictures seen are in {out}")
    sys.exit(1)
