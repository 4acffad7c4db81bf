"""Writes one-port Touchstone files with scikit-rf, for the reader's tests.

Usage: write_skrf_sweeps.py FOLDER
In FOLDER: sweep_ri.s1p, sweep_ma.s1p, sweep_db.s1p (S11, as scikit-rf writes
them) and expected.txt, one line a frequency: MHz R X of the load written.
"""
import os
import sys

import numpy as np
import skrf

folder = sys.argv[1]
# A loop near resonance: a series RLC with some radiation resistance.
frequency = skrf.Frequency(13.5, 14.9, 29, unit="mhz")
w = 2 * np.pi * frequency.f
z = 110 + 1j * (w * 6e-6 - 1 / (w * 21.6e-12))
s = (z - 50) / (z + 50)
network = skrf.Network(frequency=frequency, s=s.reshape(-1, 1, 1), z0=50, name="sweep")
for form in ("ri", "ma", "db"):
    network.write_touchstone(filename="sweep_" + form, dir=folder, form=form)
with open(os.path.join(folder, "expected.txt"), "w") as out:
    for f, zz in zip(frequency.f, z):
        out.write("%.12g %.12g %.12g\n" % (f / 1e6, zz.real, zz.imag))

# The same load seen through 12.3 m of 50-ohm line, velocity factor 0.66, its
# matched loss 1.2 dB at 14.2 MHz growing with the square root of frequency.
c = 299792458.0
alpha = 1.2 * np.sqrt(frequency.f / 14.2e6) * np.log(10) / 20 / 12.3
beta = 2 * np.pi * frequency.f / (0.66 * c)
media = skrf.media.DefinedGammaZ0(frequency=frequency, z0=50, gamma=alpha + 1j * beta)
through = media.line(12.3, unit="m") ** media.load(s)
through.name = "through_line"
through.write_touchstone(filename="through_line", dir=folder, form="ri")
