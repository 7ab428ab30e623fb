"""Drives Windows programs under Wine in the test display as a user would.

Run under scripts/with-display (one Xvfb display, one Wine server for every
program a test starts), with the project's prefix, whose X11 driver settings
make each X window match its Win32 window and let X focus activate it.
Coordinates given to a Window are client coordinates of a frameless window:
its client area fills its whole rectangle. Every wait has a deadline.
"""
import os
import subprocess
import time
import zlib
from pathlib import Path

from Xlib import X, display

import xdnd_drop

ROOT = Path(__file__).resolve().parents[2]
WINE_RUN = ROOT / "scripts" / "wine-run"


def wait_until(condition, timeout, what, interval=0.1):
    """Polls `condition` until it returns a true value, which is returned."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError(f"not within {timeout} s: {what}")
        time.sleep(interval)


def wait_equal(probe, expected, timeout, what, interval=0.2):
    """Polls `probe` until it returns `expected`; a timeout reports what it returned last."""
    seen = []

    def matches():
        seen[:] = [probe()]
        return seen[0] == expected

    try:
        wait_until(matches, timeout, what, interval)
    except AssertionError as error:
        raise AssertionError(f"{error}\n  expected {expected!r}\n  last saw {seen[0]!r}") from None


def _require_display():
    if not os.environ.get("DISPLAY"):
        raise RuntimeError("no X display: run the test under scripts/with-display")


def _run(*command):
    return subprocess.run(command, capture_output=True, text=True, check=False)


class Program:
    """A Windows program started under Wine."""

    def __init__(self, exe, *args):
        _require_display()
        self.process = subprocess.Popen([str(WINE_RUN), str(exe), *map(str, args)], stdin=subprocess.DEVNULL)

    def wait_exit(self, timeout):
        """The program's exit code; fails when it is still running after `timeout` seconds."""
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            raise AssertionError(f"the program still runs after {timeout} s") from None

    def kill(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()


def set_log_pixels(dpi):
    """The display DPI that programs started from now on see (Wine reads it at start)."""
    result = subprocess.run([str(WINE_RUN), "reg", "add", r"HKCU\Control Panel\Desktop", "/v", "LogPixels",
                             "/t", "REG_DWORD", "/d", str(dpi), "/f"], capture_output=True, check=False)
    if result.returncode != 0:
        raise AssertionError(f"LogPixels could not be set to {dpi}")


def font_families(exe, prefix):
    """The font families that a fresh process of the same Wine server sees, by name prefix."""
    result = subprocess.run([str(WINE_RUN), str(exe), prefix], capture_output=True, check=False)
    if result.returncode != 0:
        raise RuntimeError(f"{exe} failed: {result.stderr.decode(errors='replace')}")
    return {line.strip() for line in result.stdout.decode("utf-8").splitlines() if line.strip()}


def clipboard_text():
    """The X clipboard as text; empty when nobody owns it (Wine's clipboard is the X clipboard)."""
    result = _run("xclip", "-o", "-selection", "clipboard")
    return result.stdout if result.returncode == 0 else ""


class Shot:
    """A screenshot of a window: pixels in client coordinates."""

    def __init__(self, width, height, bgrx):
        self.width, self.height, self.bgrx = width, height, bgrx

    def pixel(self, x, y):
        offset = (y * self.width + x) * 4
        blue, green, red = self.bgrx[offset:offset + 3]
        return red, green, blue

    def dark_pixels(self, rect, limit=160):
        """How many pixels of (left, top, right, bottom) are dark in every channel: text on a light ground.

        A thin glyph such as "×" leaves only a few pixels below 100 once anti-aliased."""
        left, top, right, bottom = rect
        return sum(1 for y in range(top, bottom) for x in range(left, right) if max(self.pixel(x, y)) < limit)

    def has_text(self, rect, least=3):
        return self.dark_pixels(rect) >= least

    def is_blank(self, rect):
        return self.dark_pixels(rect) == 0

    def save_png(self, path):
        rows = b"".join(b"\0" + bytes(value for x in range(self.width) for value in self.pixel(x, y))
                        for y in range(self.height))

        def chunk(kind, data):
            body = kind + data
            return len(data).to_bytes(4, "big") + body + zlib.crc32(body).to_bytes(4, "big")

        header = self.width.to_bytes(4, "big") + self.height.to_bytes(4, "big") + bytes([8, 2, 0, 0, 0])
        Path(path).write_bytes(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(rows)) +
                               chunk(b"IEND", b""))


def _ere_literal(text):
    return "".join("\\" + c if c in ".[]()*+?{}|^$\\" else c for c in text)


class Window:
    """A program's top-level window, found by its title with xdotool."""

    def __init__(self, window_id):
        self.id = window_id

    @classmethod
    def find(cls, title, timeout):
        _require_display()

        def search():
            found = _run("xdotool", "search", "--onlyvisible", "--name", f"^{_ere_literal(title)}$").stdout.split()
            return found[0] if found else None

        return cls(wait_until(search, timeout, f'a visible window titled "{title}"', interval=0.25))

    @classmethod
    def all(cls, title):
        """Every visible window titled exactly so."""
        _require_display()
        found = _run("xdotool", "search", "--onlyvisible", "--name", f"^{_ere_literal(title)}$").stdout.split()
        return [cls(window_id) for window_id in found]

    @classmethod
    def find_sized(cls, width, height, timeout):
        """A visible window of this size, for popups without a title."""
        _require_display()

        def search():
            for window_id in _run("xdotool", "search", "--onlyvisible", "--name", "").stdout.split():
                if cls(window_id).geometry()[2:] == (width, height):
                    return window_id
            return None

        return cls(wait_until(search, timeout, f"a visible {width} x {height} window", interval=0.25))

    def geometry(self):
        """(x, y, width, height) on the screen."""
        result = _run("xdotool", "getwindowgeometry", "--shell", self.id)
        if result.returncode != 0:
            raise AssertionError(f"window {self.id} is gone")
        values = dict(line.split("=", 1) for line in result.stdout.split())
        return tuple(int(values[key]) for key in ("X", "Y", "WIDTH", "HEIGHT"))

    def to_screen(self, x, y):
        left, top, _, _ = self.geometry()
        return left + x, top + y

    def move(self, x, y):
        # Wine misses a move back onto the pointer's last point, so arrive from the next pixel.
        sx, sy = self.to_screen(x, y)
        subprocess.run(["xdotool", "mousemove", str(sx - 1), str(sy), "mousemove", str(sx), str(sy)], check=True)

    def click(self, x, y, button=1):
        self.move(x, y)
        subprocess.run(["xdotool", "click", str(button)], check=True)

    def wheel(self, x, y, notches):
        """Turns the wheel over a point: positive notches scroll down (towards the user)."""
        self.move(x, y)
        button = "5" if notches > 0 else "4"
        subprocess.run(["xdotool", "click", "--repeat", str(abs(notches)), "--delay", "30", button], check=True)

    def drop(self, x, y, paths):
        """Drags the files from outside and drops them at the point, in this order."""
        xdnd_drop.drop_files(*self.to_screen(x, y), [str(p) for p in paths])

    def screenshot(self):
        left, top, width, height = self.geometry()
        connection = display.Display()
        try:
            image = connection.screen().root.get_image(left, top, width, height, X.ZPixmap, 0xFFFFFFFF)
        finally:
            connection.close()
        if len(image.data) != width * height * 4:
            raise RuntimeError("expected a 24-bit display with 32 bits per pixel")
        return Shot(width, height, image.data)
