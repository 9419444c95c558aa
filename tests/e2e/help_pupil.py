#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Rechenheft contributors
# SPDX-License-Identifier: GPL-3.0-or-later

"""A pupil who forgets a carry, read from outside as a screen reader reads the
trainers (AT-SPI) and answering with the real keyboard and mouse:
  help_pupil.py ARTIFACTS   each trainer: three hints in order, then the right digit, nothing
                            covered by the hint; "Tipp", "Vormachen", "Lernstand", "Hilfen anzeigen"."""
import subprocess
import sys
import time

import pyatspi

from screen_reader_pupil import FIELD, PLACES, TASK, box, close_box, digit_for, everything, fail, has, wait_for, xdotool

SHOTS = sys.argv[1] if len(sys.argv) > 1 else '.'
shot_number = 0
scale = 1  # screen pixels to one of AT-SPI's, which counts the program's own (unscaled) pixels


def screenshot(name):
    global shot_number
    shot_number += 1
    path = f'{SHOTS}/help-{shot_number:02d}-{name}.png'
    subprocess.run(['timeout', '10', 'import', '-window', 'root', path], check=True)
    print(f'  screenshot {path}')


def window(title):
    return wait_for(lambda: next((w for a in pyatspi.Registry.getDesktop(0) if a and a.name == 'Rechenheft'
                                  for w in a if w.name == title and has(w, pyatspi.STATE_SHOWING)), None), title)


def x_size(title):
    """Width and height of a window's inside on the screen, as the X server has it."""
    info = subprocess.run(['xwininfo', '-id', box(title)[0]], capture_output=True, text=True).stdout
    return [int(line.split()[-1]) for line in info.splitlines() if line.strip().startswith(('Width:', 'Height:'))]


def extents(obj):
    """In screen pixels."""
    e = obj.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return tuple(round(v * scale) for v in (e.x, e.y, e.width, e.height))


def click(obj):
    x, y, w, h = extents(obj)
    xdotool('mousemove', x + w // 2, y + h // 2, 'click', 1)
    time.sleep(0.3)


def named(win, name, role=None):
    return wait_for(lambda: next((o for o in everything(win) if o.name == name and has(o, pyatspi.STATE_SHOWING)
                                  and (role is None or o.getRole() == role)), None), f'"{name}" in "{win.name}"')


def hint_label(win):
    return wait_for(lambda: next((o for o in everything(win) if o.description == 'Tipp'), None), 'the hint')


def carry_into(row, place, multiplicand, multiplier):
    """The carry coming into a place of a row, the digit written without it, and the digit it is made
    from; no carry where none comes (a carry field, the sum)."""
    zeros = len(multiplier) - len(multiplier.rstrip('0'))
    if row == 'Ergebnis':
        digit, row_place = int(multiplier.rstrip('0')), zeros
    elif 'Teilprodukt' in row:
        index = int(row[0])
        digit, row_place = int(multiplier[index - 1]), len(multiplier) - index
    else:
        return 0, None, None
    p = PLACES.index(place) - row_place
    if p < 0 or p > 3:
        return 0, None, None
    a = multiplicand // 10 ** p % 10
    return multiplicand % 10 ** p * digit // 10 ** p, a * digit % 10, a


def covers_nothing(win, label):
    """The hint stands inside the window and the screen and over no other control."""
    lx, ly, lw, lh = extents(label)
    wx, wy, ww, wh = extents(win)
    if not (wx <= lx and wy <= ly and lx + lw <= wx + ww and ly + lh <= wy + wh):
        fail(f'the hint at {lx},{ly} {lw}x{lh} leaves the window at {wx},{wy} {ww}x{wh}')
    if lx < 0 or ly < 0 or lx + lw > 1024 or ly + lh > 768:
        fail(f'the hint at {lx},{ly} {lw}x{lh} leaves the screen')
    for o in everything(win):
        if o == label or o.childCount or not has(o, pyatspi.STATE_SHOWING):
            continue
        x, y, w, h = extents(o)
        if w > 0 and h > 0 and x < lx + lw and lx < x + w and y < ly + lh and ly < y + h:
            fail(f'the hint covers "{o.name}" ({o.getRoleName()}) at {x},{y} {w}x{h}')
    return f'{lw}x{lh} at {lx},{ly}'


def forget_a_carry(title, shots):
    win = window(title)
    cells = [o for o in everything(win) if FIELD.fullmatch(o.name or '')]
    label = hint_label(win)

    def focused():
        return wait_for(lambda: next((o for o in cells if has(o, pyatspi.STATE_FOCUSED)), None), 'the focus')

    def said(before, what):
        return wait_for(lambda: label.name if label.name != before else None, what, 5)

    # Right digits up to the first field a carry comes into, where forgetting it is
    # nothing else too (0 · b, or the digit of the column to the left).
    while True:
        if box('Malaufgabe'):  # a task without such a field: the next one
            close_box('Malaufgabe')
        task = next(TASK.fullmatch(o.name) for o in everything(win) if TASK.fullmatch(o.name or ''))
        multiplicand, multiplier = int(task[1]), task[2]
        field = focused()
        m = FIELD.fullmatch(field.name)
        right = digit_for(m[1], m[2], multiplicand, multiplier)
        carry, forgotten, a = carry_into(m[1], m[2], multiplicand, multiplier)
        if carry and a and forgotten != digit_for(m[1], PLACES[PLACES.index(m[2]) + 1], multiplicand, multiplier):
            break
        before = field.name
        xdotool('key', right)
        wait_for(lambda: field.name != before or box('Malaufgabe'), f'a digit in "{before}"', 5)
    if shots:
        screenshot('before-the-carry')
    hints = []
    for rung in range(3):
        xdotool('key', forgotten)
        wait_for(lambda: box('Fehler'), 'the "Fehler" box')
        if shots:
            screenshot(f'fehler-box-{rung + 1}')
        if len(hints) != rung or (hints and label.name != hints[-1]):
            fail(f'a hint changed before the box closed: "{label.name}"')
        close_box('Fehler')
        hints.append(said(hints[-1] if hints else '', f'the hint of rung {rung + 1}'))
        print(f'{title}: rung {rung + 1}: "{hints[-1]}", {covers_nothing(win, label)}')
        if shots:
            screenshot(f'hint-{rung + 1}')
    if not all(h.startswith('Tipp: ') for h in hints) or not hints[0].endswith(f'Übertrag {carry} dazugezählt?') \
            or f'Schreibe {right}' not in hints[2]:
        fail(f'the hints read {hints}')
    xdotool('key', right)
    wait_for(lambda: label.name == '', 'the hint cleared by the right digit', 5)
    if shots:
        screenshot('right-digit')
    return win, label


def tipp_and_vormachen(win, label):
    counters = sorted(o.name for o in everything(win) if (o.name or '').startswith(('Richtig:', 'Fehler:')))
    click(named(win, 'Tipp', pyatspi.ROLE_PUSH_BUTTON))
    wait_for(lambda: label.name.startswith('Tipp: '), '"Tipp" before a mistake', 5)
    print(f'Tipp before a mistake: "{label.name}"')
    screenshot('tipp')
    click(named(win, 'Vormachen', pyatspi.ROLE_PUSH_BUTTON))
    wait_for(lambda: label.name and not label.name.startswith('Tipp'), 'the first demonstrated step', 3)
    sentences = [label.name]
    time.sleep(2)
    screenshot('vormachen')
    while True:  # until the fresh task clears the strip
        wait_for(lambda: label.name != sentences[-1], 'the next step', 4)
        if box('Fehler') or box('Malaufgabe'):
            fail('a box during the demonstration')
        if not label.name:
            break
        sentences.append(label.name)
    after = sorted(o.name for o in everything(win) if (o.name or '').startswith(('Richtig:', 'Fehler:')))
    if after != counters or not sentences[-1].startswith('Fertig: '):
        fail(f'the demonstration said {sentences}; counters {counters}, then {after}')
    print(f'Vormachen: {len(sentences)} sentences, "{sentences[0]}" … "{sentences[-1]}"; counters as before: {after}')


def leave(win):
    click(named(win, 'Ende', pyatspi.ROLE_PUSH_BUTTON))


if __name__ == '__main__':
    menu = window('Schriftliche Multiplikation')
    scale = x_size('Schriftliche Multiplikation')[0] / menu.queryComponent().getExtents(pyatspi.DESKTOP_COORDS).width
    click(named(menu, 'Einreihige Multiplikation'))
    one_row, label = forget_a_carry('Einreihige Multiplikation mit Einerzahl', True)
    tipp_and_vormachen(one_row, label)
    leave(one_row)
    for title in ('Zweireihige Multiplikation', 'Dreireihige Multiplikation'):
        click(named(window('Schriftliche Multiplikation'), title))
        leave(forget_a_carry(title, False)[0])
    menu = window('Schriftliche Multiplikation')
    click(named(menu, 'Info'))
    info = window('Programm-Info')
    click(named(info, 'Lernstand', pyatspi.ROLE_PUSH_BUTTON))
    report = window('Lernstand')
    text = named(report, 'Lernstand').queryText()
    text = text.getText(0, text.characterCount)
    if text.count('Übertrag vergessen: 3') != 3:
        fail(f'the report reads {text}')
    print('Lernstand:', '; '.join(line.strip() for line in text.splitlines() if 'vergessen' in line))
    screenshot('lernstand')
    click(named(report, 'Schließen', pyatspi.ROLE_PUSH_BUTTON))
    click(named(info, 'Hilfen anzeigen', pyatspi.ROLE_CHECK_BOX))
    click(named(info, 'Schließen'))
    click(named(window('Schriftliche Multiplikation'), 'Einreihige Multiplikation'))
    plain = window('Einreihige Multiplikation mit Einerzahl')
    time.sleep(1)
    w, h = x_size('Einreihige Multiplikation mit Einerzahl')
    if abs(h / w - 5430 / 7830) > 0.01 or any(o.name in ('Tipp', 'Vormachen') and has(o, pyatspi.STATE_SHOWING)
                                              for o in everything(plain)):
        fail(f'without help the trainer is {w}x{h}, not its own 7830 x 5430 twips')
    screenshot('without-help')
    print(f'Hilfen anzeigen unticked: the trainer {w}x{h}, its own size, no help strip')
    leave(plain)
