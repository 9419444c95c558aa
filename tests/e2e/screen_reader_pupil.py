#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Rechenheft contributors
# SPDX-License-Identifier: GPL-3.0-or-later

"""A pupil who knows a trainer only as a screen reader reads it (AT-SPI, from
outside the program) and answers through the real X server without a drag:
  screen_reader_pupil.py TITLE keys|keypad|taps   names checked, a wrong key, the task solved"""
import re
import subprocess
import sys
import time

import pyatspi

# "Ergebnis, Zehner: 5", "Lücke, Summe, Einer: leer", "Lückenaufgabe, 1. Faktor, Tausender: 3"
FIELD = re.compile(r'(?:(?:Lücke|Lückenaufgabe), )?(.+), ([^,:]+): (leer|\d)')
PLACES = ['Einer', 'Zehner', 'Hunderter', 'Tausender', 'Zehntausender', 'Hunderttausender', 'Millionen']
TASK = re.compile(r'Malaufgabe: (\d+) mal (\d+)')


def fail(message):
    sys.exit(f'FAIL: {message}')


def wait_for(find, what, seconds=10):
    for _ in range(seconds * 10):
        if found := find():
            return found
        time.sleep(0.1)
    fail(f'{what} did not come')


def everything(obj):
    for child in obj:
        yield child
        yield from everything(child)


def has(obj, state):
    return obj.getState().contains(state)


def xdotool(*args):
    return subprocess.run(['xdotool', *map(str, args)], capture_output=True, text=True).stdout.split()


def box(title):
    return xdotool('search', '--onlyvisible', '--name', f'^{title}$')


def close_box(title):  # as a pupil does: Return takes the one button
    xdotool('windowfocus', wait_for(lambda: box(title), f'the "{title}" box')[0], 'key', 'Return')
    wait_for(lambda: not box(title), f'"{title}" closing')


def digit_for(row, place, multiplicand, multiplier):
    """The digit a pupil writes at a place of a row."""
    power = PLACES.index(place)
    if row == 'Übertrag':  # what the columns right of it carry, the multiplier's zeros brought down
        column = power - (len(multiplier) - len(multiplier.rstrip('0')))
        return multiplicand % 10 ** column * int(multiplier.rstrip('0')) // 10 ** column
    value = multiplicand * int(multiplier)
    if 'Teilprodukt' in row:  # "2. Teilprodukt": the second multiplier digit's, at its place
        index = int(row[0])
        value = multiplicand * int(multiplier[index - 1]) * 10 ** (len(multiplier) - index)
    return value // 10 ** power % 10


def answer(title, way):
    win = wait_for(lambda: next((w for a in pyatspi.Registry.getDesktop(0) if a and a.name == 'Rechenheft'
                                 for w in a if w.name == title and has(w, pyatspi.STATE_SHOWING)), None), title)
    named = [(o, o.name or '') for o in everything(win)]
    kinds = [n.rsplit(':', 1)[0] for _, n in named if FIELD.fullmatch(n)]
    if len(set(kinds)) != len(kinds) or len(kinds) < 30:
        fail(f'{len(kinds)} field names, {len(kinds) - len(set(kinds))} of them twice')
    said = {n: o for o, n in named if re.fullmatch(rf'(Richtig|Fehler): \d+|{TASK.pattern}|Ziffer \d', n)}
    if len(said) != 13:
        fail(f'counters, task and tiles read {sorted(said)}')
    task = next(TASK.fullmatch(n) for n in said if TASK.fullmatch(n))
    cells = [o for o, n in named if FIELD.fullmatch(n) and has(o, pyatspi.STATE_SHOWING)]
    print(f'{title}: {len(kinds)} fields, each named once, e.g. "{cells[0].name}", "{cells[-1].name}"; '
          + ', '.join(n for n in said if not n.startswith('Ziffer')))

    def focused():
        return next((o for o in cells if has(o, pyatspi.STATE_FOCUSED)), None)

    def digit(field):
        m = FIELD.fullmatch(field.name)
        return digit_for(m[1], m[2], int(task[1]), task[2])

    def key(d):
        xdotool('key', f'KP_{d}' if way == 'keypad' else d)

    if way != 'taps':  # a wrong key is reported, and the focus is back on its field once the box is closed
        before = focused().name
        key((digit(focused()) + 1) % 10)
        close_box('Fehler')
        if wait_for(focused, 'the focus after the box').name != before:
            fail(f'after the box the focus is not on "{before}"')
    for written in range(41):
        if box('Malaufgabe'):
            break
        if way == 'taps':  # the next empty digit of the product, its tile picked up, then the field tapped
            field = next(o for o in cells if (m := FIELD.fullmatch(o.name))
                         and m[3] == 'leer' and m[1] != 'Übertrag' and 'Faktor' not in m[1])
            before, tile = field.name, said[f'Ziffer {digit(field)}']
            for target in (tile, field):
                extents = target.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
                xdotool('mousemove', extents.x + extents.width // 2, extents.y + extents.height // 2, 'click', 1)
                if target == tile:
                    wait_for(lambda: tile.name.endswith(', aufgenommen'), f'"{tile.name}" picked up', 3)
        else:
            field = focused() or fail('the focus stands on no field')
            before = field.name
            key(digit(field))
        wait_for(lambda: field.name != before or box('Malaufgabe'), f'a digit in "{before}"', 5)
    else:
        fail('the task was not solved')
    close_box('Malaufgabe')
    first = wait_for(focused, 'the focus on the next task')
    print(f'{title}: solved by {way} with {written} digits, then '
          f'{", ".join(o.name for n, o in said.items() if n[0] in "RF")}; the focus now on "{first.name}"')
    if not first.name.endswith(': leer'):
        fail(f'the next task begins at "{first.name}"')


if __name__ == '__main__':
    answer(sys.argv[1], sys.argv[2])
