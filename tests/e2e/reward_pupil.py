#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Rechenheft contributors
# SPDX-License-Identifier: GPL-3.0-or-later

"""A pupil who earns both rewards by keys and plays each game as a screen reader reads it (AT-SPI):
  reward_pupil.py keys ARTIFACTS   both invitations taken by Tab and Space, memory by the focus frame and
                                   Space or Return, catching by the spoken steps
  reward_pupil.py taps ARTIFACTS   both by taps, whole on the screen, the next digit compared on screenshots"""
import os
import re
import subprocess
import sys
import time

import pyatspi
from screen_reader_pupil import answer, box, everything, fail, has, wait_for, xdotool

WAY, ARTIFACTS = sys.argv[1:3]
SCALE = float(os.environ.get('QT_SCALE_FACTOR', 1))  # Qt tells a screen reader its places unscaled
TRAINER = 'Einreihige Multiplikation mit Einerzahl'
CARD = re.compile(r'Karte (\d+): (verdeckt|gefunden, )?(.*)')
SPOKEN = re.compile(r'Die (\d): (.*)|Alle Ziffern gefangen')
STEPS = {'rechts': (1, 0), 'links': (-1, 0), 'unten': (0, 1), 'oben': (0, -1)}


def named(title, pattern):
    window = wait_for(lambda: next((w for a in pyatspi.Registry.getDesktop(0) if a and a.name == 'Rechenheft'
                                    for w in a if w.name == title and has(w, pyatspi.STATE_SHOWING)), None), title)
    return [o for o in everything(window) if re.fullmatch(pattern, o.name or '') and has(o, pyatspi.STATE_SHOWING)]


def extents(obj):
    e = obj.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return [round(v * SCALE) for v in (e.x, e.y, e.width, e.height)]


def tap(x, y, w=0, h=0):
    xdotool('mousemove', x + w // 2, y + h // 2, 'click', 1)


def shot(name):
    subprocess.run(['import', '-window', 'root', f'{ARTIFACTS}/e2e-{name}.png'])


def close_box(title, game):  # the box that bears its game's title, closed by Return
    boxes = lambda: [w for w in box(title) if w != game]
    xdotool('windowfocus', wait_for(boxes, f'the "{title}" box')[0], 'key', 'Return')
    wait_for(lambda: not boxes(), f'"{title}" closing')


def whole_on_screen(title):  # with its frame, as x_session.sh measures it
    x, y, w, h = map(int, subprocess.run(['bash', '-c', f'source {os.path.dirname(__file__)}/x_session.sh; frame_of '
                                          f'{box(title)[0]}'], capture_output=True, text=True).stdout.split())
    if min(x, y) < 0 or x + w > 1024 or y + h > 768:
        fail(f'{title} framed at {x},{y} ({w}x{h}) leaves the 1024x768 screen')
    print(f'{title}: whole on the screen, framed {w}x{h} at {x},{y}')


def memory(game):  # as one who remembers every face read; by keys the frame goes card by card
    cards = {int(CARD.fullmatch(o.name)[1]): o for o in named('Memory', CARD.pattern)}
    focused = lambda: next((k for k, o in cards.items() if has(o, pyatspi.STATE_FOCUSED)), None)
    faces, found = {}, set()

    def turn(k):
        while WAY == 'keys' and (now := wait_for(focused, 'the frame on a card')) != k:
            column = (k - 1) // 9
            xdotool('key', ('Right' if column else 'Left') if column != (now - 1) // 9 else 'Down' if k > now else 'Up')
            wait_for(lambda: focused() not in (None, now), 'the frame moving')
        xdotool('key', 'space' if k % 2 else 'Return') if WAY == 'keys' else tap(*extents(cards[k]))
        m = wait_for(lambda: (m := CARD.fullmatch(cards[k].name)) and m[2] != 'verdeckt' and m, f'card {k} turned')
        faces[k] = m[3]
        return m[3]

    while len(found) < 18:
        known = [a for a in faces for b in faces if a < b and faces[a] == faces[b] and a not in found]
        first = known[0] if known else min(k for k in cards if k not in faces)
        face = turn(first)
        second = next((k for k in faces if faces[k] == face and k != first), None) or \
            min(k for k in cards if k not in faces)
        if turn(second) == face:
            found |= {first, second}
            if len(found) < 18 and cards[second].name != f'Karte {second}: gefunden, {face}':
                fail(f'a found pair reads "{cards[second].name}"')
            if len(found) == 8:
                shot(f'memory-{WAY}-four-pairs')
    print(f'memory by {WAY}: won, 18 cards read, e.g. "{cards[1].name}"')
    close_box('Memory', game)


def catch(game):  # towards the next digit as the field's spoken name says, by arrow keys or taps
    board = named('Zahlfange', SPOKEN.pattern)[0]
    left, top, width, _ = extents(board)
    scale, size = width / 465, round(width / 465 * 280 / 15)  # cell (c, r): 280 c - 120, 280 r - 720 twips

    def cell(c, r):
        return left + round((280 * c - 120) / 15 * scale), top + round((280 * r - 720) / 15 * scale)

    def heard():  # the next digit and its steps from the "+", none while it is not shown
        m = SPOKEN.fullmatch(board.name)
        if not m[2] or m[2] == 'noch nicht zu sehen':
            return m[1], None
        steps = [p.split(' ') for p in m[2].split(', ') if p != 'auf dem Plus']
        return m[1], tuple(sum(int(n) * STEPS[w][i] for n, w in steps) for i in (0, 1))

    if WAY == 'taps':
        speed = named('Zahlfange', 'Geschwindigkeit: .*')[0]
        for seconds in (8, 9, 10):  # the slowest: a jump every ten seconds
            x, y, w, h = extents(speed)
            tap(x + w - 4, y, 0, h)
            wait_for(lambda: f'alle {seconds} Sekunden' in speed.name, 'a slower speed', 3)
    cursor, moves, pictures = (14, 9), 0, {}
    while not board.name.startswith('Alle') and moves < 2000:
        said, steps = heard()
        if not steps:  # until the first jump shows the digits
            time.sleep(0.2)
        elif WAY == 'keys':
            before, (dx, dy) = board.name, steps
            xdotool('key', 'Right' if dx > 0 else 'Left' if dx < 0 else 'Down' if dy > 0 else 'Up')
            moves += 1
            wait_for(lambda: board.name != before, f'a step from "{before}"', 3)
            time.sleep(0.08)  # a child's pace
        else:
            digit = (cursor[0] + steps[0], cursor[1] + steps[1])
            # Beside the digit on the cursor's side, so the walk there does not catch it yet.
            beside = (digit[0] - (steps[0] > 0) + (steps[0] < 0),
                      digit[1] - (steps[0] == 0) * ((steps[1] > 0) - (steps[1] < 0)))
            for target in (beside, digit):  # the digit pictured with the "+" away from it, then beside it
                x, y = cell(*digit)
                picture = subprocess.run(['import', '-window', 'root', '-crop', f'{size - 4}x{size - 4}+{x + 2}+{y + 2}',
                                          '-depth', '8', 'rgb:-'], capture_output=True).stdout
                if heard() == (said, (digit[0] - cursor[0], digit[1] - cursor[1])):
                    pictures.setdefault(said, []).append(picture)
                if said == '3' and target == digit:
                    shot('catch-taps-beside-the-3')
                tap(*cell(*target), size, size)
                walk = abs(target[0] - cursor[0]) + abs(target[1] - cursor[1])
                moves, cursor = moves + walk, target
                time.sleep(0.06 * walk + 0.4)
                if heard()[0] != said:
                    break
    for digit, seen in pictures.items():
        if any(p != seen[0] for p in seen) or b'\x00\x00\x80' not in seen[0]:
            shot(f'catch-damaged-{digit}')
            fail(f'the {digit} still to catch looks different in {len(seen)} screenshots')
    if moves >= 2000:
        fail(f'{moves} moves and still "{board.name}"')
    print(f'catching by {WAY}: won with {moves} moves' + (f'; {sum(map(len, pictures.values()))} pictures of '
          f'{len(pictures)} digits still to catch, each whole and alike' if pictures else ''))
    close_box('Zahlfange', game)


if __name__ == '__main__':
    tap(*extents(named('Schriftliche Multiplikation', 'Einreihige Multiplikation')[0]))
    for _ in range(18):
        answer(TRAINER, 'keys')
    for _ in range(2):  # both invitations are shown; each game leads back to the trainer
        invitation = named(TRAINER, 'Belohnung: .*')[-1]
        if WAY == 'taps':
            tap(*extents(invitation))
        else:  # Tab until the invitation holds the focus, then Space, as a click
            for _ in range(60):
                if has(invitation, pyatspi.STATE_FOCUSED):
                    break
                xdotool('key', 'Tab')
                time.sleep(0.1)
            else:
                fail(f'Tab never reached "{invitation.name}"')
            print(f'reached by Tab: "{invitation.name}"')
            xdotool('key', 'space')
        title = wait_for(lambda: next((t for t in ('Memory', 'Zahlfange') if box(t)), None), 'a game')
        if WAY == 'taps':
            time.sleep(1)
            whole_on_screen(title)
            shot(f'reward-{title.lower()}-{WAY}')
        (memory if title == 'Memory' else catch)(box(title)[0])
        named(TRAINER, '.+')
