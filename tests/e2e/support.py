# SPDX-License-Identifier: MIT
"""What the end-to-end tests share: the programs under test, as the build
made them, started with a clean environment of their own."""

import os
import shutil
import subprocess
import tempfile
import unittest

PROGRAM = os.environ.get("PALLIX_PROGRAM", "")
READER = os.environ.get("PALLIX_READ", "")
SOURCE = os.path.normpath(os.path.join(os.path.dirname(__file__), "..", ".."))
PROBE = os.environ.get("PALLIX_QTPROBE", "")
TEST_DRIVER = os.environ.get("PALLIX_TEST_DRIVER", "")
VERSION = os.environ.get("PALLIX_VERSION", "")
SIMULATED = "Simulated adapter: no libPallix400.so is installed"


def clean_environment(**settings):
    """The caller's environment without the loader's and the simulator's
    settings, plus `settings`."""
    env = {name: value for name, value in os.environ.items()
           if name != "LD_LIBRARY_PATH" and not name.startswith(("PALLIX400_SIM_", "QTPROBE_"))}
    env.update(settings)
    return env


def pallix_read(*arguments, program=READER, cwd=None, timeout=60, **settings):
    """pallix-read's exit status, standard output and standard error."""
    done = subprocess.run([program, *arguments], env=clean_environment(**settings), cwd=cwd, timeout=timeout,
                          capture_output=True, text=True, encoding="utf-8")
    return done.returncode, done.stdout, done.stderr


class Window:
    """What the window showed after one press of Read, through the probe."""

    def __init__(self, temperature, log, driver):
        self.temperature, self.log, self.driver = temperature, log, driver


def press_read(program=PROGRAM, cwd=None, **settings):
    with tempfile.TemporaryDirectory() as scratch:
        out = os.path.join(scratch, "probe.txt")
        env = clean_environment(QT_QPA_PLATFORM="offscreen", LD_PRELOAD=PROBE, QTPROBE_ACTION="read",
                                QTPROBE_OUT=out, **settings)
        subprocess.run([program], env=env, cwd=cwd or scratch, timeout=60, check=True)
        with open(out, encoding="utf-8") as report:
            lines = report.read().splitlines()
    return Window(lines[0], "\n".join(lines[1:-1]), lines[-1].removeprefix("driver="))


class ScratchTest(unittest.TestCase):
    """A test with a scratch directory of its own."""

    def setUp(self):
        self.scratch = tempfile.mkdtemp(prefix="pallix-e2e.")
        self.addCleanup(shutil.rmtree, self.scratch)

    def path(self, *parts):
        return os.path.join(self.scratch, *parts)

    def copy(self, source, *parts):
        target = self.path(*parts)
        os.makedirs(os.path.dirname(target), exist_ok=True)
        shutil.copy(source, target)
        return target
