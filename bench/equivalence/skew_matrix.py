#!/usr/bin/env python3
"""Makes a converted instance asymmetric and non-triangular, with a smaller fleet, so that
the equivalence set also runs the one-pass local search and the DUMMY route."""
import json
import random
import sys

source, target, vehicles = sys.argv[1], sys.argv[2], int(sys.argv[3])
with open(source) as f:
    document = json.load(f)
data = document["input"]["data"]
rng = random.Random(5)
for name in ("Mdij", "Mtij"):
    rows = data[name]
    for a, row in enumerate(rows):
        for b in range(len(row)):
            if a != b and rng.random() < 0.3:
                row[b] = round(row[b] * rng.uniform(0.5, 2.5), 3)
for container in data["containers"]:
    container["container_qt"] = vehicles
with open(target, "w") as f:
    json.dump(document, f)
