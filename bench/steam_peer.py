#!/usr/bin/python3
"""Times Debian's python3-iapws on the states of steam_bench, for the README's
comparison: processor time per call, median and worst of many calls.
Usage: bench/steam_peer.py (Debian's own python3, package python3-iapws)."""

import statistics
import time

from iapws import IAPWS97

STATES = [
    ("region 1", 3.0, 300.0),
    ("region 2", 0.0035, 700.0),
    ("region 3", 25.0, 650.0),
    ("near critical", 22.1, 647.2),
    ("region 5", 30.0, 1500.0),
]


def timed(call, runs):
    times = []
    for _ in range(runs):
        start = time.process_time()
        call()
        times.append(time.process_time() - start)
    return statistics.median(times), max(times)


def show(label, median, worst):
    print(f"{label:28} median {median * 1e6:12.1f} µs   worst {worst * 1e6:12.1f} µs")


def saturation_table():
    for row in range(100):
        temperature = 273.16 + 3.739 * row
        IAPWS97(T=temperature, x=0)
        IAPWS97(T=temperature, x=1)


for label, p, T in STATES:
    state = IAPWS97(P=p, T=T)
    show(f"(p,T) {label}", *timed(lambda: IAPWS97(P=p, T=T), 200))
    show(f"(p,h) {label}", *timed(lambda: IAPWS97(P=p, h=state.h), 20))
    show(f"(p,s) {label}", *timed(lambda: IAPWS97(P=p, s=state.s), 20))
show("saturation table, 100 rows", *timed(saturation_table, 5))
