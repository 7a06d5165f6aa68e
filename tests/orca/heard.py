"""What Orca, the screen reader, says to a pupil who uses the keyboard alone:
the program runs with practice seeded (RAVELINTA_PRACTICE_SEED=13, whose
first task is an arrow at 158 degrees, which shows 10 o'clock) and each step
presses keys and waits for Orca to say what it must. Run by orca_session.sh."""

import re

TASK = r"(Посочете \d+ часа?\.|Стрелката сочи под \d+°\. Колко часа показва\?)"
# Keys (None: only wait), and what one of Orca's utterances must then match.
STEPS = [
    ("Right", r"^1 час \(I\)"),                          # a choice on the dial, singular
    ("Right", r"^2 часа \(II\)"),
    ("ctrl+e", r"Стрелката сочи под 158°\. Колко часа показва\?"),  # practice on: the task, by ear
    ("KP_Enter", r"Стрелката сочи под 158°"),            # "where am I" on the dial repeats it
    ("Tab", r"^Час\."),
    ("Down", r"^1 час \(I\)"),                           # a row passed over: no answer yet
    ("Return", r"Не е вярно: избрахте 1 час, а стрелката показва 10 часа\. Верни отговори: 0 от 1\b"),
    (None, TASK),                                        # the next task, when it comes
    ("shift+F10", r"^Увеличи\."),                        # the menu opens on its first command
    ("Escape", None),
    ("Menu", r"^Увеличи\."),
    ("Escape", None),
    ("F1", r"Помощ"),                                     # the help opens...
    ("Down", r"^Упражнение за позициите по часовник"),    # ...and is read line by line
    ("Escape", None),
]
# Then the rest of the round, answered with the same row, to its end.
ANSWER = r"(Вярно!|Не е вярно: .*) Верни отговори: \d+ от \d+"
END = r"Край на кръга: \d+ от 10 верни\."
# Then the construction, stepped with a presenter's keys: each step's caption.
CONSTRUCTION = [
    ("ctrl+k", r"Стъпка 1 от 7: пергелът в центъра, отворен до точката на 12"),
    ("Next", r"Стъпка 2 от 7: линийката през 12 и центъра"),
    ("End", r"Стъпка 7 от 7: страните дават правилен 12-ъгълник"),
    ("Prior", r"Стъпка 6 от 7: пергелът в 3"),
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
        if keys:
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
