#!/usr/bin/env python3
"""End-to-end test of the real program, used as a new user uses it.

    e2e.py APP_DIR

Runs the built executable on a scratch copy of its folder (APP_DIR, without the person and
settings files a run may have left there) on a private X display, drives it with the
keyboard, compares every window title exactly as the window system shows it, and checks
the files it wrote byte for byte.

The steps are functions, one per thing a user does in one window; `scenario` strings them
together. A window added later gets its own step functions and a place in the scenario.
Controls are reached with the keyboard in each window's tab order, as the comments say.
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time
from pathlib import Path

sys.dont_write_bytecode = True  # no cache files in the source tree
from desktop import Desktop, Failure  # noqa: E402

CAPTION = "Tarvenik :: "
PLAIN_MESSAGE = "Tarvenik"  # message boxes without a caption of their own


class Tarvenik:
    """The program on a scratch copy of its folder."""

    def __init__(self, desktop, app_dir, scratch, settings=None):
        """`settings`, when given, is the text of a Tarvenik.ini the program starts with."""
        self.folder = Path(scratch) / "app"
        shutil.copytree(app_dir, self.folder, symlinks=True,
                        ignore=shutil.ignore_patterns("Udaje.ini", "Tarvenik.ini"))
        if settings is not None:
            (self.folder / "Tarvenik.ini").write_bytes(settings.encode("cp1250"))
        self.started = time.monotonic()
        self._log = open(Path(scratch) / "tarvenik.log", "wb")
        self.process = desktop.start(str(self.folder / "tarvenik"), cwd=scratch,
                                     output=self._log)

    def file(self, name):
        return (self.folder / name).read_bytes()

    def written_file(self, name, timeout=10.0):
        """The bytes of a file the program is writing, once it is there. A dialog may close
        before its file is written, and under load well before; every file goes in place by
        a rename, so one that exists is whole."""
        path = self.folder / name
        deadline = time.monotonic() + timeout
        while not path.exists():
            if time.monotonic() > deadline:
                raise Failure(f"{name} was not written within {timeout} s")
            time.sleep(0.05)
        return path.read_bytes()

    def wait_exit(self, timeout=10.0):
        try:
            code = self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise Failure(f"the program still runs {timeout} s after quitting") from None
        if code != 0:
            raise Failure(f"the program ended with exit code {code}")

    def close(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()
        self._log.close()


def expect(what, seen, wanted):
    if seen != wanted:
        raise Failure(f"{what}: expected {wanted!r}, saw {seen!r}")


def wait_for_change(ui, window, before, what, timeout=5.0):
    """The window's image once it differs from `before` and has stopped changing."""
    deadline = time.monotonic() + timeout
    last = before
    while True:
        now = ui.image(window)
        if now == last and now != before:
            return now
        if time.monotonic() > deadline:
            raise Failure(f"{what}: the window did not change within {timeout} s")
        last = now
        time.sleep(0.05)


# ---- main window ------------------------------------------------------------------------

def main_window(ui):
    window = ui.wait_window("Tarvenik")
    width, height = ui.size(window)
    expect("main window width", width, 362)
    if height <= 180:  # the client area and the menu bar above it
        raise Failure(f"main window height {height} leaves no room for the menu bar")
    return window


def open_calculation(ui, main):
    # "Výpočet" is first in the tab order and has the focus.
    ui.focus(main)
    ui.keys("space")
    return ui.wait_window(CAPTION + "Nastavení výpočtu")


# The usable entries of "Přehled" in menu order, up to "Sny..."; an entry whose window is
# not built yet is disabled and skipped by the arrow keys.
PREHLED_ENTRIES = ["Horoskopy...", "Jména...", "Svátky...", "Připomínky...", "Sny..."]


def open_prehled_entry(ui, main, entry):
    # Alt opens the menu bar and Return its "Menu" on "Výpočet..."; the next entry is
    # "Přehled", which opens on its first usable entry.
    ui.focus(main)
    ui.keys("alt", "Return", "Down", "Right", *["Down"] * PREHLED_ENTRIES.index(entry),
            "Return")


def open_reminders(ui, main):
    open_prehled_entry(ui, main, "Připomínky...")
    return ui.wait_window(CAPTION + "Připomínky")


def close_reminders(ui, reminders):
    ui.keys("Escape")
    ui.wait_gone(reminders)


def quit_program(ui, main):
    # Alt alone opens the menu bar: "Menu", its last entry "Ukončit".
    ui.focus(main)
    ui.keys("alt", "Return", "Up", "Return")


# ---- person selection and person dialog -------------------------------------------------

def add_person(ui, selection, first_name, surname, sex, date):
    """`sex` is the first letter of "Muž" or "Žena", `date` digits ddmmyyyy."""
    # A fresh dialog: the person list has the focus; the partner list is off, so "Přidat"
    # is two tabs on.
    ui.keys("Tab", "Tab", "space")
    form = ui.wait_window(CAPTION + "Přidat údaje")
    # First name, surname, sex, date of birth, in tab order. Two digits per day and month
    # move the date picker to its next part by themselves.
    ui.type(first_name)
    ui.keys("Tab")
    ui.type(surname)
    ui.keys("Tab")
    ui.type(sex)
    ui.keys("Tab")
    ui.type(date)
    ui.keys("Return")  # "Uložit údaje"
    ui.wait_gone(form)
    ui.focus(selection)


def choose_first_person(ui, selection):
    # Back from "Přidat" (focused), the person list is two tabs before it; OK is the
    # dialog's default button.
    ui.keys("shift+Tab", "shift+Tab", "Down", "Return")
    ui.wait_gone(selection)


# ---- report -----------------------------------------------------------------------------

def acknowledge(ui, title):
    message = ui.wait_window(title)
    ui.keys("Return")
    ui.wait_gone(message)


def visit_pages(ui, report):
    """Shows each of the four pages once; each looks different. Ends on the first page."""
    # The text view has the focus first; the next tab is the page tabs.
    before = ui.image(report)
    ui.keys("Tab")
    images = [wait_for_change(ui, report, before, "focus on the page tabs")]
    for _ in range(3):
        ui.keys("Right")
        images.append(wait_for_change(ui, report, images[-1], "next page"))
    if len(set(images)) != 4:
        raise Failure("two of the four report pages look the same")
    ui.keys("Left", "Left", "Left")
    wait_for_change(ui, report, images[-1], "back to the first page")


def show_sun_sign(ui, report):
    # From the page tabs: the system tabs, then "Sluneční".
    before = ui.image(report)
    ui.keys("Tab", "Tab", "space")
    wait_for_change(ui, report, before, "Sluneční")


def save_text(ui, app, report, name, as_pdf=False, from_view=False):
    """Saves the shown text as `name` with the file type RTF (the first) or PDF (the next);
    the saved file's bytes."""
    # The text view is three tabs before "Sluneční"; its context menu's first entry is
    # "Uložit...". After a save the view keeps the focus.
    if not from_view:
        ui.keys("shift+Tab", "shift+Tab", "shift+Tab")
    ui.keys("Menu", "Down", "Return")
    dialog = ui.wait_window("Uložit jako")
    ui.type(name)  # the file name field has the focus, in the program's folder
    if as_pdf:
        ui.keys("Tab", "Down")  # the file type box is next
    ui.keys("Return")
    ui.wait_gone(dialog)
    ui.focus(report)
    return app.written_file(name + (".pdf" if as_pdf else ".rtf"))


def close_report(ui, report):
    ui.keys("Escape")
    ui.wait_gone(report)


# ---- update check -----------------------------------------------------------------------

def open_update_check(ui, main):
    # Alt opens the menu bar on "Menu"; "Nápověda" is next, its first entry "Internet" opens
    # on "Domovská stránka", and "Zjistit novou verzi" is the entry below it.
    ui.focus(main)
    ui.keys("alt", "Right", "Return", "Right", "Down", "Return")
    return ui.wait_window(CAPTION + "Aktualizace")


def look_at_update_check(ui, window, main):
    """Frameless, centred on the main window; closed with "Zavřít" without checking."""
    if ui.decorated(window):
        raise Failure("the update window has a title bar or a frame")
    x, y, width, height = ui.geometry(window)
    mx, my, mwidth, mheight = ui.geometry(main)
    centre = (2 * x + width, 2 * y + height)  # doubled, to stay in whole pixels
    main_centre = (2 * mx + mwidth, 2 * my + mheight)
    if max(abs(a - b) for a, b in zip(centre, main_centre)) > 2:
        raise Failure(f"the update window at {x},{y} {width}x{height} is not centred on "
                      f"the main window at {mx},{my} {mwidth}x{mheight}")
    # "Zkontrolovat" has the focus; "Zavřít" is the next one.
    ui.keys("Tab", "space")
    ui.wait_gone(window)


# ---- other calculators -------------------------------------------------------------------

def open_other_calculators(ui, main):
    # "Menu", then past "Výpočet..." and "Přehled" to "Ostatní...".
    ui.focus(main)
    ui.keys("alt", "Return", "Down", "Down", "Return")
    return ui.wait_window(CAPTION + "Ostatní")


def love_test(ui, other):
    # The window opens on "Má mě rád/a?" with the first name field focused; Enter in the
    # second field counts.
    before = ui.image(other)
    ui.type("Petr Novák")
    ui.keys("Tab")
    ui.type("Jana Nová")
    typed = wait_for_change(ui, other, before, "typing the names")
    ui.keys("Return")
    wait_for_change(ui, other, typed, "the love test's result")


def close_other_calculators(ui, other):
    ui.keys("Escape")
    ui.wait_gone(other)


# ---- name-day browser and horoscope catalogue -------------------------------------------

def open_feature_window(ui, main, entry, title):
    """Opens a window of "Přehled" that takes the main window's place."""
    open_prehled_entry(ui, main, entry)
    window = ui.wait_window(CAPTION + title)
    if main in ui.visible_windows():
        raise Failure(f"the main window stays shown beside {title!r}")
    return window


def search_name_days(ui, browser):
    # The name field has the focus; Enter in it searches. A name with a Czech letter.
    before = ui.image(browser)
    ui.type("Čeněk")
    typed = wait_for_change(ui, browser, before, "typing the name")
    ui.keys("Return")
    wait_for_change(ui, browser, typed, "the found name days")


def read_a_horoscope(ui, catalogue):
    # The system list has the focus: "S" picks "Sluneční", the only system starting so;
    # the sign list is next, Down picks its first sign and the text shows.
    before = ui.image(catalogue)
    ui.type("S")
    chosen = wait_for_change(ui, catalogue, before, "choosing Sluneční")
    ui.keys("Tab", "Down")
    wait_for_change(ui, catalogue, chosen, "the text of the first sign")


def search_names(ui, names, text):
    """Lists a letter, then searches every letter for `text` from the search window."""
    # The letter list has the focus; Down selects a letter and lists its names.
    before = ui.image(names)
    ui.keys("Down")
    listed = wait_for_change(ui, names, before, "a letter's names")
    # Backwards from the letter list: "Uložit", "Tisk", "Hledej".
    ui.keys("shift+Tab", "shift+Tab", "shift+Tab", "space")
    search = ui.wait_window(CAPTION + "Vyhledávání v databázi se jmény")
    ui.type(text)  # the search text has the focus
    before = ui.image(names)
    ui.keys("Return")
    if wait_for_change(ui, names, before, "the names found") == listed:
        raise Failure("the search listed the same as the letter")
    ui.keys("Escape")
    ui.wait_gone(search)
    ui.focus(names)


def close_feature_window(ui, window, main):
    ui.keys("Escape")
    ui.wait_gone(window)
    expect("the window shown after it", ui.wait_window("Tarvenik"), main)


# ---- start-up with a picture that is no picture -----------------------------------------

def special_file_as_picture(ui, app):
    """A device or a pipe as the background picture: one error box at once, then the main
    window; neither a hang nor a second box."""
    box = ui.wait_window("Chyba", timeout=3.0)
    ui.keys("Return")  # "OK"
    ui.wait_gone(box)
    ui.wait_window("Tarvenik", timeout=3.0 - (time.monotonic() - app.started))
    took = time.monotonic() - app.started
    time.sleep(0.5)  # a second box would come now
    if "Chyba" in ui.visible_windows().values():
        raise Failure("a second error box after the first")
    quit_program(ui, ui.wait_window("Tarvenik"))
    app.wait_exit()
    return took


def picture_scenarios(ui, app_dir):
    """Runs the program with Cesta naming /dev/zero, then a FIFO; the start-up times."""
    times = {}
    for name in ("/dev/zero", "fifo"):
        with tempfile.TemporaryDirectory(prefix="tarvenik-e2e-") as scratch:
            path = "/dev/zero"
            if name == "fifo":
                path = str(Path(scratch) / "obrazek.jpg")
                os.mkfifo(path)
            app = Tarvenik(ui, app_dir, scratch,
                           settings=f"[Obrazek]\r\nPouzit=1\r\nCesta={path}\r\n")
            try:
                times[name] = special_file_as_picture(ui, app)
            except Failure as failure:
                raise Failure(f"Cesta={name}: {failure}") from None
            finally:
                app.close()
    return times


# ---- dream dictionary -------------------------------------------------------------------

def open_dreams(ui, main):
    # Its caption is its subject alone, without the program's name.
    open_prehled_entry(ui, main, "Sny...")
    window = ui.wait_window("Databáze snů")
    if main in ui.visible_windows():
        raise Failure("the main window stays shown beside the dream dictionary")
    return window


def search_dreams(ui, dreams):
    """Lists a letter, then searches all letters for a Czech word from the search window."""
    # The letter list has the focus; an arrow key lists a letter.
    before = ui.image(dreams)
    ui.keys("Down")
    listed = wait_for_change(ui, dreams, before, "a letter listed")
    # Past the entry list and the card to "Hledej".
    ui.keys("Tab", "Tab", "Tab")
    on_search_button = wait_for_change(ui, dreams, listed, "the focus on Hledej")
    ui.keys("space")
    search = ui.wait_window("Vyhledávání...")
    ui.type("kočka")  # the search text has the focus
    ui.keys("Return", "Escape")
    ui.wait_gone(search)
    ui.focus(dreams)
    wait_for_change(ui, dreams, on_search_button, "the entries found")


# ---- the whole visit ----------------------------------------------------------------------

def person_record(first_name, surname, date, sex):
    """The person file's bytes for one person without an exact time."""
    name = f"{surname} {first_name} {date} 00:00"
    lines = [f"[{name}]", f"Jmeno={first_name}", f"Prijmeni={surname}", f"Datum={date}",
             "PresnyCas=0", "Cas=0:00:00", f"Pohlavi={sex}"]
    return "".join(line + "\r\n" for line in lines).encode("cp1250")


def scenario(ui, app):
    main = main_window(ui)

    # It opens over the main window and closes back to it.
    close_reminders(ui, open_reminders(ui, main))
    expect("the window shown after the reminders", ui.wait_window("Tarvenik"), main)

    selection = open_calculation(ui, main)
    add_person(ui, selection, "Jiří", "Dvořák", "M", "05031975")
    expect("Udaje.ini", app.written_file("Udaje.ini"),
           person_record("Jiří", "Dvořák", "5.3.1975", 0))
    choose_first_person(ui, selection)

    # Without an exact time the report says, while it is being computed, that there is
    # no ascendant.
    ui.wait_window(CAPTION + "Čekejte", focus=False)
    acknowledge(ui, PLAIN_MESSAGE)
    report = ui.wait_window(CAPTION + "Výpis výpočtu")
    visit_pages(ui, report)
    show_sun_sign(ui, report)
    saved = save_text(ui, app, report, "slunecni")
    if not saved.startswith(b"{\\rtf1") or b"Ryby" not in saved:
        raise Failure("the saved sun sign text is not the text for Ryby")
    saved = save_text(ui, app, report, "slunecni", as_pdf=True, from_view=True)
    if not saved.startswith(b"%PDF-"):
        raise Failure("slunecni.pdf is not a PDF file")
    close_report(ui, report)

    expect("the window shown after the report", ui.wait_window("Tarvenik"), main)
    look_at_update_check(ui, open_update_check(ui, main), main)
    expect("the window shown after the update check", ui.wait_window("Tarvenik"), main)

    other = open_other_calculators(ui, main)
    if main in ui.visible_windows():
        raise Failure("the main window stays shown beside the other calculators")
    love_test(ui, other)
    close_other_calculators(ui, other)
    expect("the window shown after the other calculators", ui.wait_window("Tarvenik"), main)

    browser = open_feature_window(ui, main, "Svátky...", "Svátky")
    search_name_days(ui, browser)
    close_feature_window(ui, browser, main)
    catalogue = open_feature_window(ui, main, "Horoskopy...", "Přehled horoskopů")
    read_a_horoscope(ui, catalogue)
    close_feature_window(ui, catalogue, main)
    names = open_feature_window(ui, main, "Jména...", "Databáze jmen")
    search_names(ui, names, "jiř")
    close_feature_window(ui, names, main)
    dreams = open_dreams(ui, main)
    search_dreams(ui, dreams)
    close_feature_window(ui, dreams, main)

    quit_program(ui, main)
    app.wait_exit()
    # Nothing after adding the person changed the person file.
    expect("Udaje.ini at the end", app.file("Udaje.ini"),
           person_record("Jiří", "Dvořák", "5.3.1975", 0))


def main(argv):
    if len(argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    started = time.monotonic()
    ui = Desktop()
    try:
        with tempfile.TemporaryDirectory(prefix="tarvenik-e2e-") as scratch:
            app = Tarvenik(ui, argv[1], scratch)
            try:
                scenario(ui, app)
            except Failure as failure:
                app.close()
                print(f"FAILED: {failure}\nThe program's output:", file=sys.stderr)
                sys.stderr.write((Path(scratch) / "tarvenik.log").read_text(errors="replace"))
                return 1
            finally:
                app.close()
        try:
            times = picture_scenarios(ui, argv[1])
        except Failure as failure:
            print(f"FAILED: {failure}", file=sys.stderr)
            return 1
    finally:
        ui.close()
    shown = ", ".join(f"{name} {took:.1f} s" for name, took in times.items())
    print(f"passed in {time.monotonic() - started:.1f} s; main window with a picture of {shown}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
