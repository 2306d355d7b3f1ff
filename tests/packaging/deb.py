#!/usr/bin/env python3
"""The .deb, installed on this machine and used by an ordinary user.

    deb.py BUILD_DIR CPACK

Builds the package with CPACK, installs it with dpkg, starts `tarvenik` offscreen as a
throw-away unprivileged user for 3 s, then, on a private X display, lets that user add a
person through the person dialog, and finds Udaje.ini in the user's own data folder and
nothing new under /opt. Removes the package and the user afterwards. Needs root and dpkg;
elsewhere it is skipped (exit code 77). A copy of the package that is already installed is
left alone, and so the test is skipped then too.
"""

import fcntl
import glob
import os
import pwd
import shutil
import subprocess
import sys
import tempfile
import time
from pathlib import Path

sys.dont_write_bytecode = True  # no cache files in the source tree
sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "e2e"))
import e2e  # noqa: E402
from desktop import Desktop, Failure  # noqa: E402

PACKAGE = "tarvenik"
INSTALLED = Path("/opt/tarvenik")
SKIP = 77


def run(*args, **kwargs):
    done = subprocess.run(args, capture_output=True, text=True, **kwargs)
    if done.returncode != 0:
        raise Failure(f"{' '.join(args)} ended with {done.returncode}:\n{done.stdout}{done.stderr}")
    return done.stdout


def installed():
    done = subprocess.run(["dpkg-query", "-W", "-f=${Status}", PACKAGE],
                          capture_output=True, text=True)
    return "ok installed" in done.stdout


def dpkg(*args, timeout=120.0):
    """dpkg, waiting while another dpkg or apt holds the package database."""
    deadline = time.monotonic() + timeout
    while True:
        done = subprocess.run(["dpkg", *args], capture_output=True, text=True)
        if done.returncode == 0:
            return
        if "lock" not in done.stderr or time.monotonic() > deadline:
            raise Failure(f"dpkg {' '.join(args)}:\n{done.stdout}{done.stderr}")
        time.sleep(1)


class User:
    """A throw-away login-less user whose home lies in `folder`."""

    def __init__(self, folder):
        self.name = f"tvdeb{os.getpid()}"
        self.home = Path(folder) / "home"
        run("useradd", "--create-home", "--home-dir", str(self.home),
            "--shell", "/usr/sbin/nologin", self.name)
        self.uid = pwd.getpwnam(self.name).pw_uid

    def command(self, *args):
        """`args` run as the user, with a clean per-user environment."""
        return ["runuser", "-u", self.name, "--", "env", "-u", "XDG_DATA_HOME",
                "-u", "XDG_CONFIG_HOME", "-u", "XDG_RUNTIME_DIR", *args]

    def remove(self):
        subprocess.run(["userdel", "--remove", self.name], capture_output=True)


def start_offscreen(user):
    """Three seconds of the installed program without a display: it must still run then."""
    done = subprocess.run(user.command("QT_QPA_PLATFORM=offscreen", "timeout", "3", PACKAGE),
                          capture_output=True, text=True)
    if done.returncode != 124:  # 124: still running when `timeout` stopped it
        raise Failure(f"tarvenik ended with {done.returncode} within 3 s:\n{done.stderr}")


def add_person(ui, user, scratch):
    log = open(Path(scratch) / "tarvenik.log", "wb")
    program = ui.start(*user.command(PACKAGE), cwd=str(user.home), output=log)
    try:
        main = e2e.main_window(ui)
        selection = e2e.open_calculation(ui, main)
        e2e.add_person(ui, selection, "Jiří", "Dvořák", "M", "05031975")
        ui.keys("Escape")
        ui.wait_gone(selection)
        e2e.quit_program(ui, ui.wait_window("Tarvenik"))
        if program.wait(timeout=10) != 0:
            raise Failure(f"tarvenik ended with exit code {program.returncode}")
    except Failure as failure:
        log.flush()
        output = (Path(scratch) / "tarvenik.log").read_text(errors="replace")
        raise Failure(f"{failure}\nThe program's output:\n{output}") from None
    finally:
        if program.poll() is None:
            program.kill()
            program.wait()
        log.close()


def check_files(user):
    data = user.home / ".local" / "share" / "Tarvenik"
    persons = data / "Udaje.ini"
    if not persons.is_file():
        found = sorted(str(p) for p in user.home.rglob("*") if p.is_file())
        raise Failure(f"no {persons}; the user's files: {found}")
    e2e.expect("Udaje.ini", persons.read_bytes(),
               e2e.person_record("Jiří", "Dvořák", "5.3.1975", 0))
    if persons.stat().st_uid != user.uid:
        raise Failure(f"{persons} does not belong to {user.name}")
    left = [name for name in ("Udaje.ini", "Tarvenik.ini") if (INSTALLED / name).exists()]
    if left:
        raise Failure(f"written under {INSTALLED}: {left}")


def check_layout():
    link = Path("/usr/bin/tarvenik")
    if not link.is_symlink() or os.readlink(link) != str(INSTALLED / "tarvenik"):
        raise Failure(f"{link} is not a link to {INSTALLED / 'tarvenik'}")
    for path in (INSTALLED / "Svatky.ini", INSTALLED / "Data",
                 Path("/usr/share/applications/cz.tarvenik.Tarvenik.desktop")):
        if not path.exists():
            raise Failure(f"the package did not install {path}")


def test(build_dir, cpack, scratch):
    run(cpack, "-G", "DEB", "-B", str(Path(scratch) / "package"), cwd=build_dir)
    package = glob.glob(str(Path(scratch) / "package" / "*.deb"))[0]
    user = None
    try:
        dpkg("--install", package)
        check_layout()
        user = User(scratch)
        start_offscreen(user)
        if (user.home / ".local" / "share" / "Tarvenik").exists():
            raise Failure("starting the program created the user's data folder")
        ui = Desktop()
        try:
            add_person(ui, user, scratch)
        finally:
            ui.close()
        check_files(user)
    finally:
        if user:
            user.remove()
        dpkg("--purge", PACKAGE)
    if INSTALLED.exists():
        raise Failure(f"{INSTALLED} is still there after the package was purged")
    return Path(package)


def main(argv):
    if len(argv) != 3:
        print(__doc__, file=sys.stderr)
        return 2
    if not shutil.which("dpkg") or os.geteuid() != 0:
        print("SKIPPED: installing a .deb needs dpkg and root")
        return SKIP
    started = time.monotonic()
    # Several build folders on one machine take turns.
    with open(Path(tempfile.gettempdir()) / "tarvenik-deb-test.lock", "w") as lock:
        fcntl.flock(lock, fcntl.LOCK_EX)
        if installed():
            print(f"SKIPPED: {PACKAGE} is installed on this machine; the test leaves it alone")
            return SKIP
        with tempfile.TemporaryDirectory(prefix="tarvenik-deb-") as scratch:
            os.chmod(scratch, 0o755)  # the user's home lies inside
            try:
                package = test(argv[1], argv[2], scratch)
            except Failure as failure:
                print(f"FAILED: {failure}", file=sys.stderr)
                return 1
            size = package.stat().st_size
    print(f"passed in {time.monotonic() - started:.1f} s; {package.name}: {size} bytes")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
