#!/usr/bin/env python3
"""Compares korvalde-cli's world bounds with Coin3D's over a corpus.

    scripts/bounds_agreement.py [--cli build/bin/korvalde-cli] [--coin /tmp/coin_bounds]
                                [--verbose] [CORPUS]

A measuring tool only: Coin3D (Debian libcoin-dev) is no dependency of the
build. Build its helper first (see scripts/coin_bounds.cpp). Files are
grouped by the first folder under real/ (vrml1, vrml2, gz); a file agrees
when every bound lies within 1 % of the diagonal of Coin's box (3 % when
the scene holds primitives), or both find nothing to bound. Files Coin
cannot read are left out, as are its skipped ones (no VRML header).
"""
import argparse
import collections
import json
import math
import os
import subprocess
import sys


def vrml_files(corpus):
    for folder, _, names in os.walk(corpus):
        for name in sorted(names):
            path = os.path.join(folder, name)
            with open(path, 'rb') as f:
                head = f.read(16)
            if head.startswith(b'#VRML') or head.startswith(b'\x1f\x8b'):
                yield path


def coin_bounds(coin, path):
    """Coin's box and whether the scene has primitives, "none" or "unread";
    one run per file, so a file that crashes Coin counts as unread."""
    run = subprocess.run([coin, path], capture_output=True, text=True, timeout=120)
    line = run.stdout.strip()
    fields = line.rsplit(' ', 7)
    if len(fields) == 8:
        return [float(v) for v in fields[1:7]], fields[7] == '1'
    return line.rpartition(' ')[2] or 'unread'


def our_bounds(cli, path):
    run = subprocess.run([cli, 'info', '--json', '--log', '/dev/null', path],
                         capture_output=True, text=True)
    for line in run.stdout.splitlines():
        info = json.loads(line)
        bounds = info.get('bounds')
        return bounds if isinstance(bounds, list) else 'none'
    return 'unread'


def agrees(ours, theirs, primitives):
    if theirs == 'none' or ours == 'none':
        return ours == theirs
    diagonal = math.sqrt(sum((theirs[2 * a + 1] - theirs[2 * a]) ** 2 for a in range(3)))
    allowed = (0.03 if primitives else 0.01) * max(diagonal, 1e-6)
    return all(abs(o - t) <= allowed for o, t in zip(ours, theirs))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('--cli', default='build/bin/korvalde-cli')
    parser.add_argument('--coin', default='/tmp/coin_bounds')
    parser.add_argument('--verbose', action='store_true')
    parser.add_argument('corpus', nargs='?', default='../shared/corpus')
    args = parser.parse_args()
    paths = list(vrml_files(args.corpus))
    totals = collections.defaultdict(lambda: [0, 0])
    for path in paths:
        reference = coin_bounds(args.coin, path)
        if reference == 'unread':
            continue
        parts = os.path.relpath(path, args.corpus).split(os.sep)
        group = parts[1] if parts[0] == 'real' and len(parts) > 1 else parts[0]
        bounds, primitives = (reference, False) if reference == 'none' else reference
        ours = our_bounds(args.cli, path)
        ok = ours != 'unread' and agrees(ours, bounds, primitives)
        totals[group][0] += ok
        totals[group][1] += 1
        if args.verbose and not ok:
            print(f'DIFF {path}\n  ours  {ours}\n  coin  {bounds}')
    for group, (ok, total) in sorted(totals.items()):
        print(f'{group}: {ok} of {total} agree ({100.0 * ok / total:.1f} %)')


if __name__ == '__main__':
    sys.exit(main())
