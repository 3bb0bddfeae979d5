#!/usr/bin/env python3
"""Writes resources/bintable_102.dat, the element database that start-up installs when the
program folder holds none (3 x-axis conversions, 6 light elements, 6 fitted electron tables).

Run from anywhere:  python3 scripts/make_default_database.py
The output is committed; run this again only after changing the data below.

File layout (little-endian, packed): header, x-axis records, element records, table records.
A string is a 16-bit length followed by that many Windows-1252 bytes.
"""
import pathlib
import struct

NO_VALUE = -3e38  # the program's "no value" marker, stored as a single

X_AXES = [  # factor, name, key
    (37.74, "Alter Kryo", "T_1_39847"),
    (74.72, "UHV Kryo", "T_2_39847"),
    (0.1, "Angström in nm", "T_3_39847"),
]

# Electrons per orbital, in the record's order 1s 2s 2p 3s 3p 4s 3d 4p 5s 4d 5p 6s 4f 5d 6p 7s 5f 6d.
ORBITALS = ["1s", "2s", "2p", "3s", "3p", "4s", "3d", "4p", "5s", "4d", "5p", "6s", "4f", "5d", "6p",
            "7s", "5f", "6d"]

ELEMENTS = [  # symbol, name, mass, valence, (liquid, crystalline, amorphous), electrons,
              # radius pm, electronegativity, boiling K, melting K, (basis, system, a, b, c)
    ("H", "Wasserstoff", 1.0079, 1, (0.0708, 0.076, NO_VALUE), {"1s": 1}, 37.3, 2.2, 20.28, 14.01,
     (0, 0, NO_VALUE, NO_VALUE, NO_VALUE)),
    ("He", "Helium", 4.0026, 0, (0.1248, 1.76, NO_VALUE), {"1s": 2}, 32, 5.5, 4.216, 0.95,
     (0, 0, NO_VALUE, NO_VALUE, NO_VALUE)),
    ("Li", "Lithium", 6.941, 1, (0.5, 0.535, 0.001), {"2s": 1}, 152, 0.98, 1590, 453.69,
     (3, 1, NO_VALUE, NO_VALUE, NO_VALUE)),
    ("Be", "Beryllium", 9.0122, 2, (1.69, 1.8477, NO_VALUE), {"2s": 2}, 113.3, 1.57, 3243, 1551,
     (0, 0, NO_VALUE, NO_VALUE, NO_VALUE)),
    ("B", "Bor", 10.811, 3, (2.08, 2.34, 2.37), {"2s": 2, "2p": 1}, 83, 2.04, 2823, 2573,
     (0, 0, NO_VALUE, NO_VALUE, NO_VALUE)),
    ("C", "Kohlenstoff", 12.011, 4, (2.26, 3.52, 1.8), {"2s": 2, "2p": 2}, 77.2, 2.55, 5100, 3823,
     (0, 0, NO_VALUE, NO_VALUE, NO_VALUE)),
]

# Fitted electron form factors f(s) = sum A_i exp(-B_i s^2) + c, s = sin(theta)/lambda in 1/Angstrom.
CARBON = ([0.04924, 0.13162, 0.22393, 0.11705, 0], [1.12357, 4.81011, 14.8439, 39.0726, 0], 0.00683)
TABLES = [  # symbol, A1..A5, B1..B5, c; in file order
    # Helium: Peng, Ren, Dudarev & Whelan, Acta Cryst. A52 (1996) 257, five-Gaussian fit for s < 2 1/A.
    ("He", [0.0317, 0.0838, 0.1526, 0.1334, 0.0164], [0.2507, 1.4751, 4.4938, 12.6646, 31.1653], 0.0),
    ("C", *CARBON),
    ("H", *CARBON),
    ("Li", [0.181, 0.46885, 1.47726, 1.13754, 0], [1.37982, 10.0558, 45.2163, 128.547, 0], 0.02026),
    ("Be", [0.18017, 0.56677, 1.44076, 0.84079, 0], [1.11557, 7.28333, 26.6073, 73.1093, 0], 0.0233),
    ("B", [0.18848, 0.64565, 1.33187, 0.60166, 0], [0.97203, 5.81321, 20.0682, 57.3252, 0], 0.026),
]

ELECTRONS_KIND = 0
FIT_TABLE = 2


def text(value):
    raw = value.encode("cp1252")
    return struct.pack("<H", len(raw)) + raw


def single(value):
    return struct.pack("<f", value)


def header(x_axes, elements, tables):
    return (text("ZELO3") + struct.pack("<ii", x_axes, elements)
            + struct.pack("<BBh", 1, 0, 0)  # Status 1, Frei 0, Revision 0
            + struct.pack("<i", tables) + bytes(16))


def x_axis(factor, name, key):
    return single(factor) + text(name) + text(key)


def element(symbol, name, mass, valence, densities, electrons, radius, electronegativity, boiling,
            melting, structure, valence_orbital=0, atomic_number=0):
    shells = bytes(electrons.get(orbital, 0) for orbital in ORBITALS)
    part1 = (text(symbol) + text(name) + b"".join(single(v) for v in (mass, valence, *densities))
             + shells + struct.pack("<i", valence_orbital)
             + b"".join(single(v) for v in (radius, electronegativity, boiling, melting))
             + struct.pack("<iiii", 0, 0, 0, atomic_number)  # three density remarks, atomic number
             + bytes(8) + struct.pack("<h", -1)  # reserved, structure part present
             + single(0) + bytes(22))  # q0, reserved
    basis, system, a, b, c = structure
    part2 = struct.pack("<ii", basis, system) + single(a) + single(b) + single(c) + bytes(12)
    return part1 + part2


def table(symbol, amplitudes, widths, constant, kind=ELECTRONS_KIND, info=""):
    return (text(symbol) + struct.pack("<ii", kind, FIT_TABLE) + text(info)
            + text("") * 3 + bytes(40)
            + b"".join(single(v) for v in amplitudes + widths) + single(constant) + bytes(44))


def main():
    content = header(len(X_AXES), len(ELEMENTS), len(TABLES))
    content += b"".join(x_axis(*row) for row in X_AXES)
    content += b"".join(element(*row) for row in ELEMENTS)
    content += b"".join(table(*row) for row in TABLES)
    assert len(content) == 1939, len(content)
    out = pathlib.Path(__file__).resolve().parent.parent / "resources" / "bintable_102.dat"
    out.write_bytes(content)
    print(f"wrote {out} ({len(content)} bytes)")


if __name__ == "__main__":
    main()
