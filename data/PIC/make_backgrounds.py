#!/usr/bin/env python3
"""Draws the two background tiles of the main window (BK_1.jpg English, BK_2.jpg Chinese).

Each tile repeats seamlessly: every shape is periodic in PERIOD pixels, and the picture has a
one-pixel border beyond one period on every side because the window tiles it without that
border. Writes
BK_1.ppm and BK_2.ppm; convert them to JPEG (quality 90) with any image tool. Run once; only the
JPEGs are committed.
"""
import math
import sys

PERIOD = 256
SIZE = PERIOD + 2


def clamp(v):
    return max(0, min(255, int(round(v))))


def waves(x, y):
    """Cool blue-grey with faint sine waves drifting across, like a band scope."""
    u, v = x / PERIOD, y / PERIOD
    shade = 0.5 + 0.5 * math.cos(2 * math.pi * v)
    line = 0.0
    for k, phase in ((1, 0.0), (2, 0.3), (3, 0.55)):
        centre = (k / 4.0) + 0.05 * math.sin(2 * math.pi * (u * k + phase))
        d = abs(v - centre)
        line += math.exp(-(d * 90) ** 2)
    base = (214 + 10 * shade, 222 + 8 * shade, 232 + 6 * shade)
    tint = (-30, -18, -6)
    return tuple(clamp(b + t * line) for b, t in zip(base, tint))


def lattice(x, y):
    """Warm paper tone with a soft lattice of rounded diamonds."""
    u, v = x / PERIOD, y / PERIOD
    a = math.cos(2 * math.pi * (u + v) * 2)
    b = math.cos(2 * math.pi * (u - v) * 2)
    ridge = math.exp(-((1 - a) * 6) ** 2) + math.exp(-((1 - b) * 6) ** 2)
    glow = 0.5 + 0.25 * (math.cos(2 * math.pi * u) + math.cos(2 * math.pi * v))
    base = (236 + 6 * glow, 228 + 6 * glow, 214 + 4 * glow)
    tint = (-14, -17, -20)
    return tuple(clamp(c + t * min(ridge, 1.0)) for c, t in zip(base, tint))


def write(name, shade):
    ppm = name + ".ppm"
    with open(ppm, "wb") as f:
        f.write(b"P6 %d %d 255\n" % (SIZE, SIZE))
        for y in range(SIZE):
            f.write(bytes(c for x in range(SIZE) for c in shade(x - 1, y - 1)))


if __name__ == "__main__":
    write("BK_1", waves)
    write("BK_2", lattice)
    sys.exit(0)
