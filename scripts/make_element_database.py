#!/usr/bin/env python3
"""Writes resources/zelo_init.dat, the element database that a first start installs into the
program folder: the elements H to Cf (Z = 1..98), each with an electron and an X-ray table, and a
neutron table where the tables give a coherent scattering length.

Needs the Debian package python3-periodictable (masses, densities, crystal structures, the
Waasmaier-Kirfel X-ray coefficients and the coherent neutron scattering lengths) and numpy; the
electron configurations and the German names are tables of this script, and so are the few values
that replace or add to the package's (each with its source where it is set below).

Run:  /usr/bin/python3 scripts/make_element_database.py
The output is committed; the program's build does not run this.

Electron tables: the Mott-Bethe formula turns the X-ray form factor into the electron one,
    f_e(s) = 0.023934 * (Z - f_x(s)) / s^2  Angstrom,  s = sin(theta)/lambda in 1/Angstrom,
with Z taken as f_x(0), the electron count of the fitted neutral atom, so that f_e stays finite:
    f_e(s) = 0.023934 * sum a_i * (1 - exp(-b_i s^2)) / s^2,   f_e(0) = 0.023934 * sum a_i b_i.
It is then fitted again by five Gaussians and a constant, the form the program evaluates, to better
than 1 % relative over K = 0..150 1/nm (the program's K in 1/nm is 40 pi s).
"""
import math
import pathlib
import sys

import numpy
import periodictable
from periodictable import cromermann

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import make_default_database as layout  # noqa: E402  (the record writers and the x-axis list)

# numpy's vector exp, expm1 and log take processor-specific paths (AVX-512) that differ in the
# last bit, and the iterative fit carries such bits into the stored coefficients. The C library's
# functions, point by point, give the same file whichever vector extensions the processor has.
_EXP = numpy.frompyfunc(math.exp, 1, 1)
_EXPM1 = numpy.frompyfunc(math.expm1, 1, 1)


def exp(x):
    return numpy.asarray(_EXP(x), dtype=float)


def expm1(x):
    return numpy.asarray(_EXPM1(x), dtype=float)


NO_VALUE = layout.NO_VALUE
ELECTRONS, XRAYS, NEUTRONS = 0, 1, 2
MOTT_BETHE = 0.023934  # m0 e^2 / (8 pi eps0 h^2) = 1 / (8 pi^2 a0), Angstrom
K_MAX_CHECKED = 150.0  # 1/nm: the fitted electron table holds within TOLERANCE up to here
TOLERANCE = 0.01
Z_MAX = 98

GERMAN_NAMES = [
    "Wasserstoff", "Helium", "Lithium", "Beryllium", "Bor", "Kohlenstoff", "Stickstoff",
    "Sauerstoff", "Fluor", "Neon", "Natrium", "Magnesium", "Aluminium", "Silicium", "Phosphor",
    "Schwefel", "Chlor", "Argon", "Kalium", "Calcium", "Scandium", "Titan", "Vanadium", "Chrom",
    "Mangan", "Eisen", "Cobalt", "Nickel", "Kupfer", "Zink", "Gallium", "Germanium", "Arsen",
    "Selen", "Brom", "Krypton", "Rubidium", "Strontium", "Yttrium", "Zirconium", "Niob",
    "Molybdän", "Technetium", "Ruthenium", "Rhodium", "Palladium", "Silber", "Cadmium", "Indium",
    "Zinn", "Antimon", "Tellur", "Iod", "Xenon", "Caesium", "Barium", "Lanthan", "Cer",
    "Praseodym", "Neodym", "Promethium", "Samarium", "Europium", "Gadolinium", "Terbium",
    "Dysprosium", "Holmium", "Erbium", "Thulium", "Ytterbium", "Lutetium", "Hafnium", "Tantal",
    "Wolfram", "Rhenium", "Osmium", "Iridium", "Platin", "Gold", "Quecksilber", "Thallium", "Blei",
    "Bismut", "Polonium", "Astat", "Radon", "Francium", "Radium", "Actinium", "Thorium",
    "Protactinium", "Uran", "Neptunium", "Plutonium", "Americium", "Curium", "Berkelium",
    "Californium",
]

# The record's orbital order is the order in which the shells fill (Madelung rule).
CAPACITY = {"s": 2, "p": 6, "d": 10, "f": 14}
# Ground-state configurations that differ from the filling order (NIST atomic spectra tables).
EXCEPTIONS = {
    "Cr": {"4s": 1, "3d": 5}, "Cu": {"4s": 1, "3d": 10}, "Nb": {"5s": 1, "4d": 4},
    "Mo": {"5s": 1, "4d": 5}, "Ru": {"5s": 1, "4d": 7}, "Rh": {"5s": 1, "4d": 8},
    "Pd": {"5s": 0, "4d": 10}, "Ag": {"5s": 1, "4d": 10}, "La": {"4f": 0, "5d": 1},
    "Ce": {"4f": 1, "5d": 1}, "Gd": {"4f": 7, "5d": 1}, "Pt": {"6s": 1, "5d": 9},
    "Au": {"6s": 1, "5d": 10}, "Ac": {"5f": 0, "6d": 1}, "Th": {"5f": 0, "6d": 2},
    "Pa": {"5f": 2, "6d": 1}, "U": {"5f": 3, "6d": 1}, "Np": {"5f": 4, "6d": 1},
    "Cm": {"5f": 7, "6d": 1},
}
NOBLE_GASES = {"He", "Ne", "Ar", "Kr", "Xe", "Rn"}
NOBLE_GAS_CHARGES = (2, 10, 18, 36, 54, 86)
# Gases at 20 degrees C (the tables give the liquid at the boiling point) and the two liquid metals.
LIQUID_DENSITY = {"H", "He", "N", "O", "F", "Ne", "Cl", "Ar", "Kr", "Xe", "Rn", "Br", "Hg"}
# Amorphous densities, which the package does not give, taken from the demonstration table
# (make_default_database.py); no other value of that table is taken over.
AMORPHOUS_FROM_DEMONSTRATION = {"B"}
# Lattice constants (nm) in place of the package's (Ashcroft and Mermin's tables), which give
# lithium at 78 K and sodium at 5 K: the bcc constants at room temperature.
ROOM_TEMPERATURE_BCC = {
    "Li": 0.35100,  # 3.51004 Angstrom at 25 degrees C: Nadler and Kempter, Anal. Chem. 31 (1959) 2109
    "Na": 0.42906,  # 4.2906 Angstrom: Aruja and Perlitz, Z. Kristallogr. 100 (1939) 195
}

# Crystal structures of the tables: record basis (1 simple, 2 face centred, 3 body centred,
# 4 diamond, 6 hcp; 0 unknown) and crystal system (1 cubic, 2 hexagonal, 3 tetragonal,
# 4 rhombohedral, 5 orthorhombic, 6 monoclinic).
STRUCTURES = {"SC": (1, 1), "fcc": (2, 1), "BCC": (3, 1), "Diamond": (4, 1), "Cubic": (0, 1),
              "hcp": (6, 2), "Tetragonal": (0, 3), "Rhombohedral": (0, 4), "Orthorhombic": (0, 5),
              "Monoclinic": (0, 6)}


def configuration(z, symbol):
    electrons, left = {}, z
    for orbital in layout.ORBITALS:
        take = min(left, CAPACITY[orbital[1]])
        electrons[orbital] = take
        left -= take
    for orbital, count in EXCEPTIONS.get(symbol, {}).items():
        electrons[orbital] = count
    assert sum(electrons.values()) == z, symbol
    return electrons


def outer_orbital(electrons):
    """The outermost occupied orbital: highest principal number, then highest angular momentum."""
    occupied = [o for o in layout.ORBITALS if electrons[o] > 0]
    return max(occupied, key=lambda o: (int(o[0]), "spdf".index(o[1])))


def valence(z, symbol, electrons):
    """Free electrons per atom: the s and p electrons outside the noble-gas core; noble gases 0."""
    if symbol in NOBLE_GASES:
        return 0
    core_z = max(n for n in NOBLE_GAS_CHARGES if n < z) if z > 2 else 0
    core = configuration(core_z, "") if core_z else {o: 0 for o in layout.ORBITALS}
    return sum(electrons[o] - core[o] for o in layout.ORBITALS if o[1] in "sp")


def structure(element):
    table = element.crystal_structure
    if not table or table["symmetry"] not in STRUCTURES:
        return (0, 0, NO_VALUE, NO_VALUE, NO_VALUE)
    basis, system = STRUCTURES[table["symmetry"]]
    if "a" not in table:
        return (basis, system, NO_VALUE, NO_VALUE, NO_VALUE)
    a = ROOM_TEMPERATURE_BCC.get(element.symbol, table["a"] / 10)  # Angstrom -> nm
    if system == 1:
        return (basis, system, a, a, a)
    b = a * table["b/a"] if "b/a" in table else (a if system in (2, 3) else NO_VALUE)
    c = a * table["c/a"] if "c/a" in table else NO_VALUE
    if element.symbol == "U":
        # The package swaps b and c of alpha-uranium (b/a 1.736, c/a 2.056); its orthorhombic cell
        # is a 0.2854, b 0.5870, c 0.4955 nm, b the longest axis.
        b, c = c, b
    return (basis, system, a, b, c)


def demonstration_amorphous_density(symbol):
    densities_of = {row[0]: row[4] for row in layout.ELEMENTS}
    return densities_of[symbol][2] if symbol in AMORPHOUS_FROM_DEMONSTRATION else NO_VALUE


def densities(element):
    rho = element.density if element.density is not None else NO_VALUE
    if element.symbol in LIQUID_DENSITY:
        return (rho, NO_VALUE, NO_VALUE)
    return (NO_VALUE, rho, demonstration_amorphous_density(element.symbol))


# ---- electron form factors ------------------------------------------------------------------

def s_of_k(k):
    """s = sin(theta)/lambda in 1/Angstrom of the program's K in 1/nm."""
    return numpy.asarray(k) / (40 * math.pi)


def mott_bethe(a, b, s):
    s2 = numpy.asarray(s, dtype=float) ** 2
    total = numpy.zeros_like(s2)
    for ai, bi in zip(a, b):
        x = bi * s2
        # (1 - exp(-x)) / x, with its limit 1 at x = 0
        ratio = numpy.where(x > 1e-12, -expm1(-x) / numpy.where(x > 1e-12, x, 1.0), 1.0 - x / 2)
        total += ai * bi * ratio
    return MOTT_BETHE * total


def gaussians(amplitudes, widths, constant, s):
    s2 = numpy.asarray(s, dtype=float) ** 2
    return sum(ai * exp(-bi * s2) for ai, bi in zip(amplitudes, widths)) + constant


def linear_part(widths, s, target, weight):
    design = numpy.column_stack([exp(-w * s ** 2) for w in widths] + [numpy.ones_like(s)])
    solution, *_ = numpy.linalg.lstsq(design * weight[:, None], target * weight, rcond=None)
    return solution[:5], solution[5]


def relative_error(widths, s, target, weight):
    amplitudes, constant = linear_part(widths, s, target, weight)
    return (gaussians(amplitudes, widths, constant, s) - target) / target


def fit_electron_table(a, b):
    """Five Gaussians and a constant through the Mott-Bethe curve: the widths by Levenberg-Marquardt
    on their logarithms, the amplitudes and the constant by weighted linear least squares; six
    rounds raise the weights where the relative error is largest; the best of four starts counts."""
    k = numpy.linspace(0.0, 165.0, 331)
    s = s_of_k(k)
    target = mott_bethe(a, b, s)
    best = None
    for start in ([0.1, 0.6, 3.0, 12.0, 50.0], [0.2, 1.0, 4.0, 15.0, 60.0],
                  [0.05, 0.4, 2.0, 8.0, 30.0], [0.3, 2.0, 8.0, 30.0, 120.0]):
        weight = 1.0 / target
        theta = numpy.array([math.log(v) for v in start])
        for _ in range(6):
            theta = levenberg_marquardt(theta, s, target, weight)
            error = relative_error(exp(theta), s, target, 1.0 / target)
            weight = weight * (1.0 + 4.0 * numpy.abs(error) / max(numpy.abs(error).max(), 1e-12))
        widths = exp(theta)
        amplitudes, constant = linear_part(widths, s, target, weight)
        worst = checked_error(a, b, amplitudes, widths, constant)
        if best is None or worst < best[0]:
            best = (worst, amplitudes, widths, constant)
    return best


# Gaussian widths (Angstrom^2) stay between these bounds while fitting.
LOG_WIDTH_MIN, LOG_WIDTH_MAX = math.log(1e-3), math.log(1e3)


def levenberg_marquardt(theta, s, target, weight, iterations=200):
    damping = 1e-3

    def residual(t):
        return relative_error(exp(t), s, target, weight) * weight * target

    r = residual(theta)
    cost = r @ r
    for _ in range(iterations):
        jacobian = numpy.empty((r.size, theta.size))
        for j in range(theta.size):
            step = numpy.zeros_like(theta)
            step[j] = 1e-6
            jacobian[:, j] = (residual(theta + step) - r) / 1e-6
        normal = jacobian.T @ jacobian
        gradient = jacobian.T @ r
        improved = False
        while damping < 1e10:
            delta = numpy.linalg.solve(normal + damping * numpy.diag(numpy.diag(normal) + 1e-12), -gradient)
            trial = numpy.clip(theta + delta, LOG_WIDTH_MIN, LOG_WIDTH_MAX)
            r_trial = residual(trial)
            if r_trial @ r_trial < cost:
                theta, r, cost = trial, r_trial, r_trial @ r_trial
                damping = max(damping / 3, 1e-12)
                improved = True
                break
            damping *= 4
        if not improved or numpy.abs(delta).max() < 1e-9:
            break
    return theta


def checked_error(a, b, amplitudes, widths, constant):
    """The largest relative error over K = 0..150 1/nm in steps of 0.1, with the coefficients
    rounded to single precision as the file stores them."""
    s = s_of_k(numpy.arange(0.0, K_MAX_CHECKED + 0.05, 0.1))
    stored = [numpy.float32(v) for v in amplitudes], [numpy.float32(v) for v in widths]
    fitted = gaussians(*stored, numpy.float32(constant), s)
    exact = mott_bethe(a, b, s)
    return float(numpy.abs(fitted / exact - 1).max())


# ---- the file ------------------------------------------------------------------------------

def main():
    elements, tables, report = [], [], []
    for z in range(1, Z_MAX + 1):
        element = periodictable.elements[z]
        symbol = element.symbol
        electrons = configuration(z, symbol)
        elements.append(layout.element(
            symbol, GERMAN_NAMES[z - 1], element.mass, valence(z, symbol, electrons), densities(element),
            electrons, NO_VALUE, NO_VALUE, NO_VALUE, NO_VALUE, structure(element),
            valence_orbital=layout.ORBITALS.index(outer_orbital(electrons)), atomic_number=z))

        xray = cromermann.getCMformula(symbol)
        worst, amplitudes, widths, constant = fit_electron_table(xray.a, xray.b)
        assert worst < TOLERANCE, (symbol, worst)
        report.append((symbol, worst))
        tables.append(layout.table(symbol, list(map(float, amplitudes)), list(map(float, widths)),
                                   float(constant), ELECTRONS, "Mott-Bethe aus Waasmaier-Kirfel"))
        tables.append(layout.table(symbol, list(map(float, xray.a)), list(map(float, xray.b)),
                                   float(xray.c), XRAYS, "Waasmaier-Kirfel 1995"))
        # Samarium's tabulated real part is 0 (its scattering is absorption): no usable table.
        if element.neutron.b_c:
            tables.append(layout.table(symbol, [0.0] * 5, [0.0] * 5, float(element.neutron.b_c), NEUTRONS,
                                       "b_c in fm"))

    content = layout.header(len(layout.X_AXES), len(elements), len(tables))
    content += b"".join(layout.x_axis(*row) for row in layout.X_AXES)
    content += b"".join(elements) + b"".join(tables)
    out = pathlib.Path(__file__).resolve().parent.parent / "resources" / "zelo_init.dat"
    out.write_bytes(content)
    symbol, worst = max(report, key=lambda r: r[1])
    print(f"wrote {out} ({len(content)} bytes, {len(elements)} elements, {len(tables)} tables); "
          f"largest electron-table error {100 * worst:.3f} % ({symbol})")


if __name__ == "__main__":
    main()
