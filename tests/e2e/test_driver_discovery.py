# SPDX-License-Identifier: MIT
"""Which driver library the program uses: an installed one first, the
simulator shipped beside the program only when there is none, and never a
file from the current directory; and the window's reading in the user's
locale."""

import os
import unittest

from support import PROGRAM, SIMULATED, TEST_DRIVER, ScratchTest, press_read


class DriverDiscovery(ScratchTest):
    def test_a_driver_named_through_LD_LIBRARY_PATH_wins_over_the_simulator(self):
        window = press_read(LD_LIBRARY_PATH=os.path.dirname(TEST_DRIVER))
        self.assertEqual(window.driver, os.path.realpath(TEST_DRIVER))
        self.assertEqual(window.log, "Port: 1")
        self.assertEqual(window.temperature, "25")

    def test_without_a_driver_the_simulator_is_used_and_says_so(self):
        window = press_read()
        self.assertTrue(window.log.startswith(SIMULATED + "\nPort: 1"), window.log)
        self.assertEqual(os.path.basename(os.path.dirname(window.driver)), "pallixexample")

    def test_a_library_in_the_current_directory_is_never_loaded(self):
        program = self.copy(PROGRAM, "bin", "PallixExample")  # no simulator beside it
        self.copy(TEST_DRIVER, "work", "libPallix400.so")
        window = press_read(program, cwd=self.path("work"))
        self.assertEqual(window.log, "Error: File not found: libPallix400.so")
        self.assertEqual(window.driver, "(not loaded)")
        self.assertEqual(window.temperature, "No value")

class Locale(unittest.TestCase):
    def test_the_window_writes_the_temperature_with_the_users_decimal_separator(self):
        for locale, shown in (("C.UTF-8", "-0.0625"), ("de_DE.UTF-8", "-0,0625")):
            with self.subTest(locale):
                self.assertEqual(press_read(LC_ALL=locale, PALLIX400_SIM_TEMP="-0.0625").temperature, shown)


if __name__ == "__main__":
    unittest.main()
