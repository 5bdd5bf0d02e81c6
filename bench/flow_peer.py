#!/usr/bin/python3
"""Compares the flowmeter sums with Debian's python3-fluids on random cases
within every device's limits of use: for each device and each of the three
sums (the flow from Δp, Δp from the flow, the bore from both), the largest
relative difference in qm, C, epsilon, Re_D, the pressure loss and the solved
Δp or d; and the peer's processor time per call, median and worst.

Our side is build/dev/bench/flow_cases (cmake --build --preset dev --target
flow_cases), fed the cases on its standard input.
Usage: bench/flow_peer.py [cases per device and sum, default 300] [seed]"""

import math
import random
import statistics
import subprocess
import sys
import time
from pathlib import Path

from fluids.flow_meter import (differential_pressure_meter_C_epsilon,
                               differential_pressure_meter_dP,
                               differential_pressure_meter_solver)

CASES = Path(__file__).resolve().parent.parent / "build/dev/bench/flow_cases"

# label, our kind, taps and convergent, the peer's meter type and taps,
# D range in m, beta range (the limits of use).
DEVICES = [
    ("orifice, corner", 0, 0, 0, "ISO 5167 orifice", "corner", (0.05, 1.0), (0.1, 0.75)),
    ("orifice, flange", 0, 1, 0, "ISO 5167 orifice", "flange", (0.05, 1.0), (0.1, 0.75)),
    ("orifice, D and D/2", 0, 2, 0, "ISO 5167 orifice", "D and D/2", (0.05, 1.0), (0.1, 0.75)),
    ("ISA 1932 nozzle", 1, 0, 0, "ISA 1932 nozzle", None, (0.05, 0.5), (0.3, 0.8)),
    ("long radius nozzle", 2, 0, 0, "long radius nozzle", None, (0.05, 0.63), (0.2, 0.8)),
    ("Venturi tube, as-cast", 3, 0, 0, "as cast convergent venturi tube", None, (0.1, 0.8),
     (0.3, 0.75)),
    ("Venturi tube, machined", 3, 0, 1, "machined convergent venturi tube", None, (0.05, 0.25),
     (0.4, 0.75)),
    ("Venturi tube, rough-welded", 3, 0, 2, "rough welded convergent venturi tube", None,
     (0.2, 1.2), (0.4, 0.7)),
]
SOLVES = ["flow", "dp", "bore"]


def log_uniform(rng, low, high):
    return math.exp(rng.uniform(math.log(low), math.log(high)))


def random_case(rng, device):
    _, kind, taps, convergent, _, _, pipes, betas = device
    pipe = rng.uniform(*pipes)
    bore = pipe * rng.uniform(*betas)
    p1 = log_uniform(rng, 1e5, 1e7)
    liquid = rng.random() < 0.5
    if liquid:
        dp = min(log_uniform(rng, 1e3, 2e5), 0.5 * p1)
        rho, mu, kappa = rng.uniform(600, 1200), log_uniform(rng, 2e-4, 5e-3), 1.4
    else:
        dp = p1 * rng.uniform(0.001, 0.25)
        rho, mu, kappa = log_uniform(rng, 0.5, 80), rng.uniform(8e-6, 3e-5), rng.uniform(1.1, 1.67)
    return dict(kind=kind, taps=taps, convergent=convergent, D=pipe, d=bore, p1=p1, dp=dp, qm=0.0,
                rho=rho, mu=mu, kappa=kappa, liquid=liquid)


def ours(solve, cases):
    lines = "".join(
        f"{solve} {c['kind']} {c['taps']} {c['convergent']} {c['D']!r} {c['d']!r} {c['p1']!r} "
        f"{c['dp']!r} {c['qm']!r} {c['rho']!r} {c['mu']!r} {c['kappa']!r} {int(c['liquid'])}\n"
        for c in cases)
    out = subprocess.run([str(CASES)], input=lines, capture_output=True, text=True, check=True)
    keys = ["fault", "qm", "dp", "d", "C", "epsilon", "Re", "loss", "within"]
    return [dict(zip(keys, map(float, row.split()))) for row in out.stdout.splitlines()]


def peer(solve, device, c, times):
    meter_type, taps = device[4], device[5]
    common = dict(rho=c["rho"], mu=c["mu"], k=c["kappa"], meter_type=meter_type, taps=taps,
                  epsilon_specified=1.0 if c["liquid"] else None)
    start = time.process_time()
    if solve == "flow":
        qm = differential_pressure_meter_solver(D=c["D"], D2=c["d"], P1=c["p1"],
                                                P2=c["p1"] - c["dp"], **common)
        d, dp = c["d"], c["dp"]
    elif solve == "dp":
        p2 = differential_pressure_meter_solver(D=c["D"], D2=c["d"], P1=c["p1"], m=c["qm"],
                                                **common)
        qm, d, dp = c["qm"], c["d"], c["p1"] - p2
    else:
        d = differential_pressure_meter_solver(D=c["D"], P1=c["p1"], P2=c["p1"] - c["dp"],
                                               m=c["qm"], **common)
        qm, dp = c["qm"], c["dp"]
    times[solve].append(time.process_time() - start)
    C, epsilon = differential_pressure_meter_C_epsilon(
        c["D"], d, qm, c["p1"], c["p1"] - dp, c["rho"], c["mu"], c["kappa"], meter_type, taps,
        epsilon_specified=1.0 if c["liquid"] else None)
    loss = 0.0
    if "venturi" not in meter_type:
        loss = differential_pressure_meter_dP(c["D"], d, c["p1"], c["p1"] - dp, C, meter_type)
    return dict(qm=qm, dp=dp, d=d, C=C, epsilon=epsilon, Re=4 * qm / (math.pi * c["mu"] * c["D"]),
                loss=loss)


def relative(a, b):
    return abs(a - b) / abs(b) if b != 0 else abs(a)


def main():
    count = int(sys.argv[1]) if len(sys.argv) > 1 else 300
    rng = random.Random(int(sys.argv[2]) if len(sys.argv) > 2 else 5167)
    times = {solve: [] for solve in SOLVES}
    overall = 0.0
    print(f"{'device':28} {'sum':5} {'cases':>5}  largest relative difference")
    for device in DEVICES:
        # Cases whose forward sum lies within every limit of use.
        cases = []
        while len(cases) < count:
            batch = [random_case(rng, device) for _ in range(4 * count)]
            for case, result in zip(batch, ours("flow", batch)):
                if result["fault"] == 0 and result["within"] == 1 and len(cases) < count:
                    case["qm"] = result["qm"]
                    cases.append(case)
        for solve in SOLVES:
            worst = {}
            for case, mine in zip(cases, ours(solve, cases)):
                assert mine["fault"] == 0, (solve, case)
                theirs = peer(solve, device, case, times)
                for key in ["qm", "dp", "d", "C", "epsilon", "Re", "loss"]:
                    worst[key] = max(worst.get(key, 0.0), relative(mine[key], theirs[key]))
            overall = max(overall, *worst.values())
            shown = "  ".join(f"{k} {v:.1e}" for k, v in worst.items() if k != "loss" or v > 0)
            print(f"{device[0]:28} {solve:5} {len(cases):5}  {shown}")
    print(f"largest relative difference overall: {overall:.1e}")
    for solve in SOLVES:
        print(f"python3-fluids, {solve:4}: median {statistics.median(times[solve]) * 1e6:8.1f} µs"
              f"   worst {max(times[solve]) * 1e6:8.1f} µs per call (processor time)")


if __name__ == "__main__":
    main()
