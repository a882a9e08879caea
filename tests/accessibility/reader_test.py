#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""What a screen reader hears from Mosaic Rush.

Plays the real game binary with real key presses on a private X server under
openbox, and listens on a private AT-SPI bus to the events a screen reader
such as Orca acts on: focus changes and changes of accessible names and
descriptions.  Each game starts from a saved game given on its command line,
so the board is known.

Run it through run-reader-test.sh, which gives it a private D-Bus session:

    sh tests/accessibility/run-reader-test.sh build/release/mosaic-rush

Where the X server, the window manager or the AT-SPI bus cannot start, the
test fails and says which one.
"""

import os
import signal
import subprocess
import sys
import tempfile
import time
import unittest
from collections import namedtuple

GAME = None  # the game binary, from the command line

# How long to wait for something to show up at all, and how long to listen on
# after it did, so that a second, unwanted event is heard too.  Neither is an
# assertion about speed: a slow machine only makes a failing run slower.
ARRIVAL_LIMIT = 8.0
LISTEN_AFTER = 0.5

AT_SPI_BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
AT_SPI_REGISTRY = "/usr/libexec/at-spi2-registryd"

EMPTY = 255

# READER_TEST_VERBOSE=1 prints what was heard after each key.
VERBOSE = os.environ.get("READER_TEST_VERBOSE") == "1"


def saved_game(columns, rows, cells, sliding=True, moves=0):
    """The bytes of a .tsq file: the grid, the move count, the cells row by
    row from the top (255 is the empty cell), the goal order (along the rows,
    ascending) and the kind of play."""
    assert len(cells) == columns * rows
    return bytes([columns, rows, moves // 256, moves % 256, *cells,
                  ord("1"), ord("1") if sliding else ord("0")])


# ---------------------------------------------------------------------------
# The private desktop: X server, window manager, AT-SPI bus.

class SetUpFailure(Exception):
    pass


def wait_until(condition, limit, what):
    deadline = time.monotonic() + limit
    while True:
        result = condition()
        if result:
            return result
        if time.monotonic() > deadline:
            raise SetUpFailure(what)
        time.sleep(0.1)


class Desktop:
    """Xvfb, openbox and the AT-SPI bus and registry, each in a process group
    of its own, all ended by stop()."""

    def __init__(self):
        self.processes = []
        self.workdir = tempfile.TemporaryDirectory(prefix="reader-test-")
        self.env = dict(os.environ)
        for name in ("AT_SPI_BUS_ADDRESS", "WAYLAND_DISPLAY", "XAUTHORITY"):
            self.env.pop(name, None)
        home = self.workdir.name
        self.env.update(HOME=home, XDG_CONFIG_HOME=os.path.join(home, "config"),
                        XDG_DATA_HOME=os.path.join(home, "data"),
                        XDG_CACHE_HOME=os.path.join(home, "cache"),
                        XDG_RUNTIME_DIR=os.path.join(home, "runtime"),
                        GSETTINGS_BACKEND="memory")
        os.makedirs(self.env["XDG_RUNTIME_DIR"], mode=0o700)
        if "DBUS_SESSION_BUS_ADDRESS" not in self.env:
            raise SetUpFailure("no D-Bus session: run this test through run-reader-test.sh")

    def log(self, name):
        return open(os.path.join(self.workdir.name, name + ".log"), "wb")

    def spawn(self, name, argv, env_override=None, **kwargs):
        with self.log(name) as log:
            process = subprocess.Popen(argv, env=env_override or self.env,
                                       stdin=subprocess.DEVNULL, stdout=log,
                                       stderr=subprocess.STDOUT, start_new_session=True,
                                       **kwargs)
        self.processes.append((name, process))
        return process

    def log_text(self, name):
        try:
            with open(os.path.join(self.workdir.name, name + ".log"), errors="replace") as f:
                return f.read()[-2000:]
        except OSError:
            return ""

    def start(self):
        self.start_x_server()
        self.start_window_manager()
        self.start_at_spi()

    def start_x_server(self):
        read_end, write_end = os.pipe()
        xvfb = self.spawn("Xvfb", ["Xvfb", "-displayfd", str(write_end), "-screen", "0",
                                   "1280x1024x24", "-nolisten", "tcp"],
                          pass_fds=(write_end,))
        os.close(write_end)
        number = b""
        deadline = time.monotonic() + 20
        os.set_blocking(read_end, False)
        while not number.endswith(b"\n"):
            if xvfb.poll() is not None or time.monotonic() > deadline:
                os.close(read_end)
                raise SetUpFailure("Xvfb did not start: " + self.log_text("Xvfb"))
            try:
                number += os.read(read_end, 16)
            except BlockingIOError:
                time.sleep(0.05)
        os.close(read_end)
        self.env["DISPLAY"] = ":" + number.decode().strip()
        os.environ["DISPLAY"] = self.env["DISPLAY"]

    def start_window_manager(self):
        self.spawn("openbox", ["openbox", "--sm-disable"])

        def managed():
            return subprocess.run(["xdotool", "get_num_desktops"], env=self.env,
                                  capture_output=True).returncode == 0
        wait_until(managed, 20, "openbox did not start: " + self.log_text("openbox"))

    def start_at_spi(self):
        if not os.access(AT_SPI_BUS_LAUNCHER, os.X_OK) or not os.access(AT_SPI_REGISTRY, os.X_OK):
            raise SetUpFailure("AT-SPI cannot start: at-spi2-core is not installed "
                               "(run tools/install-deps.sh)")
        # The launcher is kept from the X server, where it would publish the
        # bus address on the root window (see below).
        without_display = {k: v for k, v in self.env.items() if k != "DISPLAY"}
        self.spawn("at-spi-bus-launcher", [AT_SPI_BUS_LAUNCHER, "--launch-immediately"],
                   env_override=without_display)

        def bus_address():
            # Asked only once the launcher owns its name: asking before would
            # have the session bus start a launcher of its own.
            owner = subprocess.run(
                ["dbus-send", "--session", "--print-reply=literal", "--dest=org.freedesktop.DBus",
                 "/org/freedesktop/DBus", "org.freedesktop.DBus.NameHasOwner",
                 "string:org.a11y.Bus"], env=self.env, capture_output=True, text=True)
            if owner.stdout.split() != ["boolean", "true"]:
                return None
            reply = subprocess.run(
                ["dbus-send", "--session", "--print-reply=literal", "--dest=org.a11y.Bus",
                 "/org/a11y/bus", "org.a11y.Bus.GetAddress"],
                env=self.env, capture_output=True, text=True)
            return reply.stdout.strip() if reply.returncode == 0 else None
        address = wait_until(bus_address, 20, "AT-SPI cannot start: the accessibility bus "
                             "did not come up: " + self.log_text("at-spi-bus-launcher"))
        # Nobody gets the address but through org.a11y.Bus: Qt 6.4, handed it
        # in AT_SPI_BUS_ADDRESS or on the root window, connects to the bus
        # but never switches its bridge on.
        self.bus_address = address
        # The registry may already have been started by the bus on demand;
        # a second one then leaves at once.
        self.spawn("at-spi2-registryd", [AT_SPI_REGISTRY])
        for name in ("DISPLAY", "HOME", "XDG_RUNTIME_DIR"):
            os.environ[name] = self.env[name]
        # Only now that the bus is up: importing pyatspi connects to it.
        global pyatspi, GLib
        try:
            import warnings
            import gi
            # pyatspi's own calls of deprecated Atspi functions.
            warnings.filterwarnings("ignore", category=DeprecationWarning)
            gi.require_version("Atspi", "2.0")
            from gi.repository import GLib
            import pyatspi
        except (ImportError, ValueError) as error:
            raise SetUpFailure("AT-SPI cannot start: pyatspi is missing ({}); "
                               "run tools/install-deps.sh".format(error))
        try:
            pyatspi.Registry.getDesktop(0).childCount
        except Exception as error:
            raise SetUpFailure("AT-SPI cannot start: the registry does not answer: "
                               "{}\n{}".format(error, self.log_text("at-spi2-registryd")))

    def stop(self):
        for _, process in reversed(self.processes):
            end_group(process)
        self.processes.clear()
        self.workdir.cleanup()


def end_group(process):
    """Ends a process we started and everything in its process group."""
    for sig, grace in ((signal.SIGTERM, 5), (signal.SIGKILL, 5)):
        try:
            os.killpg(process.pid, sig)
        except ProcessLookupError:
            break
        deadline = time.monotonic() + grace
        while time.monotonic() < deadline:
            process.poll()
            try:
                os.killpg(process.pid, 0)
            except ProcessLookupError:
                break
            time.sleep(0.05)
        else:
            continue
        break
    try:
        process.wait(timeout=5)
    except subprocess.TimeoutExpired:
        pass


DESKTOP = None


def setUpModule():
    global DESKTOP
    DESKTOP = Desktop()
    try:
        DESKTOP.start()
    except BaseException:
        DESKTOP.stop()
        DESKTOP = None
        raise


def tearDownModule():
    global DESKTOP
    if DESKTOP:
        DESKTOP.stop()
        DESKTOP = None


# ---------------------------------------------------------------------------
# What a screen reader hears.

Heard = namedtuple("Heard", "type gained role name description focused parent_role parent_name "
                   "path")

HEARD_TYPES = ("object:state-changed:focused", "focus:",
               "object:property-change:accessible-name",
               "object:property-change:accessible-description")


def safely(call, default="<gone>"):
    try:
        return call()
    except Exception:
        return default


def describe(heard):
    return "{} {} {!r} ({!r}) in {} {!r}".format(
        heard.type + ("+" if heard.gained else ""), heard.role, heard.name,
        heard.description, heard.parent_role, heard.parent_name)


class Listener:
    """Records, for each event of HEARD_TYPES from the game, its type and its
    source's role, name, description and parent."""

    def __init__(self, pid):
        self.pid = pid
        self.heard = []
        pyatspi.Registry.registerEventListener(self.on_event, *HEARD_TYPES)

    def close(self):
        pyatspi.Registry.deregisterEventListener(self.on_event, *HEARD_TYPES)

    def on_event(self, event):
        source = event.source
        if safely(lambda: source.get_process_id(), None) != self.pid:
            return
        parent = safely(lambda: source.parent, None)
        self.heard.append(Heard(
            type=event.type,
            gained=event.type.startswith("focus:") or
            (event.type.startswith("object:state-changed") and event.detail1 == 1),
            role=safely(lambda: source.getRoleName()),
            name=safely(lambda: source.name),
            description=safely(lambda: source.description),
            # Orca passes over a focus event whose source does not say it is
            # focused when Orca comes to it.
            focused=safely(lambda: source.getState().contains(pyatspi.STATE_FOCUSED), False),
            parent_role=safely(lambda: parent.getRoleName()) if parent else None,
            parent_name=safely(lambda: parent.name) if parent else None,
            # Orca speaks no focus moving to the object it is already on.
            path=safely(lambda: source.path, None)))

    def pump(self, seconds, until=None):
        """Dispatches AT-SPI events for up to `seconds`, or until `until` holds
        for what was heard."""
        context = GLib.MainContext.default()
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            while context.iteration(False):
                pass
            if until and until(self.heard):
                return True
            time.sleep(0.02)
        return bool(until and until(self.heard))


def is_board(role, name):
    return role == "table" and name == "Board"


def is_board_cell(heard):
    return heard.role == "table cell" and is_board(heard.parent_role, heard.parent_name)


def says(text, fragments):
    return text not in (None, "<gone>") and all(f.lower() in text.lower() for f in fragments)


# ---------------------------------------------------------------------------
# The game.

class Game:
    """The game binary started with a saved game, its window active."""

    def __init__(self, tsq):
        self.path = os.path.join(DESKTOP.workdir.name, "game.tsq")
        with open(self.path, "wb") as f:
            f.write(tsq)
        DESKTOP.env.update(QT_QPA_PLATFORM="xcb", QT_ACCESSIBILITY="1",
                           QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        self.process = DESKTOP.spawn("game", [GAME, self.path])
        self.app = None
        try:
            self.app = wait_until(self.find_application, 30,
                                  "the game did not show up on the AT-SPI bus")
            windows = wait_until(self.find_windows, 30, "the game's window did not show")
            self.window = windows[0]
            self.xdotool("windowactivate", "--sync", self.window)
            self.listener = Listener(self.process.pid)
            self.listener.pump(LISTEN_AFTER)
        except BaseException as error:
            log = DESKTOP.log_text("game")
            self.stop()
            if isinstance(error, SetUpFailure):
                raise SetUpFailure("{}; the game said: {}".format(error, log))
            raise

    def find_application(self):
        if self.process.poll() is not None:
            raise SetUpFailure("the game ended with {}".format(self.process.returncode))
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app and safely(lambda: app.get_process_id(), None) == self.process.pid \
                    and app.childCount > 0:
                return app
        return None

    def find_windows(self):
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid",
                                str(self.process.pid)], env=DESKTOP.env,
                               capture_output=True, text=True)
        return found.stdout.split()

    def xdotool(self, *args):
        subprocess.run(["xdotool", *args], env=DESKTOP.env, check=True,
                       capture_output=True)

    def press(self, keys):
        """Presses `keys` (xdotool names, e.g. "ctrl+shift+z") in the game's
        window and returns what was heard until some focus gain or name or
        description change came, and a little after."""
        self.listener.heard.clear()
        self.xdotool("key", "--clearmodifiers", "--delay", "400", *keys.split())
        self.listener.pump(ARRIVAL_LIMIT, until=lambda heard: heard)
        self.listener.pump(LISTEN_AFTER)
        return self.report(keys)

    def press_until(self, keys, fragments):
        """Presses `keys` and returns what was heard until an event whose
        source's name or description says all of `fragments`."""
        self.listener.heard.clear()
        self.xdotool("key", "--clearmodifiers", "--delay", "400", *keys.split())

        def said(heard):
            return any(says(h.name, fragments) or says(h.description, fragments) for h in heard)
        self.listener.pump(ARRIVAL_LIMIT, until=said)
        return self.report(keys)

    def report(self, keys):
        heard = list(self.listener.heard)
        if VERBOSE:
            print("\n  {}:\n    {}".format(keys, heard_lines(heard)), file=sys.stderr)
        return heard

    def find(self, condition, root=None):
        """The first accessible under the game's application that meets
        `condition`, breadth first."""
        queue = [root or self.app]
        while queue:
            node = queue.pop(0)
            if node is None:
                continue
            if condition(node):
                return node
            queue.extend(safely(lambda: list(node), []))
        return None

    def board(self):
        return self.find(lambda a: is_board(a.getRoleName(), a.name))

    def stop(self):
        if getattr(self, "listener", None):
            self.listener.close()
        end_group(self.process)


def heard_lines(heard):
    return "\n    ".join(describe(h) for h in heard) or "(nothing)"


class GameTest(unittest.TestCase):
    TSQ = None

    @classmethod
    def setUpClass(cls):
        if DESKTOP is None:
            raise SetUpFailure("the desktop did not start")
        cls.game = Game(cls.TSQ)

    @classmethod
    def tearDownClass(cls):
        cls.game.stop()

    def assert_one_announcement(self, keys, fragments, heard):
        # Qt tells of each focus gain twice, as a focus event and as a change
        # of the focused state: the second counts gains.
        gains = [h for h in heard if h.type == "object:state-changed:focused" and h.gained]
        self.assertEqual(len(gains), 1,
                         "after {}: expected one focus gain naming {}, heard:\n    {}".format(
                             keys, fragments, heard_lines(heard)))
        gain = gains[0]
        self.assertNotEqual(gain.path, getattr(type(self), "last_path", None),
                            "after {}: focus came to the object it was on; Orca says nothing "
                            "then".format(keys))
        type(self).last_path = gain.path
        self.assertTrue(is_board_cell(gain) and gain.focused and says(gain.name, fragments),
                        "after {}: expected a cell of the board, in the focused state, "
                        "named with {}, "
                        "heard:\n    {}".format(keys, fragments, heard_lines(heard)))


# ---------------------------------------------------------------------------
# The cases.

# 1 2 3
# 4 . 5
# 7 8 6
SLIDING_BOARD = [1, 2, 3, 4, EMPTY, 5, 7, 8, 6]


def readout(accessible):
    return safely(lambda: accessible.queryText().getText(0, -1), "")


# What the grid's caption and the move counter read, found by what they are
# called or show: (role, called, reads in its name or text).
READOUTS = [
    ("label", "Grid size", "3 X 3"),
    ("text", "Moves", "12"),
]


class StartOfGame(GameTest):
    """The board as a table, and the counters, before any key."""
    TSQ = saved_game(3, 3, SLIDING_BOARD, moves=12)

    def test_focus_starts_on_the_board(self):
        board = self.game.board()
        self.assertIsNotNone(board, "no table named Board in the game's window")
        focused = [board] + list(board)
        self.assertTrue(any(safely(lambda: a.getState().contains(pyatspi.STATE_FOCUSED), False)
                            for a in focused if a is not None),
                        "neither the board nor a cell of it has the keyboard focus")

    def test_board_is_a_table_of_the_pieces(self):
        board = self.game.board()
        self.assertIsNotNone(board, "no table named Board in the game's window")
        try:
            table = board.queryTable()
        except NotImplementedError:
            self.fail("the board does not offer the AT-SPI Table interface")
        self.assertEqual((table.nRows, table.nColumns), (3, 3))
        for index, label in enumerate(SLIDING_BOARD):
            row, column = divmod(index, 3)
            expected = "Empty cell" if label == EMPTY else "Piece {}".format(label)
            with self.subTest(row=row, column=column, piece=expected):
                cell = table.getAccessibleAt(row, column)
                self.assertIsNotNone(cell)
                self.assertEqual(cell.getRoleName(), "table cell")
                self.assertEqual(cell.name, expected)
                at = cell.getIndexInParent()
                self.assertEqual((table.getRowAtIndex(at), table.getColumnAtIndex(at)),
                                 (row, column))

    def test_captions_and_counters_read_their_values(self):
        for role, finding, reads in READOUTS:
            with self.subTest(role=role, finding=finding):
                def meant(a):
                    return a.getRoleName() == role and any(
                        finding in text for text in (a.name, a.description, readout(a)))
                found = self.game.find(meant)
                self.assertIsNotNone(found, "no {} says {}".format(role, finding))
                self.assertTrue(reads in found.name or reads in readout(found),
                                "the {} {!r} ({!r}) does not read {!r}".format(
                                    role, found.name, found.description, reads))


# What Tab and Shift+Tab reach, in turn, from the board.
TAB_ORDER = [
    ("Tab", "Slide left"),
    ("Tab", "Slide right"),
    ("Tab", "Slide up"),
    ("Tab", "Slide down"),
    ("Tab", "Automatic player"),
    ("shift+Tab", "Slide down"),
    ("shift+Tab", "Slide up"),
    ("shift+Tab", "Slide right"),
    ("shift+Tab", "Slide left"),
    ("shift+Tab", "Board"),
]


class TabOrder(GameTest):
    TSQ = saved_game(3, 3, SLIDING_BOARD)

    def test_tab_walks_board_and_buttons(self):
        for step, (keys, name) in enumerate(TAB_ORDER):
            with self.subTest(step=step, keys=keys, reaches=name):
                heard = self.game.press(keys)
                gains = [h for h in heard
                         if h.type == "object:state-changed:focused" and h.gained]
                self.assertTrue(gains, "after {}: no focus gain, heard:\n    {}".format(
                    keys, heard_lines(heard)))
                last = gains[-1]
                if name == "Board":
                    reached = is_board(last.role, last.name) or is_board_cell(last)
                else:
                    reached = last.role == "push button" and last.name == name
                self.assertTrue(reached, "after {}: expected focus on {}, heard:\n    {}".format(
                    keys, name, heard_lines(heard)))


# Sliding play from SLIDING_BOARD: each key, and what the one focus gain it
# brings must say.
SLIDING_PLAY = [
    ("Up", ("Piece 8", "row 2, column 2")),            # 8 slides up into the gap
    ("ctrl+z", ("Piece 8", "row 3, column 2")),        # undone
    ("ctrl+shift+z", ("Piece 8", "row 2, column 2")),  # redone
    ("h", ("Piece 8", "row 3, column 2")),             # the only shortest first move
    ("Left", ("Piece 5", "row 2, column 2")),          # one move from solved now
]


class SlidingPlay(GameTest):
    TSQ = saved_game(3, 3, SLIDING_BOARD)

    def test_each_move_is_announced_once(self):
        for step, (keys, fragments) in enumerate(SLIDING_PLAY):
            with self.subTest(step=step, keys=keys):
                self.assert_one_announcement(keys, fragments, self.game.press(keys))


# 2 1 3
# 4 5 6
# 8 7 9
SWAP_BOARD = [2, 1, 3, 4, 5, 6, 8, 7, 9]

# Swap play from SWAP_BOARD.  The cursor ends on the top left piece whether it
# starts there or nowhere.
SWAP_PLAY = [
    ("Right", ("Piece 1", "row 1, column 2")),
    ("Left", ("Piece 2", "row 1, column 1")),
    ("space", ("Piece 2",)),              # picked
    ("Right", ("Piece 1", "row 1, column 2")),
    ("Return", ("Piece 2", "piece 1")),   # swapped
]


class SwapPlay(GameTest):
    TSQ = saved_game(3, 3, SWAP_BOARD, sliding=False)

    def test_cursor_and_swaps_are_announced_once(self):
        for step, (keys, fragments) in enumerate(SWAP_PLAY):
            with self.subTest(step=step, keys=keys):
                self.assert_one_announcement(keys, fragments, self.game.press(keys))


# A 4 x 4 board sixty slides from its goal, so that the automatic player is
# still at work when it is switched off.
AUTO_BOARD = [1, 12, 4, 6, 14, EMPTY, 3, 8, 2, 10, 11, 7, 9, 5, 13, 15]

AUTO_PLAY = [
    ("a", ("Automatic player on",)),
    ("a", ("Automatic player off",)),
]


class AutoPlay(GameTest):
    TSQ = saved_game(4, 4, AUTO_BOARD)

    def test_a_switches_the_automatic_player_aloud(self):
        for step, (keys, fragments) in enumerate(AUTO_PLAY):
            with self.subTest(step=step, keys=keys, says=fragments):
                heard = self.game.press_until(keys, fragments)
                self.assertTrue(
                    any(says(h.name, fragments) or says(h.description, fragments)
                        for h in heard),
                    "after {}: nothing said {}, heard:\n    {}".format(
                        keys, fragments, heard_lines(heard)))


def labelled_by(accessible):
    """The name of the label an accessible is labelled by, without its access
    key's '&', or None."""
    for relation in safely(lambda: accessible.getRelationSet(), []):
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            return safely(lambda: relation.getTarget(0).name, "").replace("&", "")
    return None


# The other windows, opened by their access keys: the role and name of each
# window, and the names its parts must carry; Escape closes each.
OTHER_WINDOWS = [
    # A list's name is its value; its caption comes as the label it is
    # labelled by.
    ("alt+t c", "dialog", "Custom", [("combo box", "Columns"), ("combo box", "Rows"),
                                     ("push button", "GO")]),
    ("alt+v", "dialog", "Viewing Image (287 x 185)", [("image", "The whole picture")]),
    ("alt+f a", "dialog", "About", [("image", "Mosaic Rush logo"), ("push button", "OK")]),
]


class OtherWindows(GameTest):
    TSQ = saved_game(3, 3, SLIDING_BOARD)

    def window_named(self, role, name):
        for window in safely(lambda: list(self.game.app), []):
            if safely(lambda: window.getRoleName()) == role and \
                    safely(lambda: window.name) == name:
                return window
        return None

    def parts_of(self, window):
        parts, queue = [], [window]
        while queue:
            node = queue.pop(0)
            parts.append((safely(lambda: node.getRoleName()), safely(lambda: node.name)))
            queue.extend(safely(lambda: list(node), []))
        return parts

    def test_each_window_is_a_dialog_with_named_parts(self):
        for keys, role, title, parts in OTHER_WINDOWS:
            with self.subTest(keys=keys, window=title):
                self.game.press_until(keys, (title,))
                window = None
                deadline = time.monotonic() + ARRIVAL_LIMIT
                while window is None and time.monotonic() < deadline:
                    self.game.listener.pump(0.2)
                    window = self.window_named(role, title)
                self.assertIsNotNone(window, "no {} named {!r} among {}".format(
                    role, title, [self.parts_of(w)[0] for w in safely(
                        lambda: list(self.game.app), [])]))
                try:
                    for part_role, part_name in parts:
                        found = self.game.find(lambda a: a.getRoleName() == part_role and
                                               part_name in (a.name, labelled_by(a)), window)
                        self.assertIsNotNone(found, "{}: no {} named {!r} among {}".format(
                            title, part_role, part_name, self.parts_of(window)))
                    # No empty, nameless text fields for a reader to stop at.
                    empty = self.game.find(lambda a: a.getRoleName() == "text" and
                                           not a.name and not readout(a).strip(), window)
                    self.assertIsNone(empty, "{}: an empty, nameless text field".format(title))
                finally:
                    self.game.press("Escape")


def main():
    global GAME
    if len(sys.argv) < 2:
        sys.exit("usage: reader_test.py GAME_BINARY [unittest arguments]")
    GAME = os.path.abspath(sys.argv.pop(1))
    if not os.access(GAME, os.X_OK):
        sys.exit("reader test: {} is not an executable".format(GAME))
    # ctest's time limit ends the test with SIGTERM: clean up then too.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("reader test: terminated"))
    try:
        unittest.main(verbosity=2)
    finally:
        tearDownModule()


if __name__ == "__main__":
    main()
