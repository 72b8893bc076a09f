"""pallix-read's JSON lines through MQTT, as the README shows it: the README's
pipe into mosquitto_pub and its Home Assistant discovery message, sent to
Debian's mosquitto broker started on the loopback, and read back by a
subscriber as Home Assistant would read them."""

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
        (self.pipe,) = [command for command in readme_commands() if command.startswith("pallix-read ")]
        (self.discovery,) = [command for command in readme_commands() if "homeassistant/" in command]
        self.topic = re.search(r" -t (\S+)", self.pipe).group(1)

    def subscribe(self, topic, count):
        """The next `count` messages on `topic`, retained ones first."""
        return subprocess.Popen([installed("mosquitto_sub"), "-h", "127.0.0.1", "-p", str(self.port), "-t", topic,
                                 "-C", str(count), "-W", "30"], stdout=subprocess.PIPE, text=True, encoding="utf-8")

    def test_the_readmes_pipe_publishes_each_reading_as_json(self):
        subscriber = self.subscribe(self.topic, 3)
        command = on_loopback(self.pipe, self.port)
        self.assertIn("--interval 30", command)
        command = re.sub(r"^pallix-read ", READER + " ", command.replace("--interval 30", "--interval 0.1"))
        pipe = subprocess.Popen(["bash", "-c", command], env=clean_environment(PALLIX400_SIM_TEMP="25.0625"),
                                stderr=subprocess.DEVNULL, start_new_session=True)
        self.addCleanup(lambda: pipe.poll() is None and os.killpg(pipe.pid, signal.SIGKILL))
        messages, _ = subscriber.communicate(timeout=40)
        os.killpg(pipe.pid, signal.SIGTERM)
        pipe.wait(timeout=10)
        readings = [json.loads(line) for line in messages.splitlines()]
        self.assertEqual([(reading["raw"], reading["celsius"]) for reading in readings], [(401, 25.0625)] * 3)

    def test_the_readmes_discovery_message_describes_the_sensor_to_home_assistant(self):
        published = subprocess.run(["bash", "-c", on_loopback(self.discovery, self.port)], timeout=30)
        self.assertEqual(published.returncode, 0)
        subscriber = self.subscribe(re.search(r" -t (\S+)", self.discovery).group(1), 1)
        config = json.loads(subscriber.communicate(timeout=40)[0])  # retained: there for any later subscriber
        self.assertEqual((config["device_class"], config["unit_of_measurement"], config["state_class"]),
                         ("temperature", "°C", "measurement"))
        self.assertEqual(config["state_topic"], self.topic)
        value = jinja2.Environment().from_string(config["value_template"])
        for payload, state in [('{"time":"2026-12-07T09:30:00.250Z","raw":401,"celsius":25.0625}', "25.0625"),
                               ('{"time":"2026-12-07T09:30:00.550Z","error":"no valid frame from the sensor"}',
                                "None")]:
            self.assertEqual(value.render(value_json=json.loads(payload), value=payload), state)


if __name__ == "__main__":
    unittest.main()
