#!/usr/bin/env python3
"""Checks the user's guide hilfe.pdf with poppler's pdfinfo and pdftotext: at least 20 pages, both the
German and the English part name every step of the evaluation road and every project type, and the
result files each part names are those the program writes. The guide names a result file by its
place in the result folder of its example, as probe1/probe.<extension>; the program's own list of
what it wrote is ergebnisdateien.txt in each language's picture folder, which the picture tool
writes from the result folder of its evaluation with every save option on.
Usage: check-help.py <hilfe.pdf> [<picture folder>] (default: hilfe_bilder beside the PDF). Exits 77
(skipped) when poppler-utils is not installed, 1 when a check fails."""
import os
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
# A result file as the guide names it; the typesetter may break the line after the slash.
RESULT_FILE = re.compile(r"probe1/ ?probe(\.[A-Za-z0-9_]+)")


def written_extensions(pictures, lang):
    """The extensions of the files the program wrote in the picture tool's evaluation, or None."""
    try:
        with open(os.path.join(pictures, lang, "ergebnisdateien.txt"), encoding="utf-8") as listing:
            return {line.strip() for line in listing if line.strip()}
    except OSError:
        return None


def run(*args):
    return subprocess.run(args, check=True, capture_output=True, text=True).stdout


def main():
    if len(sys.argv) not in (2, 3):
        print(__doc__)
        return 2
    pdf = sys.argv[1]
    pictures = sys.argv[2] if len(sys.argv) == 3 else os.path.join(os.path.dirname(pdf), "hilfe_bilder")
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
            written = written_extensions(pictures, lang)
            if written is None:
                failures.append(f"{lang}: no list of the result files the program wrote in {pictures}")
                continue
            named = set(RESULT_FILE.findall(parts[lang]))
            for extension in sorted(named - written):
                failures.append(f"{lang}: names the result file probe1/probe{extension}, which the program does not write")
            for extension in sorted(written - named):
                failures.append(f"{lang}: the program writes {extension} files, which the guide does not name")
    for failure in failures:
        print("check-help:", failure)
    if not failures:
        print(f"check-help: {pages} pages; every step, project type and result file named in German and English")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
