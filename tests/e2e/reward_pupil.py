#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Rechenheft contributors
# SPDX-License-Identifier: GPL-3.0-or-later

"""A pupil who earns both rewards in the one-row trainer by keys and plays every game offered,
knowing the program only as a screen reader reads it (AT-SPI):
  reward_pupil.py keys   memory turned by Space and Return, catching by the spoken steps and arrows
  reward_pupil.py taps   both by taps; each game whole on the screen; the next digit sampled on screenshots"""
import os
import re
import subprocess
import sys
import time

import pyatspi
from screen_reader_pupil import FIELD, TASK, box, digit_for, everything, fail, has, wait_for, xdotool

TRAINER = 'Einreihige Multiplikation mit Einerzahl'
CARD = re.compile(r'Karte (\d+): (verdeckt|gefunden, )?(.*)')
SPOKEN = re.compile(r'Die (\d): (.*)|Alle Ziffern gefangen')
STEPS = {'rechts': (1, 0), 'links': (-1, 0), 'unten': (0, 1), 'oben': (0, -1)}


def window(title):
    return wait_for(lambda: next((w for a in pyatspi.Registry.getDesktop(0) if a and a.name == 'Rechenheft'
                                  for w in a if w.name == title and has(w, pyatspi.STATE_SHOWING)), None), title)


def extents(obj):  # on the screen: Qt tells a screen reader its places unscaled
    e = obj.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    scale = float(os.environ.get('QT_SCALE_FACTOR', 1))
    return [round(v * scale) for v in (e.x, e.y, e.width, e.height)]


def centre(obj):
    x, y, w, h = extents(obj)
    return x + w // 2, y + h // 2


def tap(obj_or_point):
    x, y = obj_or_point if isinstance(obj_or_point, tuple) else centre(obj_or_point)
    xdotool('mousemove', x, y, 'click', 1)


def close_other(title, game):  # the box with the game's own title, answered with Return
    other = wait_for(lambda: [w for w in box(title) if w != game], f'the "{title}" box')[0]
    xdotool('windowfocus', other, 'key', 'Return')
    wait_for(lambda: not [w for w in box(title) if w != game], f'"{title}" closing')


def shot(name):
    subprocess.run(['import', '-window', 'root', f'{sys.argv[2]}/e2e-{name}.png'])


def whole_on_screen(title):
    x, y, w, h = map(int, re.findall(r'(?:Absolute upper-left [XY]|Width|Height):\s+(-?\d+)',
                                     subprocess.run(['xwininfo', '-name', title], capture_output=True,
                                                    text=True).stdout))
    frame = subprocess.run(['xprop', '-name', title, '_NET_FRAME_EXTENTS'], capture_output=True, text=True).stdout
    left, right, top, bottom = map(int, re.findall(r'\d+', frame.split('=')[-1]))
    if x - left < 0 or y - top < 0 or x + w + right > 1024 or y + h + bottom > 768:
        fail(f'{title} framed at {x - left},{y - top} ({w + left + right}x{h + top + bottom}) leaves the screen')
    print(f'{title}: whole on the screen, {w}x{h} at {x},{y}')


def earn(tasks):
    """Normal tasks solved by keys, each digit worked out from the names of the task and the focused field."""
    start = time.time()
    for _ in range(tasks):
        named = [(o, o.name or '') for o in everything(window(TRAINER))]
        task = next(m for _, n in named if (m := TASK.fullmatch(n)))
        cells = [o for o, n in named if FIELD.fullmatch(n) and has(o, pyatspi.STATE_SHOWING)]
        while not box('Malaufgabe'):
            field = wait_for(lambda: next((o for o in cells if has(o, pyatspi.STATE_FOCUSED)), None), 'a field')
            before, m = field.name, FIELD.fullmatch(field.name)
            xdotool('key', digit_for(m[1], m[2], int(task[1]), task[2]))
            wait_for(lambda: field.name != before or box('Malaufgabe'), f'a digit in "{before}"', 5)
        xdotool('windowfocus', box('Malaufgabe')[0], 'key', 'Return')
        wait_for(lambda: not box('Malaufgabe'), 'the solved box closing')
    print(f'{tasks} tasks solved by keys in {time.time() - start:.0f} s')


def memory(way):
    """Turns cards as one who remembers every face read; the focus frame is moved by the arrow keys."""
    game = box('Memory')[0]
    cards = {int(m[1]): o for o in everything(window('Memory')) if (m := CARD.fullmatch(o.name or ''))}
    if len(cards) != 18:
        fail(f'{len(cards)} cards read')
    faces, found = {}, set()

    def turn(k):
        if way == 'taps':
            tap(cards[k])
        else:
            focused = wait_for(lambda: next((n for n, o in cards.items() if has(o, pyatspi.STATE_FOCUSED)), None),
                               'the focus on a card')
            while focused != k:
                column, row = (k - 1) // 9, (k - 1) % 9
                key = ('Right' if column else 'Left') if column != (focused - 1) // 9 else \
                      ('Down' if row > (focused - 1) % 9 else 'Up')
                xdotool('key', key)
                focused = wait_for(lambda: next((n for n, o in cards.items() if has(o, pyatspi.STATE_FOCUSED)
                                                 and n != focused), None), f'the focus moving {key}')
            xdotool('key', 'space' if k % 2 else 'Return')
        m = wait_for(lambda: (m := CARD.fullmatch(cards[k].name)) and m[2] != 'verdeckt' and m, f'card {k} turned')
        faces[k] = m[3]
        return m[3]

    while len(found) < 18:
        known = [(a, b) for a in faces for b in faces if a < b and faces[a] == faces[b] and a not in found]
        first = known[0][0] if known else min(k for k in cards if k not in faces)
        face = turn(first)
        second = next((k for k in faces if faces[k] == face and k != first), None) or \
            min(k for k in cards if k not in faces)
        if turn(second) == face:
            found |= {first, second}
            if len(found) == 8:
                shot(f'memory-{way}-four-pairs')
            if len(found) < 18 and not cards[second].name.startswith(f'Karte {second}: gefunden, '):
                fail(f'a found pair reads "{cards[second].name}"')
    print(f'memory by {way}: 18 cards, e.g. "{cards[1].name}"; {len(faces)} faces read')
    close_other('Memory', game)


def catch(way):
    """Steps towards the next digit as its spoken name says, by arrow keys or by taps on the field."""
    game = box('Zahlfange')[0]
    win = window('Zahlfange')
    board = next(o for o in everything(win) if SPOKEN.fullmatch(o.name or ''))
    speed = next(o for o in everything(win) if (o.name or '').startswith('Geschwindigkeit'))
    left, top, width, _ = extents(board)
    scale = width / 465  # the field is 465 pixels wide as laid out, its cells 280 twips from 120, 720

    def cell(c, r):
        return (left + round((280 * c - 120) / 15 * scale), top + round((280 * r - 720) / 15 * scale),
                round(280 / 15 * scale))

    def crop(c, r):  # the inside of a cell on the screen, its raw pixels
        x, y, size = cell(c, r)
        return subprocess.run(['import', '-window', 'root', '-crop', f'{size - 4}x{size - 4}+{x + 2}+{y + 2}',
                               '-depth', '8', 'rgb:-'], capture_output=True).stdout

    def heard():  # the next digit and its steps from the "+" (none while it is not shown)
        m = SPOKEN.fullmatch(board.name)
        if not m[2] or m[2] == 'noch nicht zu sehen':
            return m[1], None
        steps = [p.split(' ', 1) for p in m[2].split(', ') if p != 'auf dem Plus']
        return m[1], tuple(sum(int(n) * STEPS[w][i] for n, w in steps) for i in (0, 1))

    def middle(c, r):
        x, y, size = cell(c, r)
        return x + size // 2, y + size // 2

    if way == 'taps':  # the slowest speed: a jump every ten seconds
        x, y, w, h = extents(speed)
        for seconds in (8, 9, 10):
            tap((x + w - 4, y + h // 2))
            wait_for(lambda: speed.name == f'Geschwindigkeit: alle {seconds} Sekunden ein Sprung', 'slower', 3)
    cursor, moves, samples = (14, 9), 0, {}
    while not board.name.startswith('Alle') and moves < 2000:
        said, steps = heard()
        if not steps:  # until the first jump shows the digits
            time.sleep(0.2)
            continue
        dx, dy = steps
        if said == '3' and abs(dx) + abs(dy) == 1 and way == 'keys':
            shot(f'catch-{way}-beside-the-3')
        if way == 'keys':
            before = board.name
            xdotool('key', 'Right' if dx > 0 else 'Left' if dx < 0 else 'Down' if dy > 0 else 'Up')
            moves += 1
            wait_for(lambda: board.name != before, f'a step from "{before}"', 3)
            time.sleep(0.08)  # a child's pace
            continue
        digit = (cursor[0] + dx, cursor[1] + dy)
        # Beside the digit on the cursor's side, so the walk there does not catch it yet.
        beside = (digit[0] - (dx > 0) + (dx < 0), digit[1] - (dx == 0) * ((dy > 0) - (dy < 0)))
        for target in (beside, digit):  # the digit's picture with the "+" away from it, then beside it
            picture = crop(*digit)
            if said == '3' and target == digit:
                shot(f'catch-{way}-beside-the-3')
            if heard() == (said, (digit[0] - cursor[0], digit[1] - cursor[1])):
                samples.setdefault(said, []).append(picture)
            tap(middle(*target))
            walk = abs(target[0] - cursor[0]) + abs(target[1] - cursor[1])
            moves += walk
            time.sleep(0.06 * walk + 0.4)
            cursor = target
            if heard()[0] != said:
                break
    if moves >= 2000:
        fail(f'{moves} moves and still "{board.name}"')
    for digit, pictures in samples.items():
        if any(p != pictures[0] for p in pictures) or b'\x00\x00\x80' not in pictures[0]:
            shot(f'catch-damaged-{digit}')
            fail(f'the {digit} still to catch looks different in {len(pictures)} screenshots')
    print(f'catching by {way}: won with {moves} moves; {sum(map(len, samples.values()))} pictures of '
          f'{len(samples)} digits still to catch, each whole and alike')
    close_other('Zahlfange', game)


if __name__ == '__main__':
    way = sys.argv[1]
    tap(next(o for o in everything(window('Schriftliche Multiplikation')) if o.name == 'Einreihige Multiplikation'))
    earn(18)
    for game in range(2):
        invitation = [o for o in everything(window(TRAINER)) if 'Belohnung' in (o.name or '')
                      and has(o, pyatspi.STATE_SHOWING)]
        tap(invitation[-1])
        title = wait_for(lambda: next((t for t in ('Memory', 'Zahlfange') if box(t)), None), 'a game')
        if way == 'taps':
            time.sleep(1)
            whole_on_screen(title)
            shot(f'reward-{title.lower()}-{way}')
        (memory if title == 'Memory' else catch)(way)
        window(TRAINER)
