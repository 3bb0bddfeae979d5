#!/usr/bin/env python3
"""Checks the user's guide hilfe.pdf with poppler's pdfinfo and pdftotext: at least 20 pages, and both
the German and the English part name every step of the evaluation road and every project type.
Usage: check-help.py <hilfe.pdf>. Exits 77 (skipped) when poppler-utils is not installed, 1 when a
check fails."""
import re
import shutil
import subprocess
import sys
import unicodedata

MIN_PAGES = 20
# The names of the road's steps (the guide's headings and the program's own step labels) and of the
# project types, per language.
EXPECTED = {
    "de": {
        "steps": ["Rohspektrum", "Rohdaten bearbeiten", "Falten", "Seiten mitteln", "Mitteln", "Seitenfit",
                  "Untergrund", "I(K)", "G(r)", "Nc", "Extras"],
        "types": ["Beugungsspektrum", "ELMI-Beugungsspektrum", "I(K) oder S(K)", "G(r)",
                  "gefittete oder gefaltete Kurve", "gemittelte Kurve", "Paarpotential v(r)",
                  "Paarpotential v(K)", "Beugungsbild", "Bild zum Digitalisieren"],
    },
    "en": {
        "steps": ["Raw spectrum", "raw data Edit", "Fold", "combine sites", "Average", "Side fit",
                  "Background", "Underground", "I(K)", "G(r)", "Nc", "Extras"],
        "types": ["diffraction spectrum", "ELMI diffraction spectrum", "I(K) or S(K)", "G(r)",
                  "fitted or folded curve", "averaged curve", "pair potential v(r)", "pair potential v(K)",
                  "diffraction image", "picture to digitise"],
    },
}
# Where each language's part begins: its first chapter heading, after the contents page lists it.
START = {"de": "1 Start, Programmordner", "en": "1 Start, program folder"}


def run(*args):
    return subprocess.run(args, check=True, capture_output=True, text=True).stdout


def main():
    if len(sys.argv) != 2:
        print(__doc__)
        return 2
    pdf = sys.argv[1]
    if not shutil.which("pdfinfo") or not shutil.which("pdftotext"):
        print("check-help: poppler-utils (pdfinfo, pdftotext) not installed; skipped")
        return 77
    pages = int(re.search(r"^Pages:\s+(\d+)", run("pdfinfo", pdf), re.M).group(1))
    # NFKC undoes the typesetter's ligatures (the "fi" of "Seitenfit" is one glyph in the PDF).
    text = " ".join(unicodedata.normalize("NFKC", run("pdftotext", "-enc", "UTF-8", pdf, "-")).split())
    failures = []
    if pages < MIN_PAGES:
        failures.append(f"{pages} pages, fewer than {MIN_PAGES}")
    starts = {}
    for lang, heading in START.items():
        found = [m.start() for m in re.finditer(re.escape(heading), text)]
        if len(found) < 2:
            failures.append(f"the {lang} part's first chapter is not both in the contents and in the text")
        else:
            starts[lang] = found[1]
    if len(starts) == 2:
        parts = {"de": text[starts["de"]:starts["en"]], "en": text[starts["en"]:]}
        for lang, groups in EXPECTED.items():
            for group, names in groups.items():
                for name in names:
                    if name.lower() not in parts[lang].lower():
                        failures.append(f"{lang}: {group[:-1]} '{name}' not found")
    for failure in failures:
        print("check-help:", failure)
    if not failures:
        print(f"check-help: {pages} pages; every step and project type named in German and English")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
