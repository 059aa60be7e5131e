"""The full-screen pictures: shared pieces (key caps, styles) and the recipe
cards, which are laid out from the recipe list."""
import svgkit as k

INK = "#5a3b22"

# Shared text styles; fontconfig finds both fonts in the build's font folder.
STYLE = f"""<style>
  .title {{ font-family: 'Leckerli One'; fill: #f26b21; stroke: {INK};
           stroke-width: 7px; stroke-linejoin: round; paint-order: stroke; }}
  .head {{ font-family: 'Leckerli One'; fill: {INK}; }}
  .body {{ font-family: 'Fredoka One'; fill: {INK}; }}
  .light {{ font-family: 'Fredoka One'; fill: #fff6e6; }}
  .cap {{ font-family: 'Fredoka One'; fill: {INK}; text-anchor: middle; }}
</style>"""

KEY_HEIGHT = 44


def key_width(label):
    if label in ("left", "right"):
        return 50
    return max(46, 15 * len(label) + 24)


@k.tag("key")
def _key_tag(a):
    """<key x= y= label=/>: a keyboard key cap; "left"/"right" draw arrows.
    x and y are the top-left corner; with anchor="end" x is the right edge."""
    label = a["label"]
    w = key_width(label)
    x = float(a["x"]) - (w if a.get("anchor") == "end" else 0)
    y = float(a["y"])
    h = KEY_HEIGHT
    cap = (f'<rect x="{x}" y="{y}" width="{w}" height="{h}" rx="9" '
           f'fill="#c9b79c"/>'
           f'<rect x="{x}" y="{y}" width="{w}" height="{h - 6}" rx="9" '
           f'fill="#fffaf0" stroke="{INK}" stroke-width="2.5"/>')
    cx, cy = x + w / 2, y + (h - 6) / 2
    if label in ("left", "right"):
        s = -1 if label == "left" else 1
        arrow = (f'M{cx - 11 * s} {cy}h{20 * s}m{-8 * s} -8 {8 * s} 8 '
                 f'{-8 * s} 8')
        return cap + (f'<path d="{arrow}" fill="none" stroke="{INK}" '
                      f'stroke-width="4" stroke-linecap="round" '
                      f'stroke-linejoin="round"/>')
    return cap + (f'<text class="cap" x="{cx}" y="{cy + 8}" font-size="22">'
                  f'{k.escape(label)}</text>')


def screen(name, **values):
    """A screen template of screens/, with the shared styles, expanded."""
    template = k.screen_template(name)
    template = template.replace("<!--styles-->", STYLE, 1)
    return k.expand(template, **values)
