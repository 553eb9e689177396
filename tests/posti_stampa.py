#!/usr/bin/python3
"""Checks the page a driver queue printed: the sheet is the queue's paper, the left and right
columns and the heading stand 1000 and 6000 twips from the printable area's left edge, the
rows keep their pitch of 400 twips, and every text stands where it stood on the page the
program handed over: the queue printed it unscaled and unshifted.

Arguments: paper name, "media width height left top" (twips), the driver's PostScript, and
Ghostscript's text of it and of the program's page (txtwrite at 1440 dpi)."""
import re
import sys

size, paper, postscript, printed, handed = sys.argv[1:6]
media, width, height, left, top = paper.split()
width, height, left, top = (float(v) for v in (width, height, left, top))

failures = []


def check(what, ok, detail=""):
    print(f"{'ok  ' if ok else 'FAIL'} {size}: {what}" + ("" if ok else f" ({detail})"))
    if not ok:
        failures.append(what)


def words(path):
    """(x, y) of each run of text, in twips from the sheet's top-left corner."""
    text = open(path, encoding="utf-8", errors="replace").read()
    return [(int(m[1]), int(m[2])) for m in re.finditer(r'<span bbox="(\d+) (\d+) \d+ \d+"', text)]


expected_sheet = {"Letter": (12240, 15840), "A4": (11906, 16838)}[size]
check("the queue's paper is the one it is set to",
      abs(width - expected_sheet[0]) < 10 and abs(height - expected_sheet[1]) < 10, paper)
check("the printable area starts 12 pt (240 twips) inside the sheet",
      abs(left - 240) < 1 and abs(top - 240) < 1, paper)
bbox = re.search(rb"%%HiResBoundingBox: 0 0 ([\d.]+) ([\d.]+)", open(postscript, "rb").read())
check("the driver printed on that paper",
      bbox is not None and abs(float(bbox[1]) * 20 - width) < 20
      and abs(float(bbox[2]) * 20 - height) < 20, bbox and bbox.group(0))

out = words(printed)
src = words(handed)


def row_starts(found, column, tolerance):
    """The rows whose text starts `column` twips from the printable area's left edge."""
    return sorted({y for x, y in found if abs(x - (left + column)) <= tolerance})


# The program's page: exact to the twip.
starts, right = row_starts(src, 1000, 1), row_starts(src, 6000, 1)
check("page handed over: the heading and 20 left-column lines start 1000 twips in",
      len(starts) == 21, starts)
check("page handed over: 10 right-column lines start 6000 twips in", len(right) == 10, right)
if len(starts) == 21 and len(right) == 10:
    lines = starts[1:]
    # Lines 0..10 at 3600 + 400 i, lines 21..29 at 8400 + 400 (i - 21), 11..20 at
    # 4000 + 400 (i - 11): relative to line 0.
    tops = [3600 + 400 * i for i in range(11)] + [8400 + 400 * i for i in range(9)]
    tops_right = [4000 + 400 * i for i in range(10)]
    base = lines[0] - 3600
    bad = [(y, t) for y, t in zip(lines + right, tops + tops_right) if abs(y - base - t) > 1]
    check("page handed over: rows 400 twips apart, the lower block 800 below, the right column "
          "level with the left", not bad, bad)
# The printed page: the driver writes its PostScript at 720 dpi (2 twips) and draws the
# printer's fonts, whose baselines it rounds by a few twips more; nothing may move further than
# that, and nothing is scaled (the last row moves no more than the first).
printed_rows = row_starts(out, 1000, 2) + row_starts(out, 6000, 2)
handed_rows = starts + right
check("printed: the same rows start 1000 and 6000 twips in (to 2 twips)",
      len(printed_rows) == len(handed_rows), printed_rows)
moved = [(a, b) for a, b in zip(handed_rows, printed_rows) if abs(a - b) > 8]
check("printed: every row where the page handed over has it (to 8 twips)", not moved, moved)
print(f"{size}: rows handed over {handed_rows[:4]}..., printed {printed_rows[:4]}...")
sys.exit(1 if failures else 0)
