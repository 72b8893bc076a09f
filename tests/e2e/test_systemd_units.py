# SPDX-License-Identifier: MIT
"""The systemd units that read the sensor for node_exporter every minute, as
an install writes them, for one adapter and as templates whose instance is
the port: disabled, accepted by systemd-analyze verify, and sandboxed."""

import os
import shutil
import subprocess
import unittest

from consumers import installed
from support import READER, SOURCE, ScratchTest

BUILD = os.environ.get("PALLIX_BUILD_DIR", "")
CMAKE = os.environ.get("PALLIX_CMAKE", "cmake")
UNITS = ("pallix-read-prometheus.service", "pallix-read-prometheus.timer", "pallix-read-prometheus@.service",
         "pallix-read-prometheus@.timer")


class Units(ScratchTest):
    def setUp(self):
        super().setUp()
        self.prefix = self.path("prefix")
        subprocess.run([CMAKE, "--install", BUILD, "--prefix", self.prefix, "--component", "systemd"], check=True,
                       capture_output=True, timeout=60)
        self.units = [os.path.join(self.prefix, "lib", "systemd", "system", unit) for unit in UNITS]

    def test_they_are_installed_disabled_and_name_the_installed_program(self):
        installed_files = sorted(os.path.relpath(os.path.join(folder, name), self.prefix)
                                 for folder, _, names in os.walk(self.prefix) for name in names)
        self.assertEqual(installed_files, [os.path.join("lib", "systemd", "system", unit) for unit in UNITS])
        for unit, options, file in [(self.units[0], "", "pallix.prom"),
                                    (self.units[2], "--port %i --name port%i ", "pallix-port%i.prom")]:
            with open(unit, encoding="utf-8") as service:
                self.assertIn(f"\nExecStart={self.prefix}/bin/pallix-read {options}--format prometheus --output "
                              f"/var/lib/prometheus/node-exporter/{file}\n", service.read())

    def instances(self):
        """The units, the templates' as their instance for port 2."""
        return [unit.replace("@.", "@2.") for unit in self.units]

    def test_systemd_analyze_verifies_them_without_a_warning(self):
        os.makedirs(os.path.join(self.prefix, "bin"))
        shutil.copy(READER, os.path.join(self.prefix, "bin", "pallix-read"))
        manuals = self.path("man", "man1")
        os.makedirs(manuals)
        shutil.copy(os.path.join(SOURCE, "cli", "pallix-read.1.in"), os.path.join(manuals, "pallix-read.1"))
        verified = subprocess.run([installed("systemd-analyze"), "verify", *self.instances()], capture_output=True,
                                  text=True, timeout=60, env={**os.environ, "MANPATH": self.path("man")})
        self.assertEqual((verified.returncode, verified.stderr, verified.stdout), (0, "", ""))

    def test_the_services_are_sandboxed_as_systemd_rates_them_safe(self):
        # Exposure 0.0 (none) to 10.0 (unrestricted), times ten: at most 1.0.
        for service in self.instances()[::2]:
            with self.subTest(service=os.path.basename(service)):
                rated = subprocess.run([installed("systemd-analyze"), "security", "--offline=yes", "--threshold=10",
                                        service], capture_output=True, text=True, timeout=60)
                self.assertEqual(rated.returncode, 0, rated.stdout + rated.stderr)


if __name__ == "__main__":
    unittest.main()
