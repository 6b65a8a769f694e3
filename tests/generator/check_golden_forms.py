# Reads the golden files of the output forms as their readers would, against each case's
# .expect.txt (a line per character: its colour as rrggbb, a tab, its text):
# - span: html5lib's strict HTML5 parser must find no error; the coloured spans must hold the
#   characters and colours listed, and after HTML's folding of spaces every space must show;
# - ansi: no escape but the form's SGR codes, a reset at the end; replayed on pyte's terminal,
#   every cell must show its character's colour and text;
# - minimessage: only the form's tags, balanced, and "\" escapes; a colour tag before each
#   character, which the tags and the text read back give;
# - ampersand: a colour code before each character, the same style codes after each;
# - json: Python's JSON parser must read it; an object per character, the same styles in each.
import json
import pathlib
import re
import sys

import html5lib
import pyte

PAGE = "<!DOCTYPE html><html lang=en><head><title>t</title></head><body>{}</body></html>"
ESCAPE = re.compile(r"\x1b\[(38;2;\d{1,3};\d{1,3};\d{1,3}|0|[1349](;[1349])*)m")


def span_problems(output, expected):
    parser = html5lib.HTMLParser(strict=True, namespaceHTMLElements=False)
    try:
        spans = parser.parse(PAGE.format(output)).iter("span")
    except html5lib.html5parser.ParseError as error:
        return [str(error)]
    held = [(s.get("style")[7:13], "".join(s.itertext()))
            for s in spans if s.get("style", "").startswith("color:#")]
    shown = re.sub(" +", " ", "".join(text for _, text in held)).strip(" ")
    problems = []
    if [(colour, text.replace("\xa0", " ")) for colour, text in held] != expected:
        problems.append(f"the spans hold {held}")
    if shown.replace("\xa0", " ") != "".join(text for _, text in expected):
        problems.append(f"the page shows {shown!r}")
    return problems


def cells_of(text):
    screen = pyte.Screen(200, 2)
    pyte.Stream(screen).feed(text)
    return [screen.buffer[0][x] for x in range(screen.cursor.x)]


def ansi_problems(output, expected):
    problems = []
    if "\x1b" in ESCAPE.sub("", output) or not output.rstrip("\n").endswith("\x1b[0m"):
        problems.append("escapes other than the form's SGR codes, or no reset at the end")
    # pyte gives a character as many cells as it does drawn alone (a zero-width joiner ends
    # what it draws), so each character is first drawn alone.
    wanted = [(colour, cell.data) for colour, text in expected for cell in cells_of(text)]
    cells = cells_of(output.rstrip("\n"))
    if [(cell.fg, cell.data) for cell in cells] != wanted:
        problems.append(f"the cells show {cells}")
    return problems


MINIMESSAGE = re.compile(r"<(#[0-9a-f]{6}|(/?)(b|i|u|st|click:open_url:'(?:\\.|[^'\\])*'|click))>"
                         r"|\\([<\\])|([^<\\]+)|(.)", re.S)


def minimessage_problems(output, expected):
    characters, open_tags, problems = [], [], []
    for token in MINIMESSAGE.finditer(output.removesuffix("\n")):
        tag, closing, name, escaped, text, stray = token.groups()
        if stray:
            problems.append(f"{stray!r} at {token.start()} is no tag and is not escaped")
        elif tag and tag.startswith("#"):
            characters.append([tag[1:], ""])
        elif tag and not closing:
            open_tags.append(name.split(":")[0])
        elif tag:
            if not open_tags or open_tags.pop() != name:
                problems.append(f"</{name}> closes no tag")
        elif not characters:
            problems.append("text before the first colour")
        else:
            characters[-1][1] += escaped or text
    if open_tags:
        problems.append(f"{open_tags} left open")
    if [tuple(c) for c in characters] != expected:
        problems.append(f"the tags give {characters}")
    return problems


AMPERSAND = re.compile(r"&#([0-9A-F]{6})((?:&[lonm])*)")


def ampersand_problems(output, expected):
    codes = list(AMPERSAND.finditer(output.removesuffix("\n")))
    ends = [code.start() for code in codes[1:]] + [len(output.removesuffix("\n"))]
    characters = [(code[1].lower(), output[code.end():end]) for code, end in zip(codes, ends)]
    problems = []
    if not codes or codes[0].start() != 0 or len({code[2] for code in codes}) != 1:
        problems.append("not a colour code and the same styles before each character")
    if characters != expected:
        problems.append(f"the codes give {characters}")
    return problems


def json_problems(output, expected):
    try:
        components = json.loads(output)
    except json.JSONDecodeError as error:
        return [str(error)]
    if components and components[-1] == {"text": "\n"}:
        components.pop()
    characters = [(c.get("color", "")[1:], c["text"]) for c in components]
    styles = {json.dumps({k: v for k, v in c.items() if k not in ("text", "color")})
              for c in components}
    problems = [] if len(styles) <= 1 else [f"the styles differ: {styles}"]
    if characters != expected:
        problems.append(f"the components give {characters}")
    return problems


checks = [(path, suffix, problems_of)
          for suffix, problems_of in ((".span.html", span_problems), (".ansi.txt", ansi_problems),
                                      (".minimessage.txt", minimessage_problems),
                                      (".ampersand.txt", ampersand_problems),
                                      (".json", json_problems))
          for path in sorted(pathlib.Path(sys.argv[1]).glob("*" + suffix))]
failed = not checks
for path, suffix, problems_of in checks:
    lines = path.with_name(path.name.replace(suffix, ".expect.txt")).read_text("utf-8")
    expected = [tuple(line.split("\t", 1)) for line in lines.splitlines()]
    for problem in problems_of(path.read_text("utf-8"), expected):
        print(f"{path.name}: {problem}", file=sys.stderr)
        failed = True
sys.exit(1 if failed else 0)
