#!/usr/bin/env python3
"""Writes transport_coefficients.h, the coefficient tables of the viscosity
(IAPWS R12-08, 2008 formulation) and the thermal conductivity (IAPWS R15-11,
2011 formulation) of water and steam, from the releases' CSV files: reference
constants, the dilute-gas and residual terms of both, the constants of their
critical enhancements and the industrial fit for zeta at the reference
temperature (R15-11, for use with IAPWS-IF97).

Every number is copied as its decimal text, so the compiler reads the same
double the release prints. Row counts, index order and the density bands of
the fit are checked here, the table sizes again by static_assert.
Usage: generate_transport.py CSV_FOLDER [OUTPUT, default: transport_coefficients.h
beside this script], then clang-format-14 -i on the output.
"""

import csv
import sys
from pathlib import Path


def rows(folder, name):
    """The rows of a CSV file after its comment line."""
    with open(folder / name, newline="", encoding="utf-8") as handle:
        lines = [line for line in handle if not line.startswith("#")]
    return list(csv.DictReader(lines))


def named(folder, name):
    return {r["name"]: r for r in rows(folder, name)}


def counted(data, name, count):
    if len(data) != count:
        sys.exit(f"{name}: {len(data)} rows, the release has {count}")
    return data


def plain_list(folder, name, index, column, cpp, count, comment):
    data = counted(rows(folder, name), name, count)
    if [int(r[index]) for r in data] != list(range(count)):
        sys.exit(f"{name}: coefficients out of order")
    out = [f"// {comment} ({name})."]
    out.append(f"inline constexpr std::array<double, {count}> {cpp} = {{")
    out += [f"    {r[column]}," for r in data]
    out.append("};")
    out.append(f"static_assert({cpp}.size() == {count});")
    return out


def term_list(folder, name, column, cpp, count, comment):
    data = counted(rows(folder, name), name, count)
    pairs = [(int(r["i"]), int(r["j"])) for r in data]
    if len(set(pairs)) != count:
        sys.exit(f"{name}: a pair (i, j) is listed twice")
    out = [f"// {comment} ({name}): {column}_IJ * (1/Tbar - 1)^I * (rhobar - 1)^J."]
    out.append(f"inline constexpr std::array<Term, {count}> {cpp} = {{{{")
    out += [f"    {{{r['i']}, {r['j']}, {r[column]}}}," for r in data]
    out.append("}};")
    out.append(f"static_assert({cpp}.size() == {count});")
    return out


def constant(cpp, value, comment):
    return [f"// {comment}", f"inline constexpr double {cpp} = {value};"]


def critical_constants(folder):
    viscosity = named(folder, "viscosity_critical.csv")
    conductivity = named(folder, "conductivity_critical.csv")
    out = []
    # The correlation length is the same in both releases: computed once.
    shared = [
        ("nu", "kCriticalNu", "critical exponent nu"),
        ("gamma", "kCriticalGamma", "critical exponent gamma"),
        ("xi0", "kCriticalXi0", "amplitude of the correlation length [nm]"),
        ("Gamma0", "kCriticalGamma0", "amplitude of the susceptibility"),
        ("TbarR", "kCriticalTbarR", "reference temperature TR / T*"),
    ]
    for name, cpp, comment in shared:
        if float(viscosity[name]["value"]) != float(conductivity[name]["value"]):
            sys.exit(f"{name}: the two releases differ; the correlation length needs both")
        out += constant(cpp, conductivity[name]["value"], f"{comment} (R12-08 and R15-11)")
    out += constant("kViscosityXMu", viscosity["x_mu"]["value"], "exponent x_mu of mu2bar")
    out += constant("kViscosityQCInv", viscosity["qC_inv"]["value"], "1/qC of mu2bar [nm]")
    out += constant("kViscosityQDInv", viscosity["qD_inv"]["value"], "1/qD of mu2bar [nm]")
    out += constant(
        "kConductivityLambda", conductivity["Lambda"]["value"], "amplitude Lambda of lambda2bar"
    )
    out += constant(
        "kConductivityQDInv", conductivity["qD_inv"]["value"], "1/qDbar of lambda2bar [nm]"
    )
    return out


def reference_constants(folder):
    values = named(folder, "reference_constants.csv")
    layout = [
        ("Tstar", "kTransportTstar", "reference temperature [K]"),
        ("rhostar", "kTransportRhostar", "reference density [kg/m3]"),
        ("pstar", "kTransportPstar", "reference pressure [MPa]"),
        ("mustar", "kViscosityStar", "reference viscosity [Pa s]"),
        ("lambdastar", "kConductivityStar", "reference thermal conductivity [W/(m K)]"),
        ("R", "kConductivityR", "gas constant that reduces cp in lambda2bar [kJ/(kg K)]"),
    ]
    counted(list(values), "reference_constants.csv", len(layout))
    out = []
    for name, cpp, comment in layout:
        out += constant(cpp, values[name]["value"], comment)
    return out


def zeta_bands(folder):
    name = "conductivity_zetaR_industrial.csv"
    data = counted(rows(folder, name), name, 30)
    out = [
        f"// 1/zeta(TbarR, rhobar) = sum A_i rhobar^i for rhobar up to `upper` ({name}).",
        "struct ZetaBand {",
        "    double upper; // rhobar, the band's top (included)",
        "    std::array<double, 6> a;",
        "};",
        "inline constexpr std::array<ZetaBand, 5> kConductivityZetaBands = {{",
    ]
    low = "0"
    for band in range(1, 6):
        rows_of_band = data[(band - 1) * 6 : band * 6]
        if [int(r["j"]) for r in rows_of_band] != [band] * 6 or [
            int(r["i"]) for r in rows_of_band
        ] != list(range(6)):
            sys.exit(f"{name}: band {band} out of order")
        if any(r["rhobar_from"] != low for r in rows_of_band):
            sys.exit(f"{name}: band {band} does not start where band {band - 1} ends")
        high = rows_of_band[0]["rhobar_to"]
        upper = "std::numeric_limits<double>::infinity()" if high == "inf" else high
        coefficients = ", ".join(r["A"] for r in rows_of_band)
        out.append(f"    {{{upper}, {{{coefficients}}}}},")
        low = high
    if low != "inf":
        sys.exit(f"{name}: the last band is not open above")
    out.append("}};")
    return out


def main():
    folder = Path(sys.argv[1])
    default = Path(__file__).with_name("transport_coefficients.h")
    target = Path(sys.argv[2]) if len(sys.argv) > 2 else default
    lines = [
        "#pragma once",
        "",
        "// Generated by generate_transport.py from the CSV files of IAPWS R12-08, Release",
        "// on the IAPWS Formulation 2008 for the Viscosity of Ordinary Water Substance, and",
        "// IAPWS R15-11, Release on the IAPWS Formulation 2011 for the Thermal Conductivity",
        "// of Ordinary Water Substance. Do not edit: change the generator and run it again.",
        "// Tbar = T/T*, rhobar = rho/rho*; mubar in uPa s, lambdabar in mW/(m K).",
        "",
        '#include "steam/tables/coefficients.h" // Term',
        "",
        "#include <array>",
        "#include <limits>",
        "",
        "namespace velmaro::steam::tables {",
        "",
    ]
    lines += reference_constants(folder)
    lines.append("")
    lines += plain_list(
        folder, "viscosity_mu0.csv", "i", "H", "kViscosityDiluteGas", 4, "R12-08 mu0bar: H_0..H_3"
    )
    lines.append("")
    lines += term_list(folder, "viscosity_mu1.csv", "H", "kViscosityResidual", 21, "R12-08 mu1bar")
    lines.append("")
    lines += plain_list(
        folder,
        "conductivity_lambda0.csv",
        "k",
        "L",
        "kConductivityDiluteGas",
        5,
        "R15-11 lambda0bar: L_0..L_4",
    )
    lines.append("")
    lines += term_list(
        folder, "conductivity_lambda1.csv", "L", "kConductivityResidual", 28, "R15-11 lambda1bar"
    )
    lines.append("")
    lines += critical_constants(folder)
    lines.append("")
    lines += zeta_bands(folder)
    lines.append("")
    lines.append("} // namespace velmaro::steam::tables")
    target.write_text("\n".join(lines) + "\n", encoding="utf-8")


if __name__ == "__main__":
    main()
