"""How orca_session.py reads what Orca spoke out of Orca's debug log: each
row is the log as written, in the pieces in which it may be read, and the
utterances read from it ("[key]" marks a key's echo)."""

import os
import sys
import tempfile
import unittest

sys.dont_write_bytecode = True  # no __pycache__ in the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from orca_session import SpeechLog  # noqa: E402

T = "14:37:17.676209 - "
VOICE = "{'established': False}"
MORE = "\n" + " " * 18  # a line break inside a record
ROWS = [
    ("an utterance", [T + "SPEECH OUTPUT: 'Циферблат.'" + VOICE + "\n"], ["Циферблат."]),
    ("a key's echo", [T + "SPEECH OUTPUT: 'left control ' " + VOICE + "\n"], ["[key] left control"]),
    ("a letter's echo", [T + "SPEECH OUTPUT: 'a ' " + VOICE + "\n"], ["[key] a"]),
    ("a character read out", [T + "SPEECH OUTPUT: 'a' " + VOICE + "\n"], ["a"]),
    ("another voice", [T + "SPEECH OUTPUT: 'Час.' voice=uppercase" + VOICE + "\n"], ["Час."]),
    ("a quote inside", [T + "SPEECH OUTPUT: 'it's 3'" + VOICE + "\n"], ["it's 3"]),
    ("two lines, then Orca's next record",
     [T + "SPEECH OUTPUT: 'Посочете 3 часа." + MORE + "Верни отговори: 0 от 0'" + VOICE + "\n"
      + T + "SPEECH DISPATCHER: Speaking '<speak>x</speak>'" + MORE + "ORCA rate 5.0\n"],
     ["Посочете 3 часа.\nВерни отговори: 0 от 0"]),
    ("a record read in three pieces",
     [T + "SPEECH OUTPUT: 'Посочете", " 3 часа." + MORE, "Верни'" + VOICE + "\n"],
     ["Посочете 3 часа.\nВерни"]),
    ("not speech", [T + "EVENT MANAGER: SPEECH OUTPUT: 'x'" + VOICE + "\nKEYBOARD_EVENT:  type=x\n"
                    + " " * 17 + "event_string=(Right)\n"], []),
]


class SpeechLogTest(unittest.TestCase):
    def test_rows(self):
        for name, pieces, expected in ROWS:
            with self.subTest(name), tempfile.NamedTemporaryFile("w", encoding="utf-8") as log:
                reader, heard = SpeechLog(log.name), []
                for piece in pieces:
                    log.write(piece)
                    log.flush()
                    heard += reader.read()
                self.assertEqual([str(u) for u in heard], expected)


if __name__ == "__main__":
    unittest.main()
