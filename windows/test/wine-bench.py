#!/usr/bin/env python3
"""Figures of the Windows build under Wine, printed:
python3 wine-bench.py GAME_EXE LINUX_GAME SCREEN_FILE REFERENCES CLOSE_WINDOW.
Time from start to the title menu's first frame (the first start in a new
prefix, then warm starts), and the CPU share of the waiting title menu under
Wine (Direct3D, Allegro's choice on Windows, and OpenGL), beside the Linux
game's, all running at once and read over the same seconds."""
import os
import statistics
import subprocess
import sys
import time

import pictures

game, linux_game, screen_file, references, close_window = sys.argv[1:6]
prefix = os.environ["WINEPREFIX"]
TICKS = os.sysconf("SC_CLK_TCK")
WARM_STARTS = 3
WINDOWS, SECONDS = 3, 5.0


def xdotool(*arguments):
    return subprocess.run(["xdotool", *arguments], capture_output=True, text=True).stdout.split()


def windows_named(name="^Fornalina$"):
    return xdotool("search", "--name", name)


def origin_of(window_id):
    words = xdotool("getwindowgeometry", window_id)
    x, y = (int(v) for v in words[words.index("Position:") + 1].split(","))
    width, height = (int(v) for v in words[words.index("Geometry:") + 1].split("x"))
    return x + (width - 800) // 2, y + (height - 600) // 2


# A grid of the menu's pixels, enough to tell its first frame cheaply.
menu = pictures.read_png(os.path.join(references, "menu.png"))
GRID = [(x, y) for x in range(40, 800, 80) for y in range(30, 600, 60)]


def shows_menu(origin):
    screen = open(screen_file, "rb").read()
    header = [int.from_bytes(screen[at:at + 4], "big") for at in range(0, 100, 4)]
    base, line = header[0] + 12 * header[19], header[12]
    for x, y in GRID:
        at = base + (origin[1] + y) * line + (origin[0] + x) * 4
        seen = (screen[at + 2], screen[at + 1], screen[at])
        wanted = menu.rgb[(y * 800 + x) * 3:(y * 800 + x) * 3 + 3]
        if max(abs(a - b) for a, b in zip(seen, wanted)) > 24:
            return False
    return True


def time_to_menu():
    started = time.monotonic()
    process = subprocess.Popen(["wine", game], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, cwd="/")
    while time.monotonic() - started < 60:
        found = windows_named()
        if found and shows_menu(origin_of(found[0])):
            seconds = time.monotonic() - started
            subprocess.run([close_window, found[0]])
            process.wait(30)
            return seconds
        time.sleep(0.02)
    process.kill()
    raise SystemExit("the title menu never showed")


def cpu_seconds(pids):
    total = 0
    for pid in pids:
        try:
            fields = open(f"/proc/{pid}/stat").read().rsplit(")", 1)[1].split()
            total += int(fields[11]) + int(fields[12])
        except (FileNotFoundError, ProcessLookupError):
            pass
    return total / TICKS


def prefix_processes():
    """Every process of this Wine prefix: the game, wineserver and Wine's services."""
    found = []
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            if f"WINEPREFIX={prefix}".encode() in open(f"/proc/{pid}/environ", "rb").read().split(b"\0"):
                found.append(pid)
        except (FileNotFoundError, PermissionError, ProcessLookupError):
            pass
    return found


def game_process(name):
    """The process Wine runs the .exe in: its first argument names it."""
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            first = open(f"/proc/{pid}/cmdline", "rb").read().split(b"\0")[0].decode(errors="replace")
            if first.rstrip().endswith(name):
                return pid
        except (FileNotFoundError, ProcessLookupError):
            pass
    return None


first = time_to_menu()
warm = [time_to_menu() for _ in range(WARM_STARTS)]
print(f"time to the title menu under Wine: {first:.2f} s the first start in a new prefix, "
      f"{statistics.median(warm):.2f} s warm (median of {WARM_STARTS}: {', '.join(f'{s:.2f}' for s in warm)})")

driver_file = os.path.join(os.path.dirname(game), "allegro5.cfg")
for driver in ("direct3d", "opengl"):
    with open(driver_file, "w") as config:
        config.write(f"[graphics]\ndriver={driver}\n")
    wine = subprocess.Popen(["wine", game], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, cwd="/")
    linux = subprocess.Popen([linux_game], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                             env={**os.environ, "ALSOFT_DRIVERS": "null"})
    time.sleep(8.0)  # both on their title menus, the start-up's work done
    exe = game_process("Fornalina.exe")
    shares = {"exe": [], "wine": [], "linux": []}
    for _ in range(WINDOWS):
        pids = prefix_processes()
        before = (cpu_seconds([exe]), cpu_seconds(pids), cpu_seconds([linux.pid]))
        time.sleep(SECONDS)
        after = (cpu_seconds([exe]), cpu_seconds(pids), cpu_seconds([linux.pid]))
        for key, b, a in zip(shares, before, after):
            shares[key].append(100 * (a - b) / SECONDS)
    for window_id in windows_named():
        subprocess.run([close_window, window_id])
    wine.wait(30)
    linux.wait(30)
    print(f"waiting title menu, music playing, % of one core (median of {WINDOWS} x {SECONDS:.0f} s, read at once), "
          f"Wine with {driver}: Fornalina.exe {statistics.median(shares['exe']):.1f} %, "
          f"with wineserver and Wine's services {statistics.median(shares['wine']):.1f} %; "
          f"the Linux game beside it {statistics.median(shares['linux']):.1f} %")
os.remove(driver_file)
