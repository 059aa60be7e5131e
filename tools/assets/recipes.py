"""The recipe cards, laid out from recipes.txt."""
import os
from collections import Counter

import fontmetrics
import screens
import svgkit as k

LEVEL_COLOURS = {"Fácil": "#8fd47e", "Médio": "#ffcf5c", "Difícil": "#f77f62"}

TILE_W, TILE_H, GAP = 200, 132, 18
TILES_TOP, TILES_BOTTOM = 206, 488   # between the hint line and ENTER
TITLE_LEFT, TITLE_RIGHT = 160, 708   # the sound icon sits right of this
NAME_WIDTH = TILE_W - 16


class Recipe:
    def __init__(self, line):
        fields = [f.strip() for f in line.split("|")]
        self.picture, self.level, self.dish, self.dish_picture = fields[:4]
        self.sequence = [n.strip() for n in fields[4].split(",")]
        # Catalogue names may hold a space ("Leite Condensado"); the sprite
        # files do not.
        self.counts = Counter(name.replace(" ", "") for name in self.sequence)


def load(path):
    with open(path, encoding="utf-8") as f:
        return [Recipe(line) for line in f
                if line.strip() and not line.startswith("#")]


def _fonts():
    fonts = os.path.join(k.HERE, ".build", "fonts")
    return (fontmetrics.Font(os.path.join(fonts, "LeckerliOne-Regular.ttf")),
            fontmetrics.Font(os.path.join(fonts, "FredokaOne.ttf")))


def _title(dish, font):
    """The dish name, on one line when it fits at 60 px, else on two."""
    room = TITLE_RIGHT - TITLE_LEFT
    if font.width(dish, 60) <= room:
        lines, size, baselines = [dish], 60, [112]
    else:
        words = dish.split()
        splits = [(" ".join(words[:i]), " ".join(words[i:]))
                  for i in range(1, len(words))]
        lines = list(min(splits, key=lambda s: max(font.width(t, 1) for t in s)))
        size = min(46, room / max(font.width(t, 1) for t in lines))
        baselines = [70, 70 + size * 0.95]
    return "".join(
        f'<text x="{TITLE_LEFT}" y="{y:.1f}" font-size="{size:.1f}" '
        f'class="title">{k.escape(text)}</text>'
        for text, y in zip(lines, baselines))


def _rows(n):
    """Tiles per row: never a lone tile on a row, at most three a row."""
    return {1: [1], 2: [2], 3: [3], 4: [2, 2], 5: [3, 2], 6: [3, 3]}[n]


def _tile(name, count, x, y, body_font):
    label = k.INGREDIENTS[name][0]
    size = min(22, 22 * NAME_WIDTH / body_font.width(label, 22))
    return (f'<g transform="translate({x} {y})">'
            f'<rect width="{TILE_W}" height="{TILE_H}" rx="18" fill="#fffaf0" '
            f'stroke="#5a3b22" stroke-width="3"/>'
            f'<g filter="url(#rim)">{k.ingredient(name, 20, 12, 80)}</g>'
            f'<circle cx="150" cy="54" r="31" fill="#f26b21" stroke="#5a3b22" '
            f'stroke-width="2.5"/>'
            f'<text x="150" y="66" text-anchor="middle" font-size="36" '
            f'class="light">×{count}</text>'
            f'<text x="{TILE_W / 2}" y="119" text-anchor="middle" '
            f'font-size="{size:.1f}" class="body">{k.escape(label)}</text>'
            f'</g>')


def card_svg(recipe):
    title_font, body_font = _fonts()
    items = list(recipe.counts.items())
    rows = _rows(len(items))
    top = TILES_TOP + (TILES_BOTTOM - TILES_TOP
                       - len(rows) * (TILE_H + GAP) + GAP) / 2
    tiles, at = [], 0
    for row, per_row in enumerate(rows):
        left = 400 - (per_row * TILE_W + (per_row - 1) * GAP) / 2
        for col in range(per_row):
            name, count = items[at]
            at += 1
            tiles.append(_tile(name, count, left + col * (TILE_W + GAP),
                               top + row * (TILE_H + GAP), body_font))
    kind, dish_name = recipe.dish_picture.split(":")
    return screens.screen(
        "receita", dish_kind=kind, dish_name=dish_name,
        level=recipe.level, level_color=LEVEL_COLOURS[recipe.level],
        title=_title(recipe.dish, title_font), total=len(recipe.sequence),
        tiles="".join(tiles))
