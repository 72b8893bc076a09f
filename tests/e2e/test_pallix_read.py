# SPDX-License-Identifier: MIT
"""pallix-read as scripts and log collectors use it: its command line, its
output formats parsed as they are meant to be, its exit statuses and its end
when interrupted."""

import csv
import json
import os
import re
import signal
import subprocess
import unittest

from support import READER, SIMULATED, SOURCE, TEST_DRIVER, VERSION, ScratchTest, clean_environment, pallix_read

ISO_TIME = re.compile(r"\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d\.\d{3}Z")


class CommandLine(unittest.TestCase):
    def test_every_bad_argument_gets_status_2_a_line_naming_it_and_the_usage(self):
        cases = {
            ("--bogus",): "'--bogus'",
            ("-x",): "'-x'",
            ("--count",): "'--count'",
            ("--count", "0"): "'0'",
            ("--count", "three"): "'three'",
            ("--count", "1.5"): "'1.5'",
            ("--interval", "-1"): "'-1'",
            ("--interval", "soon"): "'soon'",
            ("--interval", "nan"): "'nan'",
            ("--format", "xml"): "'xml'",
            ("--offset",): "'--offset'",
            ("--offset", "0.00001"): "'0.00001'",
            ("--offset", "1000.0001"): "'1000.0001'",
            ("--offset", "warm"): "'warm'",
            ("--offset", "."): "'.'",
            ("--output", ""): "''",
            ("--count", "2", "--follow"): "--count and --follow",
            ("--port", "0"): "'0'",
            ("--port", "256"): "'256'",
            ("-p", "1.5"): "'1.5'",
            ("--name", ""): "''",
            ("--name", "x" * 65): "'" + "x" * 65 + "'",
            ("--name", "a\tb"): "'a?b'",
            ("--name", "a\x1b[2Jb"): "'a?[2Jb'",
            ("--name", "a\u0085b"): "'a?b'",
            ("--retries", "11"): "'11'",
            ("-r", "-1"): "'-1'",
            ("--confirm", "1"): "'1'",
            ("--confirm", "11"): "'11'",
            ("extra",): "'extra'",
        }
        for arguments, named in cases.items():
            with self.subTest(arguments=arguments):
                status, out, err = pallix_read(*arguments)
                self.assertEqual(status, 2)
                self.assertEqual(out, "")
                first, *usage = err.splitlines()
                self.assertTrue(first.startswith("pallix-read: ") and named in first, first)
                self.assertTrue(usage and usage[0].startswith("Usage: pallix-read"), err)

    def test_help_and_version_answer_on_standard_output(self):
        self.assertEqual(pallix_read("--version")[:2], (0, f"pallix-read {VERSION}\n"))
        status, out, _ = pallix_read("--help")
        self.assertEqual(status, 0)
        self.assertTrue(out.startswith("Usage: pallix-read [--count N | --follow]"), out)

    def test_each_short_option_does_what_its_long_one_does(self):
        for short, long in ((["-V"], ["--version"]), (["-h"], ["--help"]),
                            (["-c", "2", "-i", "0", "-F", "csv", "-O", "1"],
                             ["--count", "2", "--interval", "0", "--format", "csv", "--offset", "1"])):
            with self.subTest(short=short):
                status, out, _ = pallix_read(*short, PALLIX400_SIM_TEMP="25")
                expected = pallix_read(*long, PALLIX400_SIM_TEMP="25")
                self.assertEqual(status, 0)
                self.assertEqual(re.sub(ISO_TIME, "T", out), re.sub(ISO_TIME, "T", expected[1]))
        self.assertEqual(pallix_read("-f", "-c", "1")[0], 2, "-f is --follow, which --count excludes")
        self.assertEqual(pallix_read("--name", "温" * 64, "-F", "json")[0], 0, "64 characters, not bytes")

    def test_the_help_the_manual_page_and_the_completion_name_the_same_options_and_formats(self):
        help_text = pallix_read("--help")[1]
        help_options = set(re.findall(r"--[a-z]+", help_text))
        with open(os.path.join(SOURCE, "cli", "pallix-read.1.in"), encoding="utf-8") as manual:
            text = manual.read()
        options = text[text.index(".SH OPTIONS"):text.index(".SH OUTPUT")]
        manual_options = set(name.replace("\\-", "-") for name in re.findall(r"\\-\\-[a-z]+", options))
        self.assertEqual(help_options, manual_options)
        with open(os.path.join(SOURCE, "cli", "pallix-read.bash-completion"), encoding="utf-8") as completion:
            words = completion.read()
        self.assertEqual(set(re.findall(r"--[a-z]+", re.search(r'compgen -W "(--[^"]*)"', words).group(1))),
                         help_options)
        formats = re.search(r'compgen -W "(text [^"]*)"', words).group(1).split()
        self.assertIn("|".join(formats), help_text)
        for name in formats:
            self.assertEqual(pallix_read("--format", name, "--offset", "1", PALLIX400_SIM_TEMP="24")[0], 0)


class Output(unittest.TestCase):
    def test_text_is_the_temperature_with_a_decimal_point_whatever_the_locale_and_the_simulator_named_once(self):
        status, out, err = pallix_read("--count", "2", "--interval", "0", PALLIX400_SIM_TEMP="25.0625",
                                       LC_ALL="de_DE.UTF-8")
        self.assertEqual((status, out), (0, "25.0625 °C\n" * 2))
        self.assertEqual(err.splitlines(), [SIMULATED, "Port: 1"])

    def test_the_drivers_text_is_read_in_the_users_encoding(self):
        # The simulator echoes a fault it does not know in its error text.
        status, out, err = pallix_read(PALLIX400_SIM_FAULT="größer", LC_ALL="C.UTF-8")
        self.assertEqual((status, out), (3, ""))
        self.assertTrue(err.splitlines()[-1].endswith("PALLIX400_SIM_FAULT=größer"), err)

    def test_an_offset_in_any_notation_is_added_exactly_to_the_temperature(self):
        for offset, text in [(".5", "25.5625"), ("+1", "26.0625"), ("0.062500", "25.125"), ("-0.0001", "25.0624"),
                             ("-1000", "-974.9375"), ("1000", "1025.0625")]:
            with self.subTest(offset=offset):
                self.assertEqual(pallix_read("--offset", offset, PALLIX400_SIM_TEMP="25.0625")[:2],
                                 (0, text + " °C\n"))

    def test_csv_parses_with_a_header_and_a_row_a_reading(self):
        status, out, _ = pallix_read("--count", "3", "--format", "csv", PALLIX400_SIM_TEMP="-0.0625")
        self.assertEqual(status, 0)
        rows = list(csv.DictReader(out.splitlines()))
        self.assertEqual(len(rows), 3)
        for row in rows:
            self.assertRegex(row["time"], ISO_TIME)
            self.assertEqual((row["raw"], row["celsius"], row["status"]), ("-1", "-0.0625", "ok"))

    def test_each_port_reads_its_own_sensor_and_is_named_in_the_status_lines(self):
        ports = {"PALLIX400_SIM_PORTS": "1,7", "PALLIX400_SIM_TEMP": "20", "PALLIX400_SIM_TEMP_7": "-7.5"}
        for arguments, expected in [((), (0, "20 °C\n", [SIMULATED, "Port: 1"])),
                                    (("--port", "7"), (0, "-7.5 °C\n", [SIMULATED, "Port: 7"])),
                                    (("-p", "2"), (3, "", [SIMULATED, "Can not set Port2", "Port: 0"]))]:
            with self.subTest(arguments=arguments):
                status, out, err = pallix_read(*arguments, **ports)
                self.assertEqual((status, out, err.splitlines()), expected)

    def test_json_names_the_series_and_marks_only_the_simulators_readings(self):
        for settings, simulated in [({}, True), ({"LD_LIBRARY_PATH": os.path.dirname(TEST_DRIVER)}, False)]:
            with self.subTest(simulated=simulated):
                status, out, _ = pallix_read("--count", "2", "--format", "json", "--name", 'Küche "2" \\', **settings)
                self.assertEqual(status, 0)
                for line in out.splitlines():
                    reading = json.loads(line)
                    self.assertEqual(reading["name"], 'Küche "2" \\')
                    self.assertEqual(reading.get("simulated"), True if simulated else None)
        self.assertNotIn("name", json.loads(pallix_read("--format", "json")[1]))

    def test_json_lines_parse_and_an_error_has_no_number(self):
        status, out, _ = pallix_read("--count", "2", "--format", "json", PALLIX400_SIM_FAULT="no-sensor")
        self.assertEqual(status, 1)
        for line in out.splitlines():
            reading = json.loads(line)
            self.assertEqual(set(reading), {"time", "error", "simulated"})
            self.assertRegex(reading["time"], ISO_TIME)
        status, out, _ = pallix_read("--format", "json", PALLIX400_SIM_TEMP="25.0625")
        self.assertEqual(json.loads(out), {"time": json.loads(out)["time"], "raw": 401, "celsius": 25.0625,
                                           "simulated": True})

    def test_a_rejected_frame_in_csv_leaves_the_numbers_empty(self):
        status, out, _ = pallix_read("--format", "csv", PALLIX400_SIM_FAULT="no-sensor")
        self.assertEqual(status, 1)
        row = next(csv.DictReader(out.splitlines()))
        self.assertEqual((row["raw"], row["celsius"], row["status"]), ("", "", "error"))


class ExitStatus(ScratchTest):
    def test_statuses_follow_what_the_adapter_did(self):
        cases = [
            ({}, 0, "25 °C\n"),
            ({"PALLIX400_SIM_FAULT": "no-sensor"}, 1, "error: no valid frame from the sensor\n"),
            ({"PALLIX400_SIM_FAULT": "init"}, 3, ""),
            ({"PALLIX400_SIM_FAULT": "port"}, 3, ""),
            ({"PALLIX400_SIM_FAULT": "noise", "PALLIX400_SIM_NOISE": "1"}, 1, "error: no valid frame from the sensor\n"),
        ]
        for settings, expected, output in cases:
            with self.subTest(settings=settings):
                status, out, err = pallix_read(PALLIX400_SIM_TEMP="25", **settings)
                self.assertEqual((status, out), (expected, output), err)

    def test_a_reading_that_cannot_be_written_is_status_4_not_success(self):
        with open("/dev/full", "w") as full:
            done = subprocess.run([READER, "--count", "2"], env=clean_environment(PALLIX400_SIM_TEMP="25"),
                                  stdout=full, stderr=subprocess.PIPE, text=True, timeout=60)
        self.assertEqual(done.returncode, 4, done.stderr)
        self.assertRegex(done.stderr, r"pallix-read: cannot write to standard output: No space left on device\n$")

    def test_no_library_anywhere_is_status_3_with_the_reason(self):
        program = self.copy(READER, "bin", "pallix-read")  # no simulator beside it
        status, out, err = pallix_read(program=program)
        self.assertEqual((status, out, err), (3, "", "Error: File not found: libPallix400.so\n"))

    def test_an_installed_driver_wins_over_the_simulator(self):
        status, out, err = pallix_read(LD_LIBRARY_PATH=os.path.dirname(TEST_DRIVER))
        self.assertEqual((status, out, err), (0, "25 °C\n", "Port: 1\n"))


class Interruption(ScratchTest):
    def interrupt(self, sig):
        trace = self.path("pins.vcd")
        env = clean_environment(PALLIX400_SIM_TEMP="20", PALLIX400_SIM_TRACE=trace)
        reader = subprocess.Popen([READER, "--follow", "--interval", "0.05"], env=env, stdout=subprocess.PIPE,
                                  stderr=subprocess.DEVNULL, text=True, encoding="utf-8")
        self.assertEqual(reader.stdout.readline(), "20 °C\n")
        reader.send_signal(sig)  # during the next reading's wait or its clocking
        status = reader.wait(timeout=10)
        with open(trace, encoding="ascii") as vcd:
            last_cs = [line for line in vcd.read().splitlines() if line in ("0c", "1c")][-1]
        return status, last_cs

    def test_an_interrupt_ends_with_130_and_the_sensor_deselected(self):
        self.assertEqual(self.interrupt(signal.SIGINT), (130, "1c"))

    def test_a_request_to_end_ends_with_143_and_the_sensor_deselected(self):
        self.assertEqual(self.interrupt(signal.SIGTERM), (143, "1c"))


if __name__ == "__main__":
    unittest.main()
