#!/usr/bin/env python3
"""The code's floors: each folder includes only itself and the folders below
it, and nothing below the window includes a widget header."""
import pathlib
import re
import sys

game = ["rules", "screen", "game"]
below = {"rules": [], "screen": ["rules"], "game": ["rules", "screen"],
         "ui/platform": game, "ui/access": game,
         "ui/window": game + ["ui/platform", "ui/access"],
         "ui/start": game + ["ui/platform", "ui/access", "ui/window"]}
widgets = re.compile(r"#include <(QtWidgets/)?(Q(Widget|Label|Application|Accessible\w*|Shortcut|Style\w*))>")
root, wrong = pathlib.Path(sys.argv[1]), []
for folder, allowed in below.items():
    for f in sorted((root / folder).glob("*.[ch]*")):
        text = f.read_text()
        for inc in re.findall(r'#include "([\w/]+)/\w+\.h"', text):
            if inc != folder and inc not in allowed:
                wrong.append(f"{f.relative_to(root)} includes {inc}/")
        if folder in game and widgets.search(text):
            wrong.append(f"{f.relative_to(root)} includes a widget header")
print("\n".join(wrong) or f"{len(below)} folders, each on its floor")
sys.exit(1 if wrong else 0)
