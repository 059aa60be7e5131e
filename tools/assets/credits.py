"""Assets/CREDITS.md and the licence texts: ours for what was made for the
game, and those the borrowed material requires."""
import json
import os

LECKERLI_COPYRIGHT = "/usr/share/doc/fonts-leckerli-one/copyright"

# Microsoft's own notice for Fluent Emoji, which the npm package repackages.
FLUENT_NOTICE = """MIT License

Copyright (c) Microsoft Corporation.

Permission is hereby granted, free of charge, to any person obtaining a copy
of this software and associated documentation files (the "Software"), to deal
in the Software without restriction, including without limitation the rights
to use, copy, modify, merge, publish, distribute, sublicense, and/or sell
copies of the Software, and to permit persons to whom the Software is
furnished to do so, subject to the following conditions:

The above copyright notice and this permission notice shall be included in all
copies or substantial portions of the Software.

THE SOFTWARE IS PROVIDED "AS IS", WITHOUT WARRANTY OF ANY KIND, EXPRESS OR
IMPLIED, INCLUDING BUT NOT LIMITED TO THE WARRANTIES OF MERCHANTABILITY,
FITNESS FOR A PARTICULAR PURPOSE AND NONINFRINGEMENT. IN NO EVENT SHALL THE
AUTHORS OR COPYRIGHT HOLDERS BE LIABLE FOR ANY CLAIM, DAMAGES OR OTHER
LIABILITY, WHETHER IN AN ACTION OF CONTRACT, TORT OR OTHERWISE, ARISING FROM,
OUT OF OR IN CONNECTION WITH THE SOFTWARE OR THE USE OR OTHER DEALINGS IN THE
SOFTWARE.
"""


def _debian_licence(path, name):
    """The text of one "License: NAME" block of a Debian copyright file,
    with Debian's one-space indent and " ." blank lines undone."""
    lines, inside = [], False
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.rstrip("\n")
            if line.startswith("License: "):
                inside = line == f"License: {name}"
                continue
            if inside:
                if not line.startswith(" "):
                    if lines:
                        break
                    continue
                lines.append("" if line == " ." else line[1:])
    return "\n".join(lines).rstrip() + "\n"


def _version(here, package):
    with open(os.path.join(here, "node_modules", package, "package.json"),
              encoding="utf-8") as f:
        return json.load(f)["version"]


def _spdx_text(here, licence):
    """The official text of a licence, as the SPDX licence list carries it."""
    with open(os.path.join(here, "node_modules", "spdx-license-list", "licenses",
                           licence + ".json"), encoding="utf-8") as f:
        return json.load(f)["licenseText"].rstrip("\n") + "\n"


def _write(path, text):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8") as f:
        f.write(text)


def write(assets, emoji_used, ingredient_sources, here):
    """ingredient_sources: (sprite file, "emoji:NAME" or "art:NAME") pairs."""
    licences = os.path.join(assets, "licenses")
    _write(os.path.join(licences, "OFL-LeckerliOne.txt"),
           _debian_licence(LECKERLI_COPYRIGHT, "OFL-1.1"))
    with open(os.path.join(here, "node_modules", "@fontsource", "fredoka-one",
                           "LICENSE"), encoding="utf-8") as f:
        _write(os.path.join(licences, "OFL-FredokaOne.txt"), f.read())
    with open(os.path.join(here, "node_modules", "fluentui-emoji", "LICENSE"),
              encoding="utf-8") as f:
        packager = f.read()
    _write(os.path.join(licences, "CC-BY-4.0.txt"), _spdx_text(here, "CC-BY-4.0"))
    _write(os.path.join(licences, "MIT-FluentEmoji.txt"),
           "Fluent Emoji artwork:\n\n" + FLUENT_NOTICE
           + "\n\nThe npm package fluentui-emoji that carries it:\n\n"
           + packager)

    with open(os.path.join(here, "CREDITS.in.md"), encoding="utf-8") as f:
        template = f.read()
    _write(os.path.join(assets, "CREDITS.md"), template.format(
        fluent_version=_version(here, "fluentui-emoji"),
        fredoka_version=_version(here, "@fontsource/fredoka-one"),
        spdx_version=_version(here, "spdx-license-list"),
        ingredient_table="\n".join(
            f"| `Sprites/Ingredientes/{file}` | "
            + (f"Fluent Emoji `{name}`" if kind == "emoji" else "our own drawing")
            + " |"
            for file, (kind, name) in ((f, s.split(":")) for f, s in ingredient_sources)),
        emoji_list="\n".join(f"- `{name}`" for name in emoji_used)))
