#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Rechenheft contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads a squared-paper task sheet and its solution sheet back from their PDF
files, as poppler sees them: the paper, the grid, the head, one digit to a
square, and every task recomputed, row by row, from the digits printed."""
import argparse
import re
import subprocess
import sys

LEFT, TOP, SQUARE, COLUMNS, ROWS = 20, 12, 5, 36, 54  # millimetres, squares
MM = 72 / 25.4
WORD = re.compile(r'<word xMin="([\d.-]+)" yMin="([\d.-]+)" xMax="([\d.-]+)" yMax="([\d.-]+)">([^<]*)</word>')


def fail(message):
    print(f"FAIL: {message}")
    sys.exit(1)


def read_words(pdf):
    """Per page: its size in points and its words as (text, square row, square column, height, centre) in mm."""
    out = subprocess.run(["pdftotext", "-bbox", pdf, "-"], capture_output=True, text=True, check=True).stdout
    pages = []
    for line in out.splitlines():
        page = re.search(r'<page width="([\d.]+)" height="([\d.]+)"', line)
        if page:
            pages.append(((float(page[1]), float(page[2])), []))
        elif (word := WORD.search(line)) and pages:
            x0, y0, x1, y1 = (float(word[i]) / MM for i in range(1, 5))
            cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
            pages[-1][1].append((word[5], int((cy - TOP) // SQUARE), int((cx - LEFT) // SQUARE), y1 - y0, (cx, cy), x0))
    return pages


def check_grid(pgm):
    """The grid lines every 5 mm from 20 mm on, light squares between them, nothing left of the margin."""
    with open(pgm, "rb") as f:
        _, width, height, _, pixels = re.match(rb"(P5)\s+(\d+)\s+(\d+)\s+(\d+)\s(.*)", f.read(), re.S).groups()
    width, height = int(width), int(height)
    if abs(width - 2100) > 3 or abs(height - 2970) > 3:
        fail(f"a page of {width} x {height} pixels at 10 per mm, not A4")
    dark = lambda x, y: pixels[y * width + x] < 235
    inked = lambda points: sum(1 for x, y in points if dark(x, y) or dark(x + 1, y)) / len(points)
    for x in range(LEFT * 10, (LEFT + SQUARE * COLUMNS) * 10 + 1, SQUARE * 10):
        if inked([(x - 1, y) for y in range(130, 2810, 7)]) < 0.9:
            fail(f"no grid line at {x / 10} mm")
    for y in range(TOP * 10, (TOP + SQUARE * ROWS) * 10 + 1, SQUARE * 10):
        if inked([(x, y - 1) for x in range(210, 1990, 7)]) < 0.9:
            fail(f"no grid line at {y / 10} mm from the top")
    if inked([(x, y) for x in range(225, 1975, 50) for y in range(145, 2800, 50)]) > 0.5:
        fail("the squares between the grid lines are not light")
    if any(pixels[y * width + x] < 250 for y in range(0, height, 3) for x in range(0, 197)):
        fail("something is printed in the left 20 mm")


def number(squares, columns):
    """The digits standing side by side in these squares, and the column of the last."""
    text = "".join(squares.get(c, " ") for c in columns).strip()
    if not text.isdigit():
        fail(f"not one number: '{text}'")
    return int(text), max(c for c in columns if c in squares)


def check_task(words, row, left, staircase, multi):
    """One task from its number's square: the task row a · b, each partial product and the product."""
    big = {}  # digits of full size, not the carries
    for text, r, c, height, _, _ in words:
        if height > 4:
            big.setdefault(r, {})[c] = text
    task_row = big.get(row, {})
    sign = next((c for c in sorted(task_row) if c > left and task_row[c] == "·"), None)
    if sign is None:
        fail(f"no sign in the task row at square {row}/{left}")
    a, _ = number(task_row, range(left + 2, sign))
    b, ones = number(task_row, range(sign + 1, sign + 5))
    span = range(left + 2, ones + 1)
    result_row = row + (len(str(b)) + 2 if multi else 2)
    product, end = number(big.get(result_row, {}), span)
    if product != a * b or end != ones:
        fail(f"{a} · {b} is not {product} (ending in square {end})")
    for i, digit in enumerate(str(b) if multi else ""):
        place = len(str(b)) - 1 - i
        value, end = number(big.get(row + 1 + i, {}), span)
        if value != a * int(digit) * (1 if staircase else 10 ** place) or end != ones - (place if staircase else 0):
            fail(f"{a} · {b}: partial product {i + 1} reads {value} ending in square {end}")
    return f"{a}·{b}"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("pdfs", nargs=2)  # the task sheet, the solution sheet
    parser.add_argument("--pgm", nargs=2, required=True)  # their first pages at 10 pixels a millimetre
    parser.add_argument("--title", required=True)
    parser.add_argument("--count", type=int, required=True)
    parser.add_argument("--first", required=True)
    parser.add_argument("--multi", action="store_true")
    parser.add_argument("--staircase", action="store_true")
    args = parser.parse_args()
    sheets = [read_words(pdf) for pdf in args.pdfs]
    for sheet, pgm in zip(sheets, args.pgm):
        check_grid(pgm)
        for (width, height), words in sheet:
            texts = [w[0] for w in words]
            if abs(width - 595.3) > 1.5 or abs(height - 841.9) > 1.5:
                fail(f"a page of {width} x {height} pt, not A4")
            if not {"Name:", "Datum:", args.title.split()[0]} <= set(texts) or min(w[5] for w in words) < LEFT:
                fail("the head lacks the title, 'Name:' or 'Datum:', or a word stands in the left margin")
            for text, r, c, _, (cx, _), _ in words:
                if r >= 5 and re.search(r"\d", text) and not re.fullmatch(r"\d|\d+\)", text):
                    fail(f"'{text}' takes one square for more than one digit")
                if r >= 5 and len(text) == 1 and abs(cx - (LEFT + SQUARE * (c + 0.5))) > 1.2:
                    fail(f"'{text}' stands between two squares")
    tasks = sorted((int(w[0][:-1]), check_task(words, w[1], w[2], args.staircase, args.multi))
                   for _, words in sheets[1] for w in words if re.fullmatch(r"\d+\)", w[0]))
    if [n for n, _ in tasks] != list(range(1, args.count + 1)) or tasks[0][1] != args.first:
        fail(f"the tasks read {tasks}, not {args.count} from {args.first} on")
    given, solved = ({(p, w[0], w[1], w[2]) for p, (_, words) in enumerate(sheet) for w in words} for sheet in sheets)
    if not given < solved or len(solved - given) < 4 * args.count:
        fail("the solution sheet is not the task sheet with the answers added")
    print(f"{args.title}: {len(tasks)} tasks read back and recomputed, {len(solved - given)} answers")


main()
