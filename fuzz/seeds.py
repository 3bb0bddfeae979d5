#!/usr/bin/env python3
"""Writes the seed inputs of every fuzz target, one folder per target, from the file formats.

A target fuzz_<name> takes its seeds from <out>/<name>/; a target without an entry here starts
from an empty corpus. Usage: seeds.py <out folder>
"""
import math
import os
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def rows(n, row):
    return "".join(row(i) for i in range(n)).encode("latin-1")


def raw_spectrum():
    header = "T=293K HV=60000V I_Em=10uA I_H=2uA U_W=300V\r\nBemerkungen: Probe\r\n"
    body = rows(60, lambda i: f"{i} 1000 {10 * (i + 1) ** 2}\r\n")
    tabs = rows(30, lambda i: f"{i * 0.5}\t500\t{100 + i}\r\n")
    backwards = rows(10, lambda i: f"{10 - i} 1000 {50 + i}\r\n")
    return [header.encode() + body, tabs, backwards]


def xy(n, step, y):
    return rows(n, lambda i: f"{i * step:.4f}\t{y(i):.6g}\r\n")


def curve_files():
    # The first byte picks the curve kind: 1 raw-like J(K), 6 I(K), 7 G(r), 24 v(r), 21 form factor.
    curve = xy(80, 0.1, lambda i: 100 * math.exp(-i / 30) + 5 * math.sin(i / 3))
    comma = curve.replace(b".", b",")
    return [bytes([kind]) + body for kind in (1, 4, 6, 7, 11, 21, 23, 24) for body in (curve, comma)]


def form_factor():
    return [xy(60, 0.05, lambda i: 6 * math.exp(-(i * 0.05) ** 2)), b"s f\r\n" + xy(20, 0.1, lambda i: 3 - 0.1 * i)]


def background():
    return [xy(12, 3.0, lambda i: 50 - i), b"no points\r\n1\t2\r\n"]


def structure_curves():
    ik = xy(200, 0.1, lambda i: math.sin(i / 5) * math.exp(-i / 80))
    gr = xy(300, 0.01, lambda i: math.sin(i / 10) * math.exp(-i / 100))
    return [bytes([kind]) + body for kind, body in ((0, ik), (1, ik), (2, gr), (3, gr))]


def element_database():
    with open(os.path.join(ROOT, "resources", "bintable_102.dat"), "rb") as f:
        return [f.read()]


def formula():
    return [b"2*y+sin(3)", b"root(8;3)+hex(255)", b"((1+2)*3)^2/0", b"arcoth(2)+1e308*10", b"101b+FFh+17o+45\xb0"]


SEEDS = {
    "raw_spectrum": raw_spectrum,
    "curve_files": curve_files,
    "form_factor": form_factor,
    "background": background,
    "structure_curves": structure_curves,
    "element_database": element_database,
    "formula": formula,
}


def main(out):
    for name, make in SEEDS.items():
        folder = os.path.join(out, name)
        os.makedirs(folder, exist_ok=True)
        for i, content in enumerate(make()):
            with open(os.path.join(folder, f"seed{i}"), "wb") as f:
                f.write(content)


if __name__ == "__main__":
    main(sys.argv[1])
