"""What Orca, the screen reader, says to a pupil who uses the keyboard alone:
the program runs with practice seeded (RAVELINTA_PRACTICE_SEED=13, whose
first task is an arrow at 158 degrees, which shows 10 o'clock) and each step
presses keys and waits for Orca to say what it must. Run by orca_session.sh.
Orca's own words (roles, states, "3 of 12") are in English or in Bulgarian,
as the machine's locale has it."""

import re

TASK = r"(Посочете \d+ часа?\.|Стрелката сочи под \d+°\. Колко часа показва\?)"
RULE = r"Ъгълът на стрелката се мери от посоката към 3 часа \(0°\) обратно на часовниковата стрелка\."
# Keys (None: only wait; "KEY*": KEY again until Orca says it, line by line),
# and what one of Orca's utterances must then match.
STEPS = [
    ("Right", r"^1 час \(I\)"),                          # a choice on the dial, singular
    ("Right", r"^2 часа \(II\)"),
    ("KP_Enter", r"^(2 of 12|2 от 12)"),                # "where am I": among the twelve hours
    ("End", r"^12 часа \(XII\)"),                        # Home and End as in the list
    ("Home", r"^1 час \(I\)"),
    ("ctrl+t", r"Учителският изглед е включен\."),       # a mode on and off
    ("ctrl+t", r"Учителският изглед е изключен\."),
    ("ctrl+plus", r"Мащаб 125 %"),                        # each zoom step
    ("ctrl+0", r"Мащаб 100 %"),
    ("F11", r"Esc или F11 — изход от цял екран"),         # full screen on, and off
    ("F11", r"Изход от цял екран\."),
    # Practice on: the task, and how an arrow is measured, by ear.
    ("ctrl+e", r"Стрелката сочи под 158°\. Колко часа показва\? " + RULE),
    ("KP_Enter", r"Стрелката сочи под 158°\. Колко часа показва\? " + RULE),  # "where am I" repeats them
    ("Tab", r"^Час\."),
    ("Down", r"^1 час \(I\)"),                           # a row passed over: no answer yet
    ("Return", r"Не е вярно: избрахте 1 час, а стрелката показва 10 часа\. Верни отговори: 0 от 1\b"),
    (None, TASK),                                        # the next task, when it comes
    ("shift+F10", r"^Увеличи\."),                        # the menu opens on its first command (zoom out is greyed at 100 %),
    # One key a step: a busy Orca says only the last of quick moves.
    ("Down", r"^Цял екран, без отметка"),                 # says each command that is off,
    ("Down", r"^Учителски изглед, без отметка"),
    ("Down", r"^Построяване с линийка и пергел, без отметка"),
    ("Down", r"^Упражнение.*(checked|с отметка)"),       # and each that is on
    ("Escape", None),
    ("Menu", r"^Увеличи\."),
    ("Escape", None),
    ("F1", r"^Помощ (dialog|диалог)"),                   # the help opens, a dialog...
    ("Down", r"^Упражнение за позициите по часовник"),    # ...read line by line,
    ("Down*", r"^Увеличи: Ctrl\+\+ или Ctrl\+=$"),        # a command with all its keys on one line
    ("Escape", None),
]
# Then the rest of the round, answered with the same row, to its end.
ANSWER = r"(Вярно!|Не е вярно: .*) Верни отговори: \d+ от \d+"
END = r"Край на кръга: \d+ от 10 верни\."
# Then the construction, stepped with a presenter's keys: each step's
# caption, and a word where there is no step to go to; then practice again,
# left half-way.
CONSTRUCTION = [
    ("ctrl+k", r"Стъпка 1 от 7: пергелът в центъра, отворен до точката на 12"),
    ("Prior", r"Това е първата стъпка\."),
    ("Tab", r"^Първа стъпка (push button|бутон)"),         # its buttons, by their names
    ("space", r"Стъпка 1 от 7"),
    ("shift+Tab", r"^Час\."),
    ("Next", r"Стъпка 2 от 7: линийката през 12 и центъра"),
    ("Next", r"Стъпка 3 от 7"),
    ("Next", r"Стъпка 4 от 7: пергелът в 12, с радиуса на окръжността, засича окръжността в 10 и 2\."),
    ("End", r"Стъпка 7 от 7: страните дават правилен 12-ъгълник"),
    ("Next", r"Това е последната стъпка\."),
    ("Prior", r"Стъпка 6 от 7: пергелът в 3"),
    ("ctrl+k", r"Построяването е изключено\."),
    ("ctrl+e", TASK),
    ("Return", ANSWER),
    ("ctrl+k", r"Упражнението е прекъснато на задача 1 от 10\. Верни отговори: [01] от 1\."),
    ("ctrl+e", TASK),
    ("ctrl+e", r"Упражнението е изключено\."),
]


def run(session, args):
    steps = list(STEPS)
    for task in range(2, 11):
        steps.append(("Return", ANSWER))
        steps.append((None, END if task == 10 else TASK))
    steps += CONSTRUCTION
    passed = failed = 0
    unmatched = []  # said since the last match: the next task may come early
    for keys, expected in steps:
        if keys and keys.endswith("*"):
            for _ in range(40):
                unmatched += [u.text for u in session.press(keys[:-1]) if not u.echo]
                if any(re.search(expected, text) for text in unmatched):
                    break
        elif keys:
            unmatched += [u.text for u in session.press(keys, expect=expected) if not u.echo]
        if expected is None:
            unmatched = []
            continue
        found = [i for i, text in enumerate(unmatched) if re.search(expected, text)]
        if not found and not keys:
            unmatched += [u.text for u in session.settle(5, expect=expected) if not u.echo]
            found = [i for i, text in enumerate(unmatched) if re.search(expected, text)]
        if found:
            passed += 1
            unmatched = unmatched[found[0] + 1:]
        else:
            failed += 1
            print("FAIL: after %s Orca said %r, nothing like %r" % (keys or "a wait", unmatched, expected))
            unmatched = []
    print("%d passed, %d failed" % (passed, failed))
    return 1 if failed else 0
