#!/usr/bin/python3
"""The program as a user meets it, under Wine in the test display.

Fonts arrive by a real X drag and drop, the list is read from screenshots, the
session's font table from a second Windows program, and the user clicks and
turns the wheel through xdotool. Run under scripts/with-display:

    test_quillet.py --program quillet.exe --font-families font_families.exe --fonts DIR
"""
import argparse
import shutil
import sys
import tempfile
import unittest
from pathlib import Path

import harness

TITLE = "墨匣"

# The main window's skin in client pixels: below the 33-pixel title bar the list
# starts 3 lower (its padding) and its header 2 lower still (its inset); the
# header and every row are 26 high.
ROW_TOP = 33 + 3 + 2 + 26
ROW_HEIGHT = 26
VISIBLE_ROWS = 12
COLUMNS = ((7, 126), (126, 346), (346, 466), (466, 571))  # file name, path, "已加载", "×"
DELETE = 3
LIST_MIDDLE = (288, 220)
REMOVE_ALL = (642, 325)  # "移除全部"
CLOSE = (679, 16)  # the close button at the top right
COPY_PATH = (602, 81)  # the "复制路径" box
# The row menu opens with its top-left corner at the pointer.
MENU_SIZE = (117, 139)
MENU_COPY_NAME = (49, 92)  # "复制字体名称"
# The character map, in its own client pixels.
CHAR_MAP_TITLE = "CharSet Map"
COPY_CHAR = (490, 189)  # the "复制选中的字符" box
CELL_A = (174, 119)  # "A": the 34th character of a font that starts at U+0020
CHAR_MAP_CLOSE = (619, 17)

ALPHA, BETA, GAMMA = "Quillet Test Alpha", "Quillet Test Beta", "Quillet Test Windows"
FAILURE_SHOT = Path("quillet-e2e-failure.png").resolve()

options = argparse.Namespace()


def cell(row, column):
    """The inside of a cell, clear of its frame."""
    left, right = COLUMNS[column]
    top = ROW_TOP + row * ROW_HEIGHT
    return left + 5, top + 3, right - 5, top + ROW_HEIGHT - 3


def cell_middle(row, column):
    left, top, right, bottom = cell(row, column)
    return (left + right) // 2, (top + bottom) // 2


def row_states(shot):
    """Per visible row: "filled" when all four cells show text, "empty" when none does."""
    states = []
    for row in range(VISIBLE_ROWS):
        texts = [shot.has_text(cell(row, column)) for column in range(len(COLUMNS))]
        states.append("filled" if all(texts) else "empty" if not any(texts) else f"partly {texts}")
    return states


def mounted():
    """Which test families the session's font table holds, seen from another process."""
    seen = harness.font_families(options.font_families, "Quillet Test")
    return {family for family in (ALPHA, BETA, GAMMA)
            if any(name == family or name.startswith(family + " ") for name in seen)}


class ProgramTest(unittest.TestCase):
    """Starts the program with copies of the test fonts in a folder of the test's own."""

    def setUp(self):
        folder = Path(tempfile.mkdtemp(prefix="quillet-e2e-"))
        self.addCleanup(shutil.rmtree, folder, True)
        fonts = Path(options.fonts)
        if not (fonts / "QuilletAlpha.ttf").exists():
            self.skipTest(f"no test fonts in {fonts}")
        self.alpha = shutil.copy(fonts / "QuilletAlpha.ttf", folder / "alpha.ttf")
        self.beta = shutil.copy(fonts / "QuilletBeta.ttf", folder / "beta.ttf")
        self.more = folder / "more fonts"
        self.more.mkdir()
        shutil.copy(fonts / "QuilletWindowsNames.ttf", self.more / "gamma.ttf")
        (self.more / "notes.ttf").write_text("a font's name, no font inside\n")
        self.assertEqual(mounted(), set(), "test fonts are still mounted in this Wine server")

        self.program = harness.Program(options.program, *self.arguments())
        self.addCleanup(self.program.kill)
        self.window = harness.Window.find(TITLE, timeout=60)

    def arguments(self):
        """What the program is started with."""
        return []

    def expect_mounted(self, families, what):
        harness.wait_equal(mounted, families, 30, what, interval=0.5)

    def expect_rows(self, filled, what):
        shots = []

        def states():
            shots[:] = [self.window.screenshot()]
            return row_states(shots[0])

        try:
            harness.wait_equal(states, ["filled"] * filled + ["empty"] * (VISIBLE_ROWS - filled), 15, what)
        except AssertionError as error:
            shots[0].save_png(FAILURE_SHOT)
            raise AssertionError(f"{error}\n  screenshot: {FAILURE_SHOT}") from None


class MainWindow(ProgramTest):
    def test_drop_scroll_remove_and_close(self):
        self.expect_rows(0, "an empty list at start")
        self.window.drop(*LIST_MIDDLE, [self.alpha, self.beta, self.more])
        self.expect_mounted({ALPHA, BETA, GAMMA}, "the two dropped fonts and the font in the dropped folder")
        self.expect_rows(3, "one row per mounted font; the file that is no font has none")

        # Three entries fill no page: the wheel moves nothing either way, so the
        # first row still shows the first font when its "×" is clicked.
        self.window.wheel(*LIST_MIDDLE, 3)
        self.window.wheel(*LIST_MIDDLE, -5)
        self.window.click(*cell_middle(0, DELETE))
        self.expect_mounted({BETA, GAMMA}, '"×" on the first row unmounts the first font')
        self.expect_rows(2, "the rows below move up")

        self.window.click(*REMOVE_ALL)
        self.expect_mounted(set(), '"移除全部" unmounts every font')
        self.expect_rows(0, '"移除全部" empties the list')

        self.window.drop(*LIST_MIDDLE, [self.beta])
        self.expect_mounted({BETA}, "a font dropped again after its removal")
        self.expect_rows(1, "the font dropped again")
        self.window.click(*CLOSE)
        self.assertEqual(self.program.wait_exit(30), 0, "exit code")
        self.assertEqual(mounted(), set(), "closing the window unmounts the fonts still listed")


class Starts(ProgramTest):
    def arguments(self):
        return [self.alpha]

    def test_arguments_mount_and_a_second_start_hands_its_files_over(self):
        self.expect_mounted({ALPHA}, "the font named on the command line")
        second = harness.Program(options.program, self.beta)
        self.assertEqual(second.wait_exit(30), 0, "the second start ends at once")
        self.expect_mounted({ALPHA, BETA}, "the first start mounts what the second was given")
        self.expect_rows(2, "one window lists both")
        self.assertEqual(len(harness.Window.all(TITLE)), 1, "one main window")

        self.window.click(*CLOSE)
        self.assertEqual(self.program.wait_exit(30), 0, "exit code")
        self.assertEqual(mounted(), set(), "closing unmounts what was handed over too")


def windows_path(path):
    """How Wine shows a Linux path to the program."""
    return "Z:" + str(path).replace("/", "\\")


class RowActions(ProgramTest):
    def test_copy_path_menu_and_char_map(self):
        self.window.drop(*LIST_MIDDLE, [self.alpha])
        self.expect_rows(1, "the dropped font")

        # "Char Map" is checked at start: a click on the path also opens the character map.
        self.window.click(*COPY_PATH)
        self.window.click(*cell_middle(0, 1))
        folder = windows_path(Path(self.alpha).parent)
        harness.wait_equal(harness.clipboard_text, folder, 15, '"复制路径" puts the folder on the clipboard')

        char_map = harness.Window.find(CHAR_MAP_TITLE, timeout=30)
        char_map.click(*COPY_CHAR)
        char_map.click(*CELL_A)
        harness.wait_equal(harness.clipboard_text, "A", 15, "a cell copies its one character")
        char_map.click(*CHAR_MAP_CLOSE)

        self.window.click(*cell_middle(0, 0), button=3)
        menu = harness.Window.find_sized(*MENU_SIZE, timeout=30)
        menu.click(*MENU_COPY_NAME)
        harness.wait_equal(harness.clipboard_text, ALPHA + " Regular", 15,
                           '"复制字体名称" in the row menu copies the font\'s full name')

        self.window.click(*CLOSE)
        self.assertEqual(self.program.wait_exit(30), 0, "exit code")


def scaled(point):
    """A point of the 96-DPI layout at 150 %."""
    return tuple(value * 3 // 2 for value in point)


class AtOneAndAHalfScale(ProgramTest):
    """The program started at 144 DPI: its skin drawn 1.5 times as large."""

    def setUp(self):
        harness.set_log_pixels(144)
        self.addCleanup(harness.set_log_pixels, 96)
        super().setUp()

    def test_a_drop_and_a_click_land_on_scaled_cells(self):
        self.assertEqual(self.window.geometry()[2:], (1062, 600), "708 x 400 at 150 %")
        self.window.drop(*scaled(LIST_MIDDLE), [self.alpha, self.beta])
        self.expect_mounted({ALPHA, BETA}, "the fonts dropped on the scaled list")
        self.window.click(*scaled(cell_middle(0, DELETE)))
        self.expect_mounted({BETA}, '"×" of the first scaled row unmounts the first font')
        self.window.click(*scaled(CLOSE))
        self.assertEqual(self.program.wait_exit(30), 0, "exit code")
        self.assertEqual(mounted(), set(), "closing unmounts the rest")


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--program", required=True, help="quillet.exe")
    parser.add_argument("--font-families", required=True, help="font_families.exe")
    parser.add_argument("--fonts", required=True, help="folder of the generated test fonts")
    _, rest = parser.parse_known_args(namespace=options)
    unittest.main(argv=[sys.argv[0], *rest])


if __name__ == "__main__":
    main()
