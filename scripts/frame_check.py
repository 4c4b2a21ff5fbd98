#!/usr/bin/env python3
"""Screenshots every model with triangles and tells how each is framed.

    scripts/frame_check.py [--bin DIR] [--out DIR] [--size WxH] [--projection persp|ortho]
                           [--montage N] [FOLDER_OR_FILE...]

For each .wrl/.wrl.gz (default: ../shared/corpus) that `korvalde-cli info`
reports with triangles, draws `korvalde --screenshot` in shaded mode and
classifies the picture by its model pixels (those differing from the
background (0, 0, 128)):
  framed   inside the picture, not touching the border, filling at least
           40% of its width or height
  cropped  touching the border
  tiny     inside but filling less than 40% both ways
  blank    no model pixel
Prints one line per file and the counts; with --montage N also writes a
montage of N pictures (ImageMagick) into the output folder.
"""

import argparse
import json
import os
import struct
import subprocess
import sys

BACKGROUND = (0, 0, 128)
TOLERANCE = 8


def model_files(paths):
    for path in paths:
        if os.path.isfile(path):
            yield path
            continue
        for folder, _, names in sorted(os.walk(path)):
            for name in sorted(names):
                if name.lower().endswith((".wrl", ".wrl.gz")):
                    yield os.path.join(folder, name)


def triangles(cli, path):
    run = subprocess.run([cli, "info", "--json", "--log", os.devnull, path],
                         capture_output=True, text=True, timeout=120)
    for line in run.stdout.splitlines():
        try:
            return int(json.loads(line).get("triangles", 0))
        except (ValueError, AttributeError):
            continue
    return 0


def read_rgb(png):
    with open(png, "rb") as f:
        header = f.read(24)
    width, height = struct.unpack(">II", header[16:24])  # from the IHDR chunk
    pixels = subprocess.run(["convert-im6.q16", png, "-depth", "8", "rgb:-"],
                            capture_output=True, check=True).stdout
    return width, height, pixels


def classify(png):
    width, height, pixels = read_rgb(png)
    left, top, right, bottom = width, height, -1, -1
    for y in range(height):
        row = pixels[3 * width * y:3 * width * (y + 1)]
        for x in range(width):
            r, g, b = row[3 * x:3 * x + 3]
            if (abs(r - BACKGROUND[0]) <= TOLERANCE and abs(g - BACKGROUND[1]) <= TOLERANCE
                    and abs(b - BACKGROUND[2]) <= TOLERANCE):
                continue
            left, right = min(left, x), max(right, x)
            top, bottom = min(top, y), max(bottom, y)
    if right < 0:
        return "blank", 0.0
    share = max((right - left + 1) / width, (bottom - top + 1) / height)
    if left == 0 or top == 0 or right == width - 1 or bottom == height - 1:
        return "cropped", share
    return ("framed" if share >= 0.4 else "tiny"), share


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser()
    parser.add_argument("--bin", default=os.path.join(here, "..", "build", "bin"))
    parser.add_argument("--out", default="/tmp/frame_check")
    parser.add_argument("--size", default="640x480")
    parser.add_argument("--projection", default="persp")
    parser.add_argument("--montage", type=int, default=0)
    parser.add_argument("paths", nargs="*",
                        default=[os.path.join(here, "..", "..", "shared", "corpus")])
    args = parser.parse_args()
    os.makedirs(args.out, exist_ok=True)
    cli = os.path.join(args.bin, "korvalde-cli")
    viewer = os.path.join(args.bin, "korvalde")

    counts, pictures = {}, []
    for path in model_files(args.paths):
        if triangles(cli, path) <= 0:
            continue
        png = os.path.join(args.out, "%03d_%s.png" % (len(pictures), os.path.basename(path)))
        run = subprocess.run([viewer, "--screenshot", png, "--size", args.size, "--mode",
                              "shaded", "--projection", args.projection, path],
                             capture_output=True, timeout=300)
        verdict, share = classify(png) if run.returncode == 0 else ("failed", 0.0)
        counts[verdict] = counts.get(verdict, 0) + 1
        pictures.append(png)
        print("%-8s %4.0f%%  %s" % (verdict, share * 100, path), flush=True)

    total = len(pictures)
    print("total %d: %s" % (total, ", ".join("%s %d" % kv for kv in sorted(counts.items()))))
    if total:
        print("framed share: %.1f%%" % (100.0 * counts.get("framed", 0) / total))
    if args.montage and pictures:
        step = max(1, total // args.montage)
        sample = pictures[::step][:args.montage]
        subprocess.run(["montage", *sample, "-tile", "6x", "-geometry", "160x120+2+2",
                        os.path.join(args.out, "montage.png")], check=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
