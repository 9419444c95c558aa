#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Rechenheft contributors
# SPDX-License-Identifier: GPL-3.0-or-later

"""A pupil who knows a trainer only from what a screen reader reads out
(AT-SPI, from outside the program) and answers without dragging.

  screen_reader_pupil.py names TITLE          every name of the trainer checked
  screen_reader_pupil.py keys TITLE [keypad]  the task solved with the keyboard alone
  screen_reader_pupil.py taps TITLE           the task solved by tapping a tile, then a field
  screen_reader_pupil.py command TITLE NAME   the command pressed with Tab and Space

The keys and the taps go in through the real X server (xdotool)."""
import re
import subprocess
import sys
import time

import pyatspi

# "Ergebnis, Zehner: 5", "Lücke, Summe, Einer: leer", "Lückenaufgabe, 1. Faktor, Tausender: 3"
FIELD = re.compile(r'^(?:(?:Lücke|Lückenaufgabe), )?(.+), ([^,:]+): (leer|\d)$')
PLACES = ['Einer', 'Zehner', 'Hunderter', 'Tausender', 'Zehntausender', 'Hunderttausender', 'Millionen']
TASK = re.compile(r'^Malaufgabe: (\d+) mal (\d+)$')


def fail(message):
    print(f'FAIL: {message}')
    sys.exit(1)


def wait_for(find, what, seconds=10):
    deadline = time.time() + seconds
    while time.time() < deadline:
        found = find()
        if found:
            return found
        time.sleep(0.1)
    fail(f'{what} did not come')


def program():
    return wait_for(lambda: next((a for a in pyatspi.Registry.getDesktop(0) if a and a.name == 'Rechenheft'), None),
                    'the program on the accessibility bus')


def showing(obj):
    return obj.getState().contains(pyatspi.STATE_SHOWING)


def window(title):
    return wait_for(lambda: next((w for w in program() if w.name == title and showing(w)), None),
                    f'the window "{title}"')


def everything(obj):
    for i in range(obj.childCount):
        child = obj[i]
        yield child
        yield from everything(child)


def named(win, pattern):
    return [o for o in everything(win) if re.fullmatch(pattern, o.name or '')]


def fields(win):
    """The trainer's fields: read once, their names asked afresh each time."""
    return [o for o in everything(win) if FIELD.match(o.name or '')]


def focused(cells):
    return next((o for o in cells if o.getState().contains(pyatspi.STATE_FOCUSED)), None)


def box_open(title):
    found = subprocess.run(['xdotool', 'search', '--onlyvisible', '--name', f'^{title}$'],
                           capture_output=True, text=True)
    return found.stdout.split()[0] if found.returncode == 0 else None


def close_box(title):
    """As a pupil does: Return takes the box's one button."""
    box = wait_for(lambda: box_open(title), f'the "{title}" box')
    subprocess.run(['xdotool', 'windowfocus', box, 'key', 'Return'], check=True)
    wait_for(lambda: not box_open(title), f'the "{title}" box closing')


def the_task(win):
    areas = [TASK.match(o.name) for o in named(win, TASK.pattern) if showing(o)]
    if len(areas) != 1:
        fail(f'{len(areas)} task areas say what they ask')
    return int(areas[0][1]), areas[0][2]


def digit_for(row, place, task):
    """The digit a pupil writes at a place of a row of the task."""
    multiplicand, multiplier = task
    power = PLACES.index(place)
    if row in ('Ergebnis', 'Summe'):
        value = multiplicand * int(multiplier)
    elif row == 'Übertrag':
        # what the columns below this place carry into it, with the multiplier's zeros brought down
        digits = multiplier.rstrip('0')
        column = power - (len(multiplier) - len(digits))
        return multiplicand % 10 ** column * int(digits) // 10 ** column
    else:  # "2. Teilprodukt": the multiplicand times the second multiplier digit, at its place
        index = int(row.split('.')[0])
        value = multiplicand * int(multiplier[index - 1]) * 10 ** (len(multiplier) - index)
    return value // 10 ** power % 10


def press(key):
    subprocess.run(['xdotool', 'key', key], check=True)


def tap(obj):
    box = obj.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(['xdotool', 'mousemove', str(box.x + box.width // 2), str(box.y + box.height // 2),
                    'click', '1'], check=True)


def counters(win):
    return [o.name for o in named(win, r'(Richtig|Fehler): \d+')]


def check_names(title):
    win = window(title)
    objects = [(o, o.name or '') for o in everything(win)]
    names = [name for _, name in objects if FIELD.match(name)]
    kinds = [name.rsplit(':', 1)[0] for name in names]
    doubles = sorted({k for k in kinds if kinds.count(k) > 1})
    if doubles or len(names) < 30:
        fail(f'{len(names)} field names, some twice: {doubles}')
    for pattern in [r'Richtig: \d+', r'Fehler: \d+', TASK.pattern] + [f'Ziffer {d}' for d in range(10)]:
        if sum(bool(re.fullmatch(pattern, name)) for _, name in objects) != 1:
            fail(f'no one control named {pattern}')
    shown = [name for o, name in objects if FIELD.match(name) and showing(o)]
    said = [name for _, name in objects if re.fullmatch(rf'(Richtig|Fehler): \d+|{TASK.pattern}', name)]
    print(f'{title}: {len(names)} fields, each named once; e.g. ' + ' | '.join(shown[:3] + shown[-3:]))
    print(f'{title}: ' + ' | '.join(said))


def solve(title, way):
    win = window(title)
    task = the_task(win)
    start = counters(win)
    cells = [o for o in fields(win) if showing(o)]
    tiles = {d: named(win, f'Ziffer {d}')[0] for d in range(10)}
    written = 0
    while not box_open('Malaufgabe'):
        if way == 'taps':
            empty = [o for o in cells if (m := FIELD.match(o.name)) and m[3] == 'leer'
                     and m[1] != 'Übertrag' and '. Faktor' not in m[1]]
            if not empty:
                break
            m = FIELD.match(empty[0].name)
            tile = tiles[digit_for(m[1], m[2], task)]
            tap(tile)
            wait_for(lambda: tile.name.endswith(', aufgenommen'), f'"{tile.name}" picked up', 3)
            before = empty[0].name
            tap(empty[0])
            wait_for(lambda: box_open('Malaufgabe') or empty[0].name != before, f'a tap on "{before}"', 3)
        else:
            field = focused(cells)
            m = FIELD.match(field.name if field else '')
            if not m:
                fail(f'the focus stands on "{field.name if field else None}", no field')
            before = field.name
            digit = digit_for(m[1], m[2], task)
            press(f'KP_{digit}' if way == 'keypad' else str(digit))
            wait_for(lambda: box_open('Malaufgabe') or field.name != before, f'the digit {digit} in "{before}"', 5)
        written += 1
        if written > 40:
            fail('the task was not solved')
    close_box('Malaufgabe')
    first = wait_for(lambda: focused(cells), 'the focus on the next task')
    print(f'{title}: solved by {way} with {written} digits ({" ".join(start)} -> {" ".join(counters(win))}); '
          f'the focus now on "{first.name}"')
    if not first.name.endswith(': leer'):
        fail(f'the next task begins at "{first.name}"')


def wrong_digit_returns_focus(title):
    """A wrong digit is reported; once the box is closed, the focus is back on the field."""
    win = window(title)
    cells = fields(win)
    field = focused(cells)
    m = FIELD.match(field.name)
    press(str((digit_for(m[1], m[2], the_task(win)) + 1) % 10))
    close_box('Fehler')
    back = wait_for(lambda: focused(cells), 'the focus after the box')
    if back.name != field.name:
        fail(f'after the box the focus is on "{back.name}", not on "{field.name}"')
    print(f'{title}: a wrong digit reported, the focus back on "{back.name}"; {" ".join(counters(win))}')


def press_command(title, name):
    win = window(title)
    buttons = [o for o in everything(win) if o.getRoleName() == 'push button' and o.name == name]
    for _ in range(40):
        now = focused(buttons)
        if now:
            press('space')
            return
        press('Tab')
        time.sleep(0.1)
    fail(f'Tab never reached "{name}"')


if __name__ == '__main__':
    mode, title = sys.argv[1], sys.argv[2]
    if mode == 'names':
        check_names(title)
    elif mode == 'keys':
        wrong_digit_returns_focus(title)
        solve(title, sys.argv[3] if len(sys.argv) > 3 else 'keys')
    elif mode == 'taps':
        solve(title, 'taps')
    elif mode == 'command':
        press_command(title, sys.argv[3])
