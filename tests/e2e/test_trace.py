# SPDX-License-Identifier: MIT
"""The simulator's trace of the sensor's lines, read as a logic analyser's
SPI decoder reads it: mode 3, 17-bit words, most significant bit first."""

import unittest

from support import ScratchTest, pallix_read


def levels_over_time(vcd):
    """The levels of the named wires after each time stamp of a VCD file."""
    names, steps = {}, []
    for line in vcd.splitlines():
        parts = line.split()
        if parts[:1] == ["$var"]:
            names[parts[3]] = parts[4]
        elif line.startswith("#"):
            steps.append(dict(steps[-1]) if steps else {})
        elif len(line) == 2 and line[0] in "01" and line[1] in names and steps:
            steps[-1][names[line[1]]] = int(line[0])
    return steps


def spi_words(vcd):
    """The words a VCD of cs, sclk and miso carries, each as its bits, and
    what breaks mode 3 on the way: miso may change only as sclk falls while
    cs is low, and is released high while cs is high."""
    steps = levels_over_time(vcd)
    words, faults = [], []
    for before, after in zip(steps, steps[1:]):
        selected = before["cs"] == 0 and after["cs"] == 0
        if before["cs"] == 1 and after["cs"] == 0:
            words.append("")
        if selected and before["miso"] != after["miso"] and not (before["sclk"] == 1 and after["sclk"] == 0):
            faults.append("miso changed other than as sclk fell")
        if selected and before["sclk"] == 0 and after["sclk"] == 1:
            words[-1] += str(after["miso"])
        if after["cs"] == 1 and after["miso"] != 1:
            faults.append("miso driven while deselected")
    return words, faults


class Trace(ScratchTest):
    def test_readings_decode_as_spi_mode_3_words_of_the_reading_and_its_trailer(self):
        for celsius, word in (("25", "00001100100000110"), ("-0.0625", "11111111111110110")):
            with self.subTest(celsius):
                trace = self.path(f"{celsius}.vcd")
                status, _, _ = pallix_read("--count", "2", PALLIX400_SIM_TEMP=celsius, PALLIX400_SIM_TRACE=trace)
                self.assertEqual(status, 0)
                with open(trace, encoding="ascii") as vcd:
                    text = vcd.read()
                self.assertIn("$timescale 1 ns $end", text)
                words, faults = spi_words(text)
                self.assertEqual((words, faults), ([word, word], []))
                self.assertEqual(levels_over_time(text)[-1]["cs"], 1, "the last deselect was written")

    def test_retries_and_confirmations_take_a_chip_select_cycle_a_frame_and_no_more(self):
        # A bit-flip chance of 1 garbles every frame's trailer, 0 none.
        for arguments, noise, status, cycles in [(("--retries", "3"), "1", 1, 4),
                                                 (("--confirm", "3"), "0", 0, 3),
                                                 (("--confirm", "3", "--retries", "2"), "1", 1, 3),
                                                 (("--count", "2", "--confirm", "2", "--retries", "5"), "0", 0, 4)]:
            with self.subTest(arguments=arguments, noise=noise):
                trace = self.path("cycles.vcd")
                done = pallix_read(*arguments, PALLIX400_SIM_TEMP="25", PALLIX400_SIM_FAULT="noise",
                                   PALLIX400_SIM_NOISE=noise, PALLIX400_SIM_TRACE=trace)
                with open(trace, encoding="ascii") as vcd:
                    words, _ = spi_words(vcd.read())
                self.assertEqual((done[0], len(words)), (status, cycles), done)


if __name__ == "__main__":
    unittest.main()
