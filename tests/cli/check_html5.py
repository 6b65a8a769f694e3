# Reads each HTML fragment named on the command line in a page with html5lib's strict HTML5
# parser, which stops at the first parse error: a control character, a stray quote, an unclosed
# tag. Prints the file and the error, and exits 1, for any that does not parse cleanly.
import sys

import html5lib

PAGE = "<!DOCTYPE html><html lang=en><head><title>t</title></head><body>{}</body></html>"

failed = len(sys.argv) < 2
for name in sys.argv[1:]:
    with open(name, encoding="utf-8", newline="") as file:
        fragment = file.read()
    try:
        html5lib.HTMLParser(strict=True).parse(PAGE.format(fragment))
    except html5lib.html5parser.ParseError as error:
        print(f"{name}: {error}: {fragment!r}")
        failed = True
sys.exit(1 if failed else 0)
