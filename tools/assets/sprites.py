"""The small sprites: ingredients, the cook and the sound icons."""
import svgkit as k

# A thin dark rim keeps pale food (egg, garlic, flour) visible on both the
# cream wall and the wooden floor.
OUTLINE = ('<filter id="rim" x="-10%" y="-10%" width="120%" height="120%">'
           '<feMorphology in="SourceAlpha" operator="dilate" radius="{r}" '
           'result="grown"/>'
           '<feFlood flood-color="#5a3b22" flood-opacity=".85"/>'
           '<feComposite in2="grown" operator="in" result="rim"/>'
           '<feMerge><feMergeNode in="rim"/><feMergeNode in="SourceGraphic"/>'
           '</feMerge></filter>')

INGREDIENT_SIZE = 30


def rimmed(body, radius, width, height):
    """A whole document whose drawing carries the dark rim."""
    return k.document(width, height, OUTLINE.format(r=radius)
                      + f'<g filter="url(#rim)">{body}</g>')


def ingredient_svg(name):
    # 28 px of drawing plus about one pixel of rim on each side fills 30 x 30.
    return rimmed(k.ingredient(name, 1, 1, INGREDIENT_SIZE - 2), 0.9,
                  INGREDIENT_SIZE, INGREDIENT_SIZE)


# The cook: the head, hat and neckerchief of Fluent's "woman cook" emoji
# (medium skin tone) on a full body of our own, holding a saucepan out on the
# side she faces and waving a wooden spoon with the other hand.
COOK_EMOJI = "woman-cook-medium"
COOK_HEAD_PATHS = [0, 1, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14]
COOK_HAT_PLEATS = 15   # also holds the jacket buttons: clipped to the hat
COOK_SCARF = 4
COOK_WIDTH, COOK_HEIGHT = 106, 132
SKIN, SKIN_SHADE = "#c68d7b", "#bb806e"

COOK_BODY = """
  <g stroke-linecap="round">
    <path d="M14 76 9 48" stroke="#f3ad61" stroke-width="3"/>
    <ellipse cx="8.3" cy="44" rx="4.2" ry="5.6" fill="#f3c07b"/>
    <path d="M25 55 15 73" stroke="#e6e6e6" stroke-width="11"/>
  </g>
  <circle cx="14" cy="75" r="5.2" fill="{skin}"/>
  <path fill="#4a4e69" d="M26 96h12l-.5 24h-11zM42 96h12l1.5 24h-11.5z"/>
  <path fill="#7a4a2c" d="M24.5 119h13.5c2.5 0 4 1.5 4 4.5v2.5H24c-1.2 0-1.6-.6-1.6-1.6 0-3.4.8-5.4 2.1-5.4
                          M43.5 119h12c3.2 0 6.8 2.3 6.8 5.4v1.6H43.5z"/>
  <path fill="#f4f4f4" d="M31 46h18c6.5 0 10 4 10.5 10l1.5 42H18.5L20 56c.5-6 4-10 11-10"/>
  <path fill="#e6e6e6" d="M18.5 98 20 56c.4-4.4 2.4-7.7 6-9.2-2 2.6-3 6-3.2 10L22 98z"/>
  <path fill="#ff9f1c" d="M30 62h20v12c4 1 6 2.6 6.6 5.5L59 104H21l2.4-24.5c.6-2.9 2.6-4.5 6.6-5.5z"/>
  <path fill="#e8850c" d="M36 84h9v7c0 1.2-.8 2-2 2h-5c-1.2 0-2-.8-2-2z"/>
  <path d="M30 62 27 49M50 62l3-13" stroke="#ff9f1c" stroke-width="2.4" stroke-linecap="round"/>
  <path d="M56 54 63 70" stroke="#e6e6e6" stroke-width="11" stroke-linecap="round"/>
  <rect x="60" y="69.5" width="20" height="5" rx="2.5" fill="#3b3b4f"/>
  <path fill="#e8453c" d="M76.5 66h27l-2.6 19.5c-.4 3-2.4 4.5-5.2 4.5H84.3c-2.8 0-4.8-1.5-5.2-4.5z"/>
  <path fill="#c9302a" d="M97 66h6.5l-2.6 19.5c-.4 3-2.4 4.5-5.2 4.5H94c2 0 3-1.5 3.2-4.5z"/>
  <rect x="80" y="72" width="3" height="11" rx="1.5" fill="#ff8a80"/>
  <ellipse cx="90" cy="66" rx="14.5" ry="4.2" fill="#f4f4f4"/>
  <ellipse cx="90" cy="66" rx="12" ry="2.8" fill="#6b2a22"/>
  <circle cx="64" cy="72" r="5.2" fill="{skin}"/>
  <path d="M61.5 70.5a3 3 0 0 1 5 0" stroke="{shade}" stroke-width="1.2" fill="none"/>
"""


def cook_drawing(facing_right):
    """The cook in a 106 x 132 box, with her rim filter defined inside."""
    paths = k.emoji_paths(COOK_EMOJI)
    head = "".join(paths[i] for i in COOK_HEAD_PATHS)
    # Emoji units: 3 px each, hat top at y 1 and the face centred on x 40.
    place = 'transform="translate(-8 -5) scale(3)"'
    emoji = (f'<clipPath id="hat"><rect x="0" y="0" width="32" height="7.5"/>'
             f'</clipPath><g {place}>{paths[COOK_SCARF]}</g>'
             f'<g {place}>{head}<g clip-path="url(#hat)">'
             f'{paths[COOK_HAT_PLEATS]}</g></g>')
    drawing = COOK_BODY.format(skin=SKIN, shade=SKIN_SHADE) + emoji
    if not facing_right:
        drawing = (f'<g transform="translate({COOK_WIDTH} 0) scale(-1 1)">'
                   f'{drawing}</g>')
    return OUTLINE.format(r=0.9) + f'<g filter="url(#rim)">{drawing}</g>'


def cook_svg(facing_right):
    return k.document(COOK_WIDTH, COOK_HEIGHT, cook_drawing(facing_right))


@k.tag("cook")
def _cook_tag(a):
    """<cook x= y= height= facing="left|right"/>: the cook at any size."""
    height = float(a["height"])
    width = height * COOK_WIDTH / COOK_HEIGHT
    return (f'<svg x="{a.get("x", 0)}" y="{a.get("y", 0)}" width="{width}" '
            f'height="{height}" viewBox="0 0 {COOK_WIDTH} {COOK_HEIGHT}">'
            f'{cook_drawing(a.get("facing") == "right")}</svg>')


SOUND_ICON_SIZE = 52


def sound_icon_svg(on):
    """A speaker on a round badge that reads on every screen behind it."""
    c = SOUND_ICON_SIZE / 2
    badge = (f'<circle cx="{c}" cy="{c}" r="{c - 2}" fill="#fffaf0" '
             f'stroke="#5a3b22" stroke-width="2.5"/>')
    speaker = k.picture(k.art_inner("som-ligado" if on else "som-desligado"),
                        8, 8, SOUND_ICON_SIZE - 16)
    return k.document(SOUND_ICON_SIZE, SOUND_ICON_SIZE, badge + speaker)


ICON_SIZE = 256


def icon_svg():
    """The application icon (window and desktop menu): the cook catching a
    tomato on a warm rounded tile."""
    tile = ('<rect x="8" y="8" width="240" height="240" rx="52" fill="#ffe3b3" '
            'stroke="#e8850c" stroke-width="8"/>')
    cook = k.expand('<cook x="26" y="38" height="196" facing="right"/>')
    tomato = k.ingredient("Tomate", 136, 30, 58)
    return k.document(ICON_SIZE, ICON_SIZE, tile + cook + tomato)


# The web app's icons (web/page/icons/): the game icon at each size a phone's
# launcher asks for, and a maskable one, which a launcher may cut to any shape
# inside its middle 80 %: the tile fills the square and the drawing keeps to
# that safe circle. The same full tile, opaque, serves Apple's home screen.
WEB_ICON_SIZES = (192, 512)
MASKABLE_ICON_SIZE = 512
APPLE_ICON_SIZE = 180


def maskable_icon_svg():
    tile = f'<rect width="{ICON_SIZE}" height="{ICON_SIZE}" fill="#ffe3b3"/>'
    cook = k.expand('<cook x="26" y="38" height="196" facing="right"/>')
    tomato = k.ingredient("Tomate", 136, 30, 58)
    c = ICON_SIZE / 2
    drawing = (f'<g transform="translate({c} {c}) scale(0.68) '
               f'translate({-c} {-c})">{cook}{tomato}</g>')
    return k.document(ICON_SIZE, ICON_SIZE, tile + drawing)


# The desktop icon's name: the game's AppStream component id, which the desktop
# entry and the metainfo file are named after as well.
APP_ID = "org.fornalina.fornalina"
# Sizes of the icon theme's folders; the smallest get the simple drawing.
DESKTOP_ICON_SIZES = (16, 32, 48, 64, 128, 256)
SMALL_ICON_MAX = 16

SMALL_ICON = """
  <rect x="1" y="1" width="30" height="30" rx="7" fill="#ffe3b3" stroke="#e8850c" stroke-width="2"/>
  <g stroke="#5a3b22" stroke-width="1.2" stroke-linejoin="round">
    <rect x="20" y="19" width="8.5" height="3" rx="1.5" fill="#3b3b4f"/>
    <path fill="#e8453c" d="M5 18h17l-1.6 7.6c-.3 1.6-1.3 2.4-2.8 2.4H9.4c-1.5 0-2.5-.8-2.8-2.4z"/>
    <rect x="3.5" y="16" width="20" height="3" rx="1.5" fill="#f4f4f4"/>
    <circle cx="13.5" cy="9" r="5.6" fill="#f8312f"/>
  </g>
  <path fill="#1fa83a" stroke="#0b6b22" stroke-width=".7" stroke-linejoin="round"
        d="M13.5 2.6l1.5 2.6 3.4-.4-2.4 2.4-2.5-1-2.5 1-2.4-2.4 3.4.4z"/>
  <ellipse cx="11.2" cy="9.2" rx="1.2" ry="1.7" fill="#ff9a90"/>
"""


def small_icon_svg():
    """The icon for menus and panels at 16 px, where the cook would be a
    smudge: a tomato dropping into the red saucepan, on the same tile. Drawn
    on a 32-unit grid so that its edges fall on whole pixels at 16 px."""
    return k.document(32, 32, SMALL_ICON)
