# SPDX-License-Identifier: MIT
"""pallix-read --format influx against a strict reading of InfluxDB's line
protocol: what Telegraf's exec and execd inputs and InfluxDB's write
endpoint accept."""

import os
import re
import time
import unittest

from support import TEST_DRIVER, pallix_read

INT64 = (-2**63, 2**63 - 1)
FLOAT = re.compile(r"[-+]?(\d+(\.\d*)?|\.\d+)([eE][-+]?\d+)?")
BOOLEANS = {"t": True, "T": True, "true": True, "True": True, "TRUE": True,
            "f": False, "F": False, "false": False, "False": False, "FALSE": False}


def name(text, at, stops):
    """A measurement, tag or field name from `at` up to an unescaped
    character of `stops`: its text and where it ends. A backslash escapes a
    comma, blank, equals sign or backslash; before anything else it is itself."""
    out = []
    while at < len(text) and text[at] not in stops:
        if text[at] == "\\" and at + 1 < len(text) and text[at + 1] in ", =\\":
            at += 1
        out.append(text[at])
        at += 1
    if not out:
        raise ValueError(f"empty name at {at}")
    if out[0] == "_":
        raise ValueError("names starting with _ are reserved")
    return "".join(out), at


def field_value(text, at):
    """A field value from `at`: (type, value) and where it ends."""
    if text.startswith('"', at):
        out, at = [], at + 1
        while at < len(text) and text[at] != '"':
            if text[at] == "\\" and at + 1 < len(text) and text[at + 1] in '"\\':
                at += 1
            out.append(text[at])
            at += 1
        if at == len(text):
            raise ValueError("string field not closed")
        return ("string", "".join(out)), at + 1
    end = at
    while end < len(text) and text[end] not in ", ":
        end += 1
    token = text[at:end]
    if re.fullmatch(r"[-+]?\d+i", token) and INT64[0] <= int(token[:-1]) <= INT64[1]:
        return ("integer", int(token[:-1])), end
    if re.fullmatch(r"\d+u", token) and int(token[:-1]) < 2**64:
        return ("unsigned", int(token[:-1])), end
    if FLOAT.fullmatch(token):
        return ("float", float(token)), end
    if token in BOOLEANS:
        return ("boolean", BOOLEANS[token]), end
    raise ValueError(f"not a field value: {token!r}")


def parse_line(line):
    """measurement, tags, fields ({key: (type, value)}) and the time stamp of
    one line, or ValueError naming the rule it breaks."""
    if line.startswith("#") or not line or line != line.strip() or "\n" in line:
        raise ValueError("not a line of data")
    measurement, at = name(line, 0, ", ")
    tags = {}
    while line.startswith(",", at):
        key, at = name(line, at + 1, "=, ")
        if not line.startswith("=", at):
            raise ValueError(f"tag {key} without a value")
        tags[key], at = name(line, at + 1, ", ")
    if not line.startswith(" ", at):
        raise ValueError("no field set")
    fields, separator = {}, " "
    while line.startswith(separator, at):
        key, at = name(line, at + 1, "=, ")
        if not line.startswith("=", at) or key in fields:
            raise ValueError(f"field {key} without a value, or twice")
        fields[key], at = field_value(line, at + 1)
        separator = ","
    timestamp = None
    if at < len(line):
        stamp = line[at + 1:]
        if not line.startswith(" ", at) or not re.fullmatch(r"-?\d+", stamp) or not INT64[0] <= int(stamp) <= INT64[1]:
            raise ValueError(f"not a time stamp: {line[at:]!r}")
        timestamp = int(stamp)
    return measurement, tags, fields, timestamp


def parse(output):
    """Every line of `output`, each ended by a line feed; a field keeps its
    type on every line, as InfluxDB requires."""
    if not output.endswith("\n"):
        raise ValueError("the last line has no line end")
    lines = [parse_line(line) for line in output[:-1].split("\n")]
    types = {}
    for _, _, fields, _ in lines:
        for key, (kind, _) in fields.items():
            if types.setdefault(key, kind) != kind:
                raise ValueError(f"field {key} changes its type")
    return lines


class LineProtocol(unittest.TestCase):
    def test_the_check_rejects_what_influxdb_rejects(self):
        bad = [
            "m\n", "m x=1", "m x=1 \n", "m  x=1\n", "m x= 1\n", "m x=1.5i\n", "m x=1,x=2\n", "m x=\"open\n",
            "m,t x=1\n", "m,t=a\n", "_m x=1\n", "m _x=1\n", "m x=1 1.5\n", "m x=1 99999999999999999999\n",
            "m x=TRUEE\n", "m x=1\n\n", "# comment\n", "m x=1\nm x=1i\n", "m x=9223372036854775808i\n",
        ]
        for output in bad:
            with self.subTest(output=output):
                self.assertRaises(ValueError, parse, output)
        self.assertEqual(parse('m\\ 1,t\\=k=v\\,w\\\\\\x x="a \\"b\\" c",y=-1i,z=1e3,w=t,u=2u -5\n'), [
            ("m 1", {"t=k": "v,w\\\\x"},
             {"x": ("string", 'a "b" c'), "y": ("integer", -1), "z": ("float", 1000.0), "w": ("boolean", True),
              "u": ("unsigned", 2)}, -5)])

    def test_readings_are_lines_with_a_float_an_integer_and_nanoseconds_from_whole_milliseconds(self):
        before = time.time_ns()
        status, out, err = pallix_read("--count", "3", "--format", "influx", "--offset", "-0.3",
                                       PALLIX400_SIM_TEMP="25.0625")
        after = time.time_ns()
        self.assertEqual(status, 0, err)
        lines = parse(out)
        self.assertEqual(len(lines), 3)
        stamps = []
        for measurement, tags, fields, stamp in lines:
            self.assertEqual((measurement, tags), ("pallix_temperature", {}))
            self.assertEqual(fields, {"celsius": ("float", 24.7625), "raw": ("integer", 401),
                                      "simulated": ("boolean", True)})
            self.assertEqual(stamp % 1_000_000, 0)
            self.assertTrue(before - 1_000_000 < stamp <= after, (before, stamp, after))
            stamps.append(stamp)
        self.assertEqual(stamps, sorted(set(stamps)))

    def test_a_rejected_frame_is_a_line_with_the_error_as_a_string(self):
        status, out, _ = pallix_read("--count", "2", "--format", "influx", PALLIX400_SIM_FAULT="no-sensor")
        self.assertEqual(status, 1)
        for _, _, fields, _ in parse(out):
            self.assertEqual(fields, {"error": ("string", "no valid frame from the sensor"),
                                      "simulated": ("boolean", True)})

    def test_the_name_is_a_tag_whatever_its_characters_and_only_a_real_driver_leaves_simulated_out(self):
        name = "Küche 2,a=b\\ \\"
        for settings, extra in [({}, {"simulated": ("boolean", True)}),
                                ({"LD_LIBRARY_PATH": os.path.dirname(TEST_DRIVER)}, {})]:
            with self.subTest(settings=settings):
                status, out, err = pallix_read("--count", "2", "--format", "influx", "--name", name,
                                               PALLIX400_SIM_TEMP="25", **settings)
                self.assertEqual(status, 0, err)
                for measurement, tags, fields, _ in parse(out):
                    self.assertEqual((measurement, tags), ("pallix_temperature", {"name": name}))
                    self.assertEqual(fields, {"celsius": ("float", 25.0), "raw": ("integer", 400), **extra})


if __name__ == "__main__":
    unittest.main()
