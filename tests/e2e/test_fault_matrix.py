# SPDX-License-Identifier: MIT
"""What the user sees, in the window and from pallix-read, for every way the
driver library can fail the program. The README's troubleshooting table lists
the same rows."""

import os
import unittest

from support import PROGRAM, READER, SIMULATED, TEST_DRIVER, ScratchTest, pallix_read, press_read

DRIVERS = os.path.dirname(os.path.dirname(TEST_DRIVER))  # the test driver's variants, one directory each
NO_FRAME = "error: no valid frame from the sensor\n"


def variant(name):
    return os.path.join(DRIVERS, name)


# How the test driver is made a library for another machine: its ELF class
# (32-bit), or its machine (AArch64).
FOREIGN = {"32-bit": (4, b"\x01"), "ARM": (18, (183).to_bytes(2, "little"))}


def hexadecimal(text):
    return text.hex()


# name: (where the driver comes from, settings,
#        window: (temperature, status log), pallix-read: (status, output, standard error))
MATRIX = {
    "library missing": ("nowhere", {},
                        ("No value", "Error: File not found: libPallix400.so"),
                        (3, "", "Error: File not found: libPallix400.so\n")),
    "a file of that name that is no library": ("no library", {},
                                               ("No value", "Error: Cannot load the driver library: {dir}/libPallix400.so: file too short"),
                                               (3, "", "Error: Cannot load the driver library: {dir}/libPallix400.so: file too short\n")),
    "a 32-bit library": ("32-bit", {},
                         ("No value", "Error: Cannot load the driver library: libPallix400.so: wrong ELF class: ELFCLASS32"),
                         (3, "", "Error: Cannot load the driver library: libPallix400.so: wrong ELF class: ELFCLASS32\n")),
    "a library for another processor, which the loader counts as absent": ("ARM", {},
                                                                          ("25", SIMULATED + "\nPort: 1"),
                                                                          (0, "25 °C\n", SIMULATED + "\nPort: 1\n")),
    "an operation missing before the sensor is selected": (variant("driver_lacking_getport"), {},
                                                           ("No value", "Error: Entry point GetPort not found: {lib}: undefined symbol: GetPort"),
                                                           (3, "", "Error: Entry point GetPort not found: {lib}: undefined symbol: GetPort\n")),
    "an operation missing after the sensor is selected": (variant("driver_lacking_readtestpins"), {},
                                                          ("Error", "Port: 1\nError: Entry point ReadTestpins not found: {lib}: undefined symbol: ReadTestpins"),
                                                          (1, NO_FRAME, "Port: 1\nError: Entry point ReadTestpins not found: {lib}: undefined symbol: ReadTestpins\n")),
    "init error": ("simulator", {"PALLIX400_SIM_FAULT": "init"},
                   ("No value", SIMULATED + "\nError: InitiateDriver: simulated fault: the driver could not be initiated (PALLIX400_SIM_FAULT=init)"),
                   (3, "", SIMULATED + "\nError: InitiateDriver: simulated fault: the driver could not be initiated (PALLIX400_SIM_FAULT=init)\n")),
    "port error": ("simulator", {"PALLIX400_SIM_FAULT": "port"},
                   ("No value", SIMULATED + "\nCan not set Port1\nPort: 0"),
                   (3, "", SIMULATED + "\nCan not set Port1\nPort: 0\n")),
    "no sensor": ("simulator", {"PALLIX400_SIM_FAULT": "no-sensor"},
                  ("Error", SIMULATED + "\nPort: 1"),
                  (1, NO_FRAME, SIMULATED + "\nPort: 1\n")),
    "a noisy data line": ("simulator", {"PALLIX400_SIM_FAULT": "noise", "PALLIX400_SIM_NOISE": "1"},
                          ("Error", SIMULATED + "\nPort: 1"),
                          (1, NO_FRAME, SIMULATED + "\nPort: 1\n")),
    "a negative error-text count": (variant("test_driver"), {"PALLIX_TEST_DRIVER_INIT": "7", "PALLIX_TEST_DRIVER_COUNT": "-1",
                                                             "PALLIX_TEST_DRIVER_TEXT": hexadecimal(b"Broken")},
                                    ("No value", "Error: InitiateDriver: "),
                                    (3, "", "Error: InitiateDriver: \n")),
    "an error-text count of 250": (variant("test_driver"), {"PALLIX_TEST_DRIVER_INIT": "7", "PALLIX_TEST_DRIVER_COUNT": "250",
                                                            "PALLIX_TEST_DRIVER_TEXT": hexadecimal(b"x" * 100)},
                                   ("No value", "Error: InitiateDriver: " + "x" * 100),
                                   (3, "", "Error: InitiateDriver: " + "x" * 100 + "\n")),
    "NUL and undecodable bytes in the error text": (variant("test_driver"), {"PALLIX_TEST_DRIVER_INIT": "7", "PALLIX_TEST_DRIVER_TEXT": hexadecimal(b"Bad\xff\x00junk")},
                                                    ("No value", "Error: InitiateDriver: Bad\ufffd"),
                                                    (3, "", "Error: InitiateDriver: Bad\ufffd\n")),
    "a ReadTestpins result outside -32768..32767": (variant("test_driver"), {"PALLIX_TEST_DRIVER_READ_RESULT": "70000"},
                                                    ("25", "Port: 1"),
                                                    (0, "25 °C\n", "Port: 1\n")),
    "a negative GetPort": (variant("test_driver"), {"PALLIX_TEST_DRIVER_PORT": "-5"},
                           ("25", "Port: -5"),
                           (0, "25 °C\n", "Port: -5\n")),
}


class FaultMatrix(ScratchTest):
    def arrange(self, source, settings):
        """The programs to start and their settings for a row's driver."""
        settings = dict(settings, LC_ALL="C.UTF-8", PALLIX400_SIM_TEMP="25",
                        PALLIX_TEST_DRIVER_LOG=self.path("pins.txt"))
        program, reader, directory = PROGRAM, READER, source
        if source == "nowhere" or source == "no library":  # the simulator out of reach
            program = self.copy(PROGRAM, "bin", "PallixExample")
            reader = self.copy(READER, "bin", "pallix-read")
        if source == "no library":
            directory = self.path("lib")
            os.makedirs(directory)
            with open(os.path.join(directory, "libPallix400.so"), "w", encoding="ascii") as library:
                library.write("no library\n")
        if source in FOREIGN:  # the test driver made a library for another machine
            directory = self.path(source)
            os.makedirs(directory, exist_ok=True)
            with open(TEST_DRIVER, "rb") as driver:
                library = bytearray(driver.read())
            offset, patch = FOREIGN[source]
            library[offset:offset + len(patch)] = patch
            with open(os.path.join(directory, "libPallix400.so"), "wb") as foreign:
                foreign.write(library)
        if source not in ("nowhere", "simulator"):
            settings["LD_LIBRARY_PATH"] = directory
        return program, reader, settings, {"dir": directory, "lib": os.path.join(str(directory), "libPallix400.so")}

    def pins_left_idle(self):
        """Whether the last pattern the test driver took, if any, was the idle 3."""
        path = self.path("pins.txt")
        if not os.path.exists(path):
            return True
        with open(path, encoding="ascii") as pins:
            written = pins.read()
        os.remove(path)
        return written.endswith("3")

    def test_every_row_shows_what_it_should_and_leaves_the_sensor_deselected(self):
        for name, (source, settings, window_sees, reader_gives) in MATRIX.items():
            with self.subTest(name):
                program, reader, env, names = self.arrange(source, settings)
                window = press_read(program, **env)
                self.assertEqual((window.temperature, window.log), tuple(text.format(**names) for text in window_sees))
                self.assertTrue(self.pins_left_idle(), "the window left the sensor selected")
                status, out, err = pallix_read(program=reader, **env)
                self.assertEqual((status, out, err), (reader_gives[0], reader_gives[1], reader_gives[2].format(**names)))
                self.assertTrue(self.pins_left_idle(), "pallix-read left the sensor selected")


if __name__ == "__main__":
    unittest.main()
