# SPDX-License-Identifier: MIT
"""pallix-read --format prometheus --output as node_exporter's textfile
collector reads it: Debian's prometheus-node-exporter, run with only that
collector on the loopback, scrapes the file and serves the reading."""

import os
import re
import subprocess
import time
import unittest
import urllib.request

from consumers import Consumer, free_port, installed
from support import READER, ScratchTest, clean_environment, pallix_read

NAMES = ("pallix_temperature_celsius", "pallix_reading_ok", "pallix_last_reading_timestamp_seconds",
         "pallix_adapter_simulated")
SAMPLE = re.compile(r"(\w+)(\{.*\})? (\S+)")


class NodeExporter(ScratchTest):
    def setUp(self):
        super().setUp()
        self.textfiles = self.path("textfile")
        os.mkdir(self.textfiles)
        self.prom = os.path.join(self.textfiles, "pallix.prom")
        port = free_port()
        self.url = f"http://127.0.0.1:{port}/metrics"
        self.exporter = Consumer(self, [
            installed("prometheus-node-exporter"), "--collector.disable-defaults", "--collector.textfile",
            f"--collector.textfile.directory={self.textfiles}", f"--web.listen-address=127.0.0.1:{port}",
        ], self.serving, self.path("node-exporter.log"))

    def serving(self):
        try:
            self.scrape()
            return True
        except OSError:
            return False

    def scrape(self):
        with urllib.request.urlopen(self.url, timeout=5) as response:
            return response.read().decode("utf-8")

    def samples(self, scrape):
        """The pallix_ samples and the collector's error flag, by name and
        labels; each pallix_ metric also documented with HELP and a gauge TYPE."""
        values = {}
        for line in scrape.splitlines():
            sample = SAMPLE.fullmatch(line)
            if sample and (sample[1].startswith("pallix_") or sample[1] == "node_textfile_scrape_error"):
                values[sample[1] + (sample[2] or "")] = float(sample[3])
                self.assertIn(f"# HELP {sample[1]} ", scrape)
                self.assertIn(f"# TYPE {sample[1]} gauge\n", scrape)
        return values

    def test_the_scrape_serves_the_reading_with_its_offset_and_time(self):
        before = time.time()
        status, out, err = pallix_read("--format", "prometheus", "--output", self.prom, "--offset", "0.5",
                                       PALLIX400_SIM_TEMP="25.0625")
        after = time.time()
        self.assertEqual((status, out), (0, ""), err)
        scrape = self.scrape()
        values = self.samples(scrape)
        taken = values.pop("pallix_last_reading_timestamp_seconds")
        self.assertEqual(values, {"pallix_temperature_celsius": 25.5625, "pallix_reading_ok": 1,
                                  "pallix_adapter_simulated": 1, "node_textfile_scrape_error": 0})
        self.assertTrue(before - 0.001 <= taken <= after, (before, taken, after))
        self.assertEqual(os.listdir(self.textfiles), ["pallix.prom"])

    def test_two_named_adapters_scrape_side_by_side_without_an_error(self):
        ports = {"PALLIX400_SIM_PORTS": "1,2", "PALLIX400_SIM_TEMP_1": "21.5", "PALLIX400_SIM_TEMP_2": "-4.25"}
        for port, name in [("1", 'hall "1"'), ("2", "cellar\\2")]:
            status, _, err = pallix_read("--port", port, "--name", name, "--format", "prometheus", "--output",
                                         os.path.join(self.textfiles, f"pallix-port{port}.prom"), **ports)
            self.assertEqual(status, 0, err)
        scrape = self.scrape()
        values = {name: value for name, value in self.samples(scrape).items() if "timestamp" not in name}
        self.assertEqual(values, {
            'pallix_temperature_celsius{name="hall \\"1\\""}': 21.5, 'pallix_temperature_celsius{name="cellar\\\\2"}': -4.25,
            'pallix_reading_ok{name="hall \\"1\\""}': 1, 'pallix_reading_ok{name="cellar\\\\2"}': 1,
            'pallix_adapter_simulated{name="hall \\"1\\""}': 1, 'pallix_adapter_simulated{name="cellar\\\\2"}': 1,
            "node_textfile_scrape_error": 0}, scrape)

    def test_a_rejected_frame_serves_ok_0_and_no_stale_temperature(self):
        self.assertEqual(pallix_read("--format", "prometheus", "--output", self.prom)[0], 0)
        status, _, _ = pallix_read("--format", "prometheus", "--output", self.prom,
                                   PALLIX400_SIM_FAULT="no-sensor")
        self.assertEqual(status, 1)
        values = self.samples(self.scrape())
        self.assertNotIn("pallix_temperature_celsius", values)
        self.assertEqual((values["pallix_reading_ok"], values["node_textfile_scrape_error"]), (0, 0))
        self.assertIn("pallix_last_reading_timestamp_seconds", values)

    def test_every_scrape_while_readings_follow_each_other_reads_a_whole_file(self):
        reader = subprocess.Popen([READER, "--follow", "--interval", "0", "--format", "prometheus", "--output",
                                   self.prom], env=clean_environment(), stdout=subprocess.DEVNULL,
                                  stderr=subprocess.DEVNULL)
        self.addCleanup(reader.kill)
        deadline = time.monotonic() + 10
        while not os.path.exists(self.prom) and time.monotonic() < deadline:
            time.sleep(0.01)
        times = set()
        deadline = time.monotonic() + 3
        while time.monotonic() < deadline:
            values = self.samples(self.scrape())
            self.assertEqual(set(values), {*NAMES, "node_textfile_scrape_error"})
            self.assertEqual(values["node_textfile_scrape_error"], 0)
            times.add(values["pallix_last_reading_timestamp_seconds"])
        reader.terminate()
        self.assertEqual(reader.wait(timeout=10), 143)
        self.assertGreaterEqual(len(times), 3)  # the file was replaced while it was scraped
        self.assertEqual(os.listdir(self.textfiles), ["pallix.prom"])


if __name__ == "__main__":
    unittest.main()
