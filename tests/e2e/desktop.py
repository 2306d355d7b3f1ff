"""A private X display for driving a real program as a user does.

Xvfb on a display number it picks itself, keys for the Czech letters so that xdotool
types them with real key presses, windows found by their titles as the window system
shows them (_NET_WM_NAME read with xprop), and window images for telling views apart.
There is no window manager: the driver gives each window the keyboard focus itself.
"""

import os
import subprocess
import time


# The keysyms of the Czech letters with diacritics; the capital's name is capitalised.
CZECH_LETTERS = ["aacute", "ccaron", "dcaron", "eacute", "ecaron", "iacute", "ncaron", "oacute",
                 "rcaron", "scaron", "tcaron", "uacute", "uring", "yacute", "zcaron"]


class Failure(Exception):
    """A step did not see what a user would have seen."""


class Desktop:
    def __init__(self, width=1280, height=1024):
        read_end, write_end = os.pipe()
        # -displayfd: the server takes the first free display number and tells us which.
        # -noreset: without it the server resets when its last client leaves, and a
        # program connecting just then is turned away.
        self._server = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{width}x{height}x24",
             "-nolisten", "tcp", "-noreset"],
            pass_fds=[write_end], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as pipe:
            number = pipe.readline().strip()
        if not number:
            self._server.kill()
            raise Failure("Xvfb did not start")
        self.display = ":" + number
        self.env = dict(os.environ, DISPLAY=self.display, LC_ALL="C.UTF-8")
        self.env.pop("QT_QPA_PLATFORM", None)  # the real platform, not offscreen
        self._add_czech_letters()

    def _add_czech_letters(self):
        # xdotool types a character with the key that carries it. For a character the map
        # lacks it rebinds a spare key just for that key press, and the program may read the
        # key before it has seen the new binding: a lost or wrong letter now and then. So
        # every Czech letter gets a spare key of its own before the program starts.
        table = self.run("xmodmap", "-pke").decode().splitlines()
        spare = [line.split()[1] for line in table if line.rstrip().endswith("=")]
        if len(spare) < len(CZECH_LETTERS):
            raise Failure(f"only {len(spare)} spare keys for {len(CZECH_LETTERS)} letters")
        bindings = []
        for code, letter in zip(spare, CZECH_LETTERS):
            bindings += ["-e", f"keycode {code} = {letter} {letter.capitalize()}"]
        self.run("xmodmap", *bindings)

    def close(self):
        self._server.terminate()
        self._server.wait(timeout=10)

    def run(self, *args):
        done = subprocess.run(args, env=self.env, capture_output=True, timeout=10)
        if done.returncode != 0:
            raise Failure(f"{' '.join(args)}: {done.stderr.decode(errors='replace').strip()}")
        return done.stdout

    def start(self, *args, cwd=None, output=None):
        return subprocess.Popen(args, env=self.env, cwd=cwd, stdout=output,
                                stderr=subprocess.STDOUT)

    # ---- windows ------------------------------------------------------------------------

    def title(self, window):
        """The window's _NET_WM_NAME exactly, or None while it has none."""
        try:
            out = self.run("xprop", "-id", str(window), "-notype", "_NET_WM_NAME")
        except Failure:
            return None  # gone meanwhile
        text = out.decode()
        if " = " not in text:
            return None
        quoted = text.split(" = ", 1)[1].strip()
        return quoted[1:-1].replace('\\"', '"').replace("\\\\", "\\")

    def visible_windows(self):
        """{window id: title} of every mapped window that has a title."""
        done = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", ""],
                              env=self.env, capture_output=True, timeout=10)
        windows = {}
        for line in done.stdout.split():
            title = self.title(int(line))
            if title is not None:
                windows[int(line)] = title
        return windows

    def wait_window(self, title, timeout=10.0, focus=True):
        """Waits until a window with exactly this title is shown and gives it the focus."""
        deadline = time.monotonic() + timeout
        while True:
            shown = self.visible_windows()
            found = [w for w, t in shown.items() if t == title]
            if found:
                if focus:
                    self.focus(found[0])
                return found[0]
            if time.monotonic() > deadline:
                raise Failure(f"no window titled {title!r} within {timeout} s; "
                              f"shown: {sorted(shown.values())}")
            time.sleep(0.05)

    def wait_gone(self, window, timeout=10.0):
        deadline = time.monotonic() + timeout
        while window in self.visible_windows():
            if time.monotonic() > deadline:
                raise Failure(f"window {self.title(window)!r} still shown after {timeout} s")
            time.sleep(0.05)

    def focus(self, window):
        self.run("xdotool", "windowfocus", "--sync", str(window))

    def size(self, window):
        """Width and height of the window's inside, as the program laid it out."""
        return self.geometry(window)[2:]

    def geometry(self, window):
        """Left, top, width and height of the window's inside on the screen."""
        out = self.run("xwininfo", "-id", str(window)).decode()
        fields = dict(line.strip().split(": ", 1) for line in out.splitlines()
                      if ": " in line)
        return tuple(int(fields[name]) for name in
                     ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"))

    def decorated(self, window):
        """False when the window asks the window system for no title bar and no frame."""
        out = self.run("xprop", "-id", str(window), "-notype", "_MOTIF_WM_HINTS").decode()
        if " = " not in out:
            return True
        # flags, functions, decorations, ...; flag 2 says the decorations field counts
        flags, _, decorations = (int(v, 0) for v in out.split(" = ", 1)[1].split(",")[:3])
        return not (flags & 2) or decorations != 0

    def image(self, window):
        """The window's pixels, for comparing what it shows at two moments."""
        return self.run("xwd", "-silent", "-id", str(window))

    # ---- keyboard -------------------------------------------------------------------------

    def keys(self, *names):
        self.run("xdotool", "key", "--delay", "30", *names)

    def type(self, text):
        self.run("xdotool", "type", "--delay", "30", text)
