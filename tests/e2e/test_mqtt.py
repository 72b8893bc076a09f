# SPDX-License-Identifier: MIT
"""pallix-read's JSON lines through MQTT, as the README shows it: the README's
pipes of two named sensors into mosquitto_pub and their Home Assistant
discovery messages, sent to Debian's mosquitto broker started on the
loopback, and read back by a subscriber as Home Assistant would read them."""

import json
import os
import re
import signal
import subprocess
import unittest

import jinja2  # Home Assistant's template engine

from consumers import Consumer, free_port, installed, listening
from support import READER, SOURCE, ScratchTest, clean_environment


def readme_commands():
    """The README's shell blocks that publish with mosquitto_pub."""
    with open(os.path.join(SOURCE, "README.md"), encoding="utf-8") as readme:
        blocks = re.findall(r"```sh\n(.*?)```", readme.read(), re.S)
    return [block for block in blocks if "mosquitto_pub" in block]


def on_loopback(command, port):
    """The README's command, sent to the test's broker."""
    test_broker = command.replace("-h mqtt.example", f"-h 127.0.0.1 -p {port}")
    if test_broker == command:
        raise AssertionError(f"the README's command names no broker with -h mqtt.example: {command}")
    return test_broker


class Mosquitto(ScratchTest):
    def setUp(self):
        super().setUp()
        self.port = free_port()
        config = self.path("mosquitto.conf")
        with open(config, "w", encoding="utf-8") as settings:
            settings.write(f"listener {self.port} 127.0.0.1\nallow_anonymous true\npersistence false\n")
        Consumer(self, [installed("mosquitto"), "-c", config], lambda: listening(self.port),
                 self.path("mosquitto.log"))
        (self.pipes,) = [command for command in readme_commands() if command.startswith("pallix-read ")]
        (self.discovery,) = [command for command in readme_commands() if "homeassistant/" in command]

    def subscribe(self, topic, count):
        """The next `count` messages on `topic`, retained ones first, as
        {topic: [payload, ...]}."""
        done = subprocess.run([installed("mosquitto_sub"), "-h", "127.0.0.1", "-p", str(self.port), "-t", topic,
                               "-C", str(count), "-W", "30", "-F", "%j"], capture_output=True, text=True,
                              encoding="utf-8", timeout=40)
        messages = {}
        for line in done.stdout.splitlines():
            message = json.loads(line)
            messages.setdefault(message["topic"], []).append(message["payload"])
        return messages

    def test_the_readmes_pipes_publish_each_sensors_readings_as_json_on_its_own_topic(self):
        command = on_loopback(self.pipes, self.port)
        self.assertEqual(command.count("--interval 30"), 2)
        command = re.sub(r"^pallix-read ", READER + " ", command.replace("--interval 30", "--interval 0.1"), flags=re.M)
        pipes = subprocess.Popen(["bash", "-c", command + "wait"], start_new_session=True, stderr=subprocess.DEVNULL,
                                 env=clean_environment(PALLIX400_SIM_PORTS="1,2", PALLIX400_SIM_TEMP_1="25.0625",
                                                       PALLIX400_SIM_TEMP_2="-3.5"))
        self.addCleanup(lambda: pipes.poll() is None and os.killpg(pipes.pid, signal.SIGKILL))
        messages = self.subscribe("pallix/#", 6)
        os.killpg(pipes.pid, signal.SIGTERM)
        pipes.wait(timeout=10)
        readings = {topic: {(reading["name"], reading["celsius"]) for reading in map(json.loads, payloads)}
                    for topic, payloads in messages.items()}
        self.assertEqual(readings, {"pallix/hall": {("hall", 25.0625)}, "pallix/cellar": {("cellar", -3.5)}})

    def test_the_readmes_discovery_messages_describe_two_sensors_to_home_assistant(self):
        published = subprocess.run(["bash", "-c", on_loopback(self.discovery, self.port)], timeout=30)
        self.assertEqual(published.returncode, 0)
        # Retained: there for any later subscriber.
        configs = [json.loads(payload) for payloads in self.subscribe("homeassistant/sensor/+/config", 2).values()
                   for payload in payloads]
        self.assertEqual(sorted(config["state_topic"] for config in configs), ["pallix/cellar", "pallix/hall"])
        self.assertEqual(len({config["unique_id"] for config in configs}), 2)
        for config in configs:
            self.assertEqual((config["device_class"], config["unit_of_measurement"], config["state_class"]),
                             ("temperature", "°C", "measurement"))
        value = jinja2.Environment().from_string(configs[0]["value_template"])
        for payload, state in [('{"time":"2026-12-07T09:30:00.250Z","raw":401,"celsius":25.0625}', "25.0625"),
                               ('{"time":"2026-12-07T09:30:00.550Z","error":"no valid frame from the sensor"}',
                                "None")]:
            self.assertEqual(value.render(value_json=json.loads(payload), value=payload), state)


if __name__ == "__main__":
    unittest.main()
