# SPDX-License-Identifier: MIT
"""The window as a screen reader meets it: the program on a virtual X screen,
its accessibility bridge on, read and worked through AT-SPI as Orca does.

Run on a D-Bus session of its own (dbus-run-session), with Debian's python3
and its pyatspi; the test starts the X screen itself."""

import os
import subprocess
import tempfile
import time
import unittest

from support import PROGRAM, ScratchTest, clean_environment

SENSOR = ["CS", "Clock", "S0", "GND", "5V"]
ADAPTER = ["O2", "O1*", "I1*", "GND", "VCC", "* bottom"]
# Each container's controls, by role and name, in any order; the diagram's
# eleven lines are the nameless fillers.
TREE = {
    "PallixExample": [("image", "Miral Elektronik GmbH logo"), ("label", "Miral Elektronik GmbH"),
                      ("link", "http://www.miral.example/"), ("push-button", "Close"),
                      ("panel", "Temperatur"), ("panel", "Status Log"), ("panel", "Layout")],
    "Temperatur": [("push-button", "Read"), ("text", "Temperatur"), ("label", "°C")],
    "Status Log": [("text", "Status Log")],
    "Layout": [("label", name) for name in SENSOR + ADAPTER] + [("image", "Adapter photo")] + [("filler", "")] * 11,
}
# The controls a description tells more of, by role and name; the others have none.
DESCRIPTIONS = {
    ("text", "Temperatur"): "°C",
    ("link", "http://www.miral.example/"): "Opens the maker's web site in the browser",
    ("image", "Miral Elektronik GmbH logo"): "The maker's logo",
    ("image", "Adapter photo"): "The corner of the adapter board that the sensor is wired to: a two-pin header "
                                "above a four-pin connector, where the diagram's lines end",
    ("panel", "Layout"): "How the sensor is wired to the adapter: CS to O2, Clock to O1*, S0 to I1*, GND to GND, "
                         "5V to VCC",
}
BROWSER = '#!/bin/sh\nprintf "[%s]\\n" "$@" > "$0.tmp"\nmv "$0.tmp" "$0.out"\n'


def start_virtual_screen():
    """A fresh Xvfb on a display number it picks itself, and that number."""
    read, write = os.pipe()
    screen = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "640x480x24", "-nolisten", "tcp"],
                              pass_fds=[write], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write)
    with os.fdopen(read) as announced:
        number = announced.readline().strip()
    if not number:
        screen.wait()
        raise RuntimeError("Xvfb did not start")
    return screen, ":" + number


def role(accessible):
    return accessible.get_role().value_nick


def text_box(panel):
    return next(child for child in panel if role(child) == "text")


def relations(accessible):
    """The relations of an accessible as (kind, the other's name)."""
    return {(relation.get_relation_type().value_nick, relation.get_target(i).name)
            for relation in accessible.get_relation_set() for i in range(relation.get_n_targets())}


def wait_for(what, check, seconds=20):
    """check()'s first true value, the bus's events handled meanwhile."""
    from gi.repository import GLib
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        value = check()
        if value:
            return value
        GLib.MainContext.default().iteration(False)
        time.sleep(0.02)
    raise AssertionError("timed out waiting for " + what)


class ScreenReaderView(ScratchTest):
    @classmethod
    def setUpClass(cls):
        if not os.environ.get("DBUS_SESSION_BUS_ADDRESS"):
            raise RuntimeError("no D-Bus session: run the test under dbus-run-session")
        cls.screen, cls.display = start_virtual_screen()
        os.environ["DISPLAY"] = cls.display
        import pyatspi  # connects to the accessibility bus, found through the session
        cls.pyatspi = pyatspi

    @classmethod
    def tearDownClass(cls):
        cls.screen.terminate()
        cls.screen.wait()

    def setUp(self):
        super().setUp()
        self.browser = self.path("browser")
        with open(self.browser, "w", encoding="ascii") as script:
            script.write(BROWSER)
        os.chmod(self.browser, 0o755)
        empty = self.path("xdg")
        os.makedirs(empty)
        runtime = tempfile.mkdtemp(dir=self.scratch)
        # xdg-open without a desktop to ask, nor a handler for http, starts $BROWSER.
        env = clean_environment(DISPLAY=self.display, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                                XDG_RUNTIME_DIR=runtime, XDG_CURRENT_DESKTOP="X-Generic", BROWSER=self.browser,
                                XDG_CONFIG_HOME=empty, XDG_CONFIG_DIRS=empty, XDG_DATA_HOME=empty,
                                XDG_DATA_DIRS=empty, LC_ALL="C.UTF-8", PALLIX400_SIM_TEMP="25")
        self.program = subprocess.Popen([PROGRAM], env=env, cwd=self.scratch)
        self.addCleanup(self.stop_program)
        self.window = wait_for("the window on the accessibility bus", self.find_window)

    def stop_program(self):
        if self.program.poll() is None:
            self.program.kill()
        self.program.wait()

    def find_window(self):
        for application in self.pyatspi.Registry.getDesktop(0):
            if application is None or application.get_process_id() != self.program.pid:
                continue
            for window in application:
                if window is not None and window.childCount:
                    return window
        return None

    def controls(self):
        """Each container's controls as (role, name), every control by name (a
        frame before the box named after it), and the descriptions that are
        not empty; what lies inside a text box is the toolkit's own."""
        tree, named, described = {}, {}, {}

        def visit(container):
            found = tree.setdefault(container.name, [])
            for child in container:
                found.append((role(child), child.name))
                named.setdefault(child.name, child)
                if child.get_description():
                    described[(role(child), child.name)] = child.get_description()
                if role(child) == "panel":
                    visit(child)

        visit(self.window)
        return tree, named, described

    def test_every_control_but_the_lines_has_a_role_and_a_name(self):
        tree, named, described = self.controls()
        self.assertEqual((role(self.window), self.window.name), ("frame", "PallixExample"))
        self.assertEqual({container: sorted(controls) for container, controls in tree.items()},
                         {container: sorted(controls) for container, controls in TREE.items()})
        # The temperature box is labelled by its frame and its unit, the unit
        # labels the box, and nothing else is related.
        self.assertLessEqual({("labelled-by", "°C"), ("labelled-by", "Temperatur")},
                             relations(text_box(named["Temperatur"])))
        self.assertLessEqual({("label-for", "Temperatur")}, relations(named["°C"]))
        self.assertEqual(relations(named["http://www.miral.example/"]), set())
        self.assertEqual((self.window.get_description(), described), ("", DESCRIPTIONS))

    def test_the_status_box_tells_of_the_text_a_read_puts_into_it(self):
        from gi.repository import Atspi
        _, named, _ = self.controls()
        changes = []
        listener = Atspi.EventListener.new(lambda event: changes.append((event.source.get_name(), event.type,
                                                                         event.any_data)))
        listener.register("object:text-changed")
        self.addCleanup(listener.deregister, "object:text-changed")
        named["Read"].do_action(0)
        inserted = wait_for("the status log", lambda: [text for name, kind, text in changes
                                                       if name == "Status Log" and kind.endswith(":insert")])
        # The box's paragraphs end in U+2029, the log's lines in line breaks.
        log = text_box(named["Status Log"]).get_text(0, -1)
        self.assertEqual(inserted[-1].replace("\u2029", "\n"), log)
        self.assertTrue(log.endswith("Port: 1\n"), log)
        self.assertEqual(text_box(named["Temperatur"]).get_text(0, -1), "25")

    def test_the_links_one_action_starts_the_browser_and_close_ends_the_program(self):
        _, named, _ = self.controls()
        link = named["http://www.miral.example/"]
        action = link.queryAction()
        self.assertEqual([action.getName(i) for i in range(action.nActions)], ["Press"])
        self.assertEqual(action.getKeyBinding(0), "")
        self.assertFalse(link.get_state_set().contains(self.pyatspi.STATE_FOCUSABLE))
        link.do_action(0)
        recorded = self.browser + ".out"
        wait_for("the browser", lambda: os.path.exists(recorded))
        with open(recorded, encoding="ascii") as arguments:
            self.assertEqual(arguments.read(), "[http://www.miral.example]\n")
        named["Close"].do_action(0)
        self.assertEqual(self.program.wait(timeout=20), 0)


if __name__ == "__main__":
    unittest.main()
