# SPDX-License-Identifier: MIT
"""pallix-read --output FILE: each reading replaces the file whole, so that
whoever reads it sees one whole reading; a file that cannot be written is
found before any reading, a write that fails later ends the program; no
temporary file is left behind."""

import csv
import json
import os
import signal
import subprocess
import time
import unittest

from support import READER, ScratchTest, clean_environment, pallix_read

POLL_SECONDS = 2


def whole_json(text):
    (line,) = text.splitlines()
    return text.endswith("\n") and json.loads(line)["celsius"] == 20


def whole_csv(text):
    (row,) = csv.DictReader(text.splitlines())
    return text.endswith("\n") and row["celsius"] == "20"


def whole_prometheus(text):
    return text.endswith("\n") and len(text.splitlines()) == 12 and "\npallix_temperature_celsius 20\n" in text


class Output(ScratchTest):
    def follow(self, *arguments):
        reader = subprocess.Popen([READER, "--follow", *arguments], env=clean_environment(PALLIX400_SIM_TEMP="20"),
                                  stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True, encoding="utf-8")
        self.addCleanup(reader.kill)
        return reader

    def wait_for(self, path):
        deadline = time.monotonic() + 10
        while not os.path.exists(path):
            self.assertLess(time.monotonic(), deadline, f"{path} never appeared")
            time.sleep(0.005)

    def test_a_reader_polling_the_file_sees_whole_readings_only(self):
        for format_name, whole in [("json", whole_json), ("csv", whole_csv), ("prometheus", whole_prometheus)]:
            with self.subTest(format=format_name):
                target = self.path(f"reading.{format_name}")
                reader = self.follow("--interval", "0", "--format", format_name, "--output", target)
                self.wait_for(target)
                seen = set()
                deadline = time.monotonic() + POLL_SECONDS
                while time.monotonic() < deadline:
                    with open(target, encoding="utf-8") as file:
                        text = file.read()
                    self.assertTrue(whole(text), repr(text))
                    seen.add(text)
                reader.send_signal(signal.SIGINT)
                out, _ = reader.communicate(timeout=10)
                self.assertEqual((reader.returncode, out), (130, ""))
                self.assertGreaterEqual(len(seen), 3)  # it was rewritten under the reader's eyes
                self.assertEqual(os.listdir(self.scratch), [os.path.basename(target)])
                os.remove(target)

    def test_a_file_that_cannot_be_written_is_status_2_before_any_reading(self):
        a_file = self.path("plain")
        open(a_file, "w").close()
        locked = self.path("locked")
        os.mkdir(locked, 0o555)
        cases = [self.path("missing", "pallix.prom"), os.path.join(a_file, "pallix.prom"), self.scratch,
                 "/proc/pallix.prom"]
        if os.geteuid() != 0:  # root writes a read-only directory all the same
            cases.append(os.path.join(locked, "pallix.prom"))
        for target in cases:
            with self.subTest(target=target):
                status, out, err = pallix_read("--output", target)
                self.assertEqual((status, out), (2, ""))
                self.assertRegex(err, f"^pallix-read: cannot write '{target}': [^\n]+\n$")
        self.assertEqual(sorted(os.listdir(self.scratch)), ["locked", "plain"])

    def test_a_write_that_fails_later_ends_with_status_4_and_leaves_nothing_behind(self):
        target = self.path("reading.json")
        reader = self.follow("--interval", "0.1", "--format", "json", "--output", target)
        self.wait_for(target)
        os.remove(target)
        os.makedirs(os.path.join(target, "in the way"))  # no file can be renamed over it
        out, err = reader.communicate(timeout=10)
        self.assertEqual((reader.returncode, out), (4, ""))
        self.assertRegex(err.splitlines()[-1], f"^pallix-read: cannot write '{target}': ")
        self.assertEqual(os.listdir(self.scratch), ["reading.json"])

    def test_a_request_to_end_leaves_the_last_whole_reading_and_no_temporary_file(self):
        target = self.path("pallix.prom")
        reader = self.follow("--interval", "0", "--format", "prometheus", "--output", target)
        self.wait_for(target)
        time.sleep(0.5)
        reader.terminate()
        reader.communicate(timeout=10)
        self.assertEqual(reader.returncode, 143)
        with open(target, encoding="utf-8") as file:
            self.assertTrue(whole_prometheus(file.read()))
        self.assertEqual(os.listdir(self.scratch), ["pallix.prom"])


if __name__ == "__main__":
    unittest.main()
