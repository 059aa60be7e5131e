"""Regenerates every file under Assets/ from the sources in this folder.

Run it through generate.sh, which installs the tools and the pinned packages
and points fontconfig at the fonts this script copies into .build/fonts.
`python3 build.py STEP...` rebuilds only some steps (see STEPS).
"""
import os
import shutil
import subprocess
import sys

import audio
import credits
import music
import recipes
import screens
import sprites
import svgkit as k

HERE = k.HERE
ROOT = os.path.normpath(os.path.join(HERE, "..", ".."))
ASSETS = os.path.join(ROOT, "Assets")
# The icon theme's files for the desktop; the game itself uses Assets/ only.
DESKTOP_ICONS = os.path.join(ROOT, "packaging", "icons")
# The browser build's home-screen icons, beside the page they belong to.
WEB_ICONS = os.path.join(ROOT, "web", "page", "icons")
BUILD = os.path.join(HERE, ".build")
FONTS = os.path.join(BUILD, "fonts")

# The shipped game font and the font of the pictures' body text.
LECKERLI = "/usr/share/fonts/truetype/leckerli-one/LeckerliOne-Regular.ttf"
FREDOKA_WOFF2 = os.path.join(HERE, "node_modules", "@fontsource", "fredoka-one",
                             "files", "fredoka-one-latin-400-normal.woff2")


def out(*parts):
    path = os.path.join(ASSETS, *parts)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    return path


def render(svg_text, *parts):
    name = "_".join(parts).replace(".png", ".svg")
    k.render(svg_text, os.path.join(BUILD, "svg", name), out(*parts))


def prepare_fonts():
    """Fonts for the SVG text. Fredoka One ships only as WOFF2: unpack it to
    TrueType, and keep no WOFF2 beside it for fontconfig to pick up twice."""
    os.makedirs(FONTS, exist_ok=True)
    shutil.copyfile(LECKERLI, os.path.join(FONTS, "LeckerliOne-Regular.ttf"))
    packed = os.path.join(FONTS, "FredokaOne.woff2")
    shutil.copyfile(FREDOKA_WOFF2, packed)
    subprocess.run(["woff2_decompress", packed], check=True,
                   stdout=subprocess.DEVNULL)
    os.remove(packed)


def build_font():
    shutil.copyfile(LECKERLI, out("Fonts", "orangeJuice.ttf"))


def build_ingredients():
    for name in k.INGREDIENTS:
        render(sprites.ingredient_svg(name),
               "Sprites", "Ingredientes", name + ".png")


def build_cook():
    render(sprites.cook_svg(False), "Sprites", "Zuna-esquerda.png")
    render(sprites.cook_svg(True), "Sprites", "Zuna-direita.png")


def build_sound_icons():
    render(sprites.sound_icon_svg(True), "Sprites", "SoundOn.png")
    render(sprites.sound_icon_svg(False), "Sprites", "SoundOff.png")


def build_icon():
    render(sprites.icon_svg(), "Sprites", "Icone.png")


def build_desktop_icons():
    """The icon in each size of the hicolor theme, and as SVG for any other."""
    full = sprites.icon_svg()
    small = sprites.small_icon_svg()
    for size in sprites.DESKTOP_ICON_SIZES:
        svg = small if size <= sprites.SMALL_ICON_MAX else full
        folder = os.path.join(DESKTOP_ICONS, f"{size}x{size}", "apps")
        os.makedirs(folder, exist_ok=True)
        k.render(svg, os.path.join(BUILD, "svg", f"icon-{size}.svg"),
                 os.path.join(folder, sprites.APP_ID + ".png"), size)
    folder = os.path.join(DESKTOP_ICONS, "scalable", "apps")
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, sprites.APP_ID + ".svg"), "w",
              encoding="utf-8") as f:
        f.write(full)


def build_web_icons():
    os.makedirs(WEB_ICONS, exist_ok=True)
    svg = os.path.join(BUILD, "svg")
    for size in sprites.WEB_ICON_SIZES:
        k.render(sprites.icon_svg(), os.path.join(svg, f"web-icon-{size}.svg"),
                 os.path.join(WEB_ICONS, f"icon-{size}.png"), size)
    maskable = sprites.maskable_icon_svg()
    k.render(maskable, os.path.join(svg, "web-icon-maskable.svg"),
             os.path.join(WEB_ICONS, "icon-maskable.png"),
             sprites.MASKABLE_ICON_SIZE)
    k.render(maskable, os.path.join(svg, "web-icon-apple.svg"),
             os.path.join(WEB_ICONS, "icon-apple.png"), sprites.APPLE_ICON_SIZE)


def build_screens():
    render(k.expand(k.screen_template("kitchen")), "Sprites", "Background.png")
    render(screens.screen("menu"), "Sprites", "Menu.png")
    render(screens.screen("instrucoes"), "Sprites", "Instrucoes.png")
    render(screens.screen("dificuldade"), "Sprites", "Dificuldade.png")
    render(screens.screen("pausa"), "Sprites", "Pause.png")
    render(screens.screen("fim-de-jogo"), "Sprites", "FimDeJogo.png")


def build_recipes():
    for recipe in recipes.load(os.path.join(HERE, "recipes.txt")):
        render(recipes.card_svg(recipe), "Sprites", recipe.picture + ".png")


def build_catch_sound():
    audio.build_catch_sound(out("Music", "pot-lid-1.wav"))


def build_music():
    music.build_music(os.path.join(HERE, "music", "tune.txt"),
                      os.path.join(BUILD, "Fornalina.wav"),
                      out("Music", "Fornalina.ogg"))


def build_credits():
    """Last, so that it lists every emoji the pictures above have drawn."""
    sources = [(name + ".png", source)
               for name, (_, source) in k.INGREDIENTS.items()]
    credits.write(ASSETS, k.used_emoji(), sources, HERE)


STEPS = {
    "font": build_font,
    "ingredients": build_ingredients,
    "cook": build_cook,
    "sound_icons": build_sound_icons,
    "icon": build_icon,
    "desktop_icons": build_desktop_icons,
    "web_icons": build_web_icons,
    "screens": build_screens,
    "recipes": build_recipes,
    "catch_sound": build_catch_sound,
    "music": build_music,
    "credits": build_credits,
}


def main(steps):
    unknown = [s for s in steps if s not in STEPS]
    if unknown:
        sys.exit(f"unknown step(s) {unknown}; known: {', '.join(STEPS)}")
    if "credits" in steps and len(steps) < len(STEPS):
        sys.exit("credits lists what the other steps draw: run all steps")
    os.makedirs(os.path.join(BUILD, "svg"), exist_ok=True)
    prepare_fonts()
    for step in steps or list(STEPS):
        STEPS[step]()


if __name__ == "__main__":
    main(sys.argv[1:])
