#!/usr/bin/env python3
"""Makes a class folder as pupils' MARLO would leave it: WRITERS folders of PROGRAMS program
files each, with realistic lengths (most between 4 and 40 commands, a few long ones) and
modification times over a school term; and, in every tenth writer's folder, one malformed
file (cut short, empty, or not a program at all).

Usage: make_class.py FOLDER WRITERS PROGRAMS [SEED]
"""
import os
import random
import sys

FIRST = ["Amira", "Ben", "Chloe", "Dev", "Ella", "Finn", "Grace", "Hugo", "Isla", "Jack",
         "Kai", "Lena", "Milo", "Nia", "Oscar", "Priya", "Quinn", "Rosa", "Sami", "Theo",
         "Uma", "Vik", "Wren", "Xander", "Yara", "Zoe", "Ada", "Bo", "Cleo", "Dan"]
TASKS = ["square", "zigzag", "to the door", "round the table", "maze", "staircase",
         "letter L", "there and back", "spiral", "treasure", "home", "dance"]
LETTERS = "FFFFBLRRLP"


def program(rng):
    # Short programs are the rule; now and then a pupil keeps pressing.
    length = min(int(rng.lognormvariate(2.7, 0.6)), 60) if rng.random() > 0.02 else rng.randint(61, 200)
    return "".join(rng.choice(LETTERS) for _ in range(max(length, 1)))


def writer_name(i):
    return FIRST[i % len(FIRST)] + ("" if i < len(FIRST) else " " + str(i // len(FIRST) + 1))


def main():
    folder, writers, programs = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
    rng = random.Random(int(sys.argv[4]) if len(sys.argv) > 4 else 1)
    term_start = 1_767_225_600  # 1 January 2026
    for w in range(writers):
        name = writer_name(w)
        home = os.path.join(folder, name)
        os.makedirs(home, exist_ok=True)
        for p in range(programs):
            title = f"{rng.choice(TASKS)} {p + 1}"
            line = f'"","{title}","{name}","{program(rng)}"\r\n'.encode("cp1252")
            path = os.path.join(home, title + ".mlo")
            if w % 10 == 3 and p == programs - 1:
                line = [line[: len(line) // 3], b"", b"\x89PNG\r\n\x1a\n not a program"][w // 10 % 3]
            with open(path, "wb") as out:
                out.write(line)
            when = term_start + rng.randint(0, 90 * 86400)
            os.utime(path, (when, when))


if __name__ == "__main__":
    main()
