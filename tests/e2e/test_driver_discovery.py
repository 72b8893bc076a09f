"""Which driver library the program uses: an installed one first, the
simulator shipped beside the program only when there is none (a library
for another processor counting as none), and never a file from the current
directory; and the window's reading in the user's
locale."""

import os
import unittest

from support import PROGRAM, SIMULATED, TEST_DRIVER, ScratchTest, pallix_read, press_read


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

    def test_a_library_for_another_processor_is_passed_over_by_the_loader(self):
        # The test driver made a 64-bit library for the ARM processor (its
        # e_machine), or a 32-bit one (its class): the loader passes over
        # either; the first counts as absent, the second it names.
        cases = [(18, (183).to_bytes(2, "little"), 0, SIMULATED + "\nPort: 1\n"),
                 (4, b"\x01", 3, "Error: Cannot load the driver library: libPallix400.so: wrong ELF class: ELFCLASS32\n")]
        for offset, patch, status, log in cases:
            with self.subTest(patch=patch):
                with open(TEST_DRIVER, "rb") as driver:
                    library = bytearray(driver.read())
                library[offset:offset + len(patch)] = patch
                with open(self.path("libPallix400.so"), "wb") as foreign:
                    foreign.write(library)
                self.assertEqual(pallix_read(LD_LIBRARY_PATH=self.scratch)[::2], (status, log))


class Locale(unittest.TestCase):
    def test_the_window_writes_the_temperature_with_the_users_decimal_separator(self):
        for locale, shown in (("C.UTF-8", "-0.0625"), ("de_DE.UTF-8", "-0,0625")):
            with self.subTest(locale):
                self.assertEqual(press_read(LC_ALL=locale, PALLIX400_SIM_TEMP="-0.0625").temperature, shown)


if __name__ == "__main__":
    unittest.main()
