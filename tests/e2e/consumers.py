# SPDX-License-Identifier: MIT
"""The real programs that consume pallix-read's output, each started by the
test that needs it, on the loopback and a free port, and stopped by it."""

import os
import shutil
import socket
import subprocess
import time

START_TIMEOUT = 20  # seconds for a consumer to come up


def installed(name):
    """The path of a program Debian installs, in /usr/sbin too."""
    found = shutil.which(name, path=os.pathsep.join([os.environ.get("PATH", ""), "/usr/sbin", "/sbin"]))
    if found is None:
        raise AssertionError(f"{name} is not installed; scripts/setup.sh all installs it")
    return found


def free_port():
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


def listening(port):
    try:
        with socket.create_connection(("127.0.0.1", port), timeout=1):
            return True
    except OSError:
        return False


class Consumer:
    """A program started for one test and stopped when the test ends, however
    it ends. `ready` says when it serves."""

    def __init__(self, test, arguments, ready, log):
        self.log = log
        with open(log, "wb") as output:
            self.process = subprocess.Popen(arguments, stdin=subprocess.DEVNULL, stdout=output,
                                            stderr=subprocess.STDOUT)
        test.addCleanup(self.stop)
        deadline = time.monotonic() + START_TIMEOUT
        while not ready():
            if self.process.poll() is not None or time.monotonic() > deadline:
                raise AssertionError(f"{arguments[0]} did not come up: {self.output()}")
            time.sleep(0.05)

    def output(self):
        with open(self.log, encoding="utf-8", errors="replace") as output:
            return output.read()

    def stop(self):
        self.process.terminate()
        try:
            self.process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()
