"""SVG building blocks: borrowed emoji, our own art, includes and rendering."""
import os
import re
import subprocess

HERE = os.path.dirname(os.path.abspath(__file__))
EMOJI_DIR = os.path.join(HERE, "node_modules", "fluentui-emoji", "icons", "flat")
ART_DIR = os.path.join(HERE, "art")
SCREEN_DIR = os.path.join(HERE, "screens")

# Every ingredient: catalogue file name, the name printed on the pictures, and
# where its drawing comes from ("emoji:NAME" from Fluent Emoji, "art:NAME" ours).
INGREDIENTS = {
    "Maca": ("Maçã", "emoji:red-apple"),
    "Laranja": ("Laranja", "emoji:tangerine"),
    "Banana": ("Banana", "emoji:banana"),
    "Alho": ("Alho", "emoji:garlic"),
    "Arroz": ("Arroz", "emoji:cooked-rice"),
    "Azeite": ("Azeite", "art:azeite"),
    "Bacon": ("Bacon", "emoji:bacon"),
    "Batata": ("Batata", "emoji:potato"),
    "Camarao": ("Camarão", "emoji:shrimp"),
    "Cebola": ("Cebola", "emoji:onion"),
    "Cenoura": ("Cenoura", "emoji:carrot"),
    "Chocolate": ("Chocolate", "emoji:chocolate-bar"),
    "Farinha": ("Farinha", "art:farinha"),
    "Frango": ("Frango", "emoji:poultry-leg"),
    "Leite": ("Leite", "art:leite"),
    "LeiteCondensado": ("Leite condensado", "art:leite-condensado"),
    "Macarrao": ("Macarrão", "emoji:spaghetti"),
    "Manteiga": ("Manteiga", "emoji:butter"),
    "Ovo": ("Ovo", "art:ovo"),
    "Pao": ("Pão", "emoji:bread"),
    "Tomate": ("Tomate", "emoji:tomato"),
}

_used_emoji = set()


def used_emoji():
    """Names of the emoji drawn so far, for the credits."""
    return sorted(_used_emoji)


def _inner(svg_text):
    """The drawing inside an <svg> element, without the element itself."""
    body = re.sub(r"^\s*(<\?xml[^>]*>\s*)?<svg[^>]*>", "", svg_text, count=1)
    return re.sub(r"</svg>\s*$", "", body)


def emoji_paths(name):
    """The <path> elements of one emoji, in drawing order."""
    return re.findall(r"<path[^>]*/>", emoji_inner(name))


def emoji_inner(name):
    _used_emoji.add(name)
    with open(os.path.join(EMOJI_DIR, name + ".svg"), encoding="utf-8") as f:
        return _inner(f.read())


def art_inner(name):
    with open(os.path.join(ART_DIR, name + ".svg"), encoding="utf-8") as f:
        return _inner(f.read())


def screen_template(name):
    with open(os.path.join(SCREEN_DIR, name + ".svg"), encoding="utf-8") as f:
        return f.read()


def source_inner(source):
    kind, name = source.split(":", 1)
    return emoji_inner(name) if kind == "emoji" else art_inner(name)


def picture(inner, x, y, size, view="0 0 32 32"):
    """Places a 32-unit drawing as a size x size square at (x, y)."""
    return (f'<svg x="{x}" y="{y}" width="{size}" height="{size}" '
            f'viewBox="{view}">{inner}</svg>')


def ingredient(name, x, y, size):
    return picture(source_inner(INGREDIENTS[name][1]), x, y, size)


def emoji(name, x, y, size):
    return picture(emoji_inner(name), x, y, size)


_TAG = re.compile(r'<([a-z]+)\s+([^>]*?)/>')
_ATTR = re.compile(r'([\w-]+)="([^"]*)"')
_handlers = {}


def tag(name):
    """Registers a function that turns <name attr=.../> into SVG."""
    def register(function):
        _handlers[name] = function
        return function
    return register


@tag("emoji")
def _emoji_tag(a):
    return emoji(a["name"], a.get("x", "0"), a.get("y", "0"), a["size"])


@tag("ingredient")
def _ingredient_tag(a):
    return ingredient(a["name"], a.get("x", "0"), a.get("y", "0"), a["size"])


@tag("art")
def _art_tag(a):
    return picture(art_inner(a["name"]), a.get("x", "0"), a.get("y", "0"),
                   a["size"])


@tag("include")
def _include_tag(a):
    return expand(_inner(screen_template(a["name"])))


def expand(template, **values):
    """Fills {name} placeholders with values, then replaces every registered
    tag (<emoji .../>, <ingredient .../>, <include name=/>, ...) with the
    drawing it names. Other elements pass through untouched."""
    for name, value in values.items():
        template = template.replace("{" + name + "}", str(value))

    def one(match):
        handler = _handlers.get(match.group(1))
        if handler is None:
            return match.group(0)
        return handler(dict(_ATTR.findall(match.group(2))))
    return _TAG.sub(one, template)


def document(width, height, body):
    return (f'<svg xmlns="http://www.w3.org/2000/svg" '
            f'xmlns:xlink="http://www.w3.org/1999/xlink" '
            f'width="{width}" height="{height}" '
            f'viewBox="0 0 {width} {height}">{body}</svg>\n')


def render(svg_text, svg_path, png_path, size=None):
    """Writes the SVG beside the build and renders it to a PNG with alpha, at
    its own size or scaled to a size x size square."""
    with open(svg_path, "w", encoding="utf-8") as f:
        f.write(svg_text)
    scale = [] if size is None else [f"--width={size}", f"--height={size}"]
    subprocess.run(["rsvg-convert", "--format=png", *scale, "-o", png_path,
                    svg_path], check=True)
    # The same pixels in fewer bytes (a page downloads every picture): only
    # the compression is searched, colour type and depth stay as drawn.
    subprocess.run(["optipng", "-quiet", "-o2", "-nc", "-nb", "-np",
                    "-strip", "all", png_path], check=True)


def escape(text):
    return (text.replace("&", "&amp;").replace("<", "&lt;")
            .replace(">", "&gt;"))
