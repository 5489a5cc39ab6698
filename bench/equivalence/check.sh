#!/usr/bin/env bash
# Solves the equivalence set and compares every output document byte for byte with a
# baseline recorded earlier, so that an optimisation can be shown to change no result.
#
#   bench/equivalence/check.sh record BASELINE_DIR   (before changing the solver)
#   bench/equivalence/check.sh check BASELINE_DIR    (after each change)
#
# Needs build-rel/ (or BUILD_DIR) with the equivalence program built. The set: the two
# small test instances, converted Solomon instances (50 and 100 clients, one with open
# routes, one skewed and with a short fleet), and seeded random 200- and 400-client ones.
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
shared=${TOVALO_SHARED:-$root/../shared}
build=${BUILD_DIR:-$root/build-rel}
program=$build/bench/equivalence/equivalence
mode=${1:-}
baseline=${2:-}
[[ ($mode == record || $mode == check) && -n $baseline ]] || {
  sed -n '4,6p' "$0" >&2
  exit 2
}
[[ -x $program ]] || { echo "no $program: build first" >&2; exit 1; }

docs=$(mktemp -d)
trap 'rm -rf "$docs"' EXIT
convert() {  # NAME SOLOMON_FILE [converter options]
  local name=$1 file=$2
  shift 2
  python3 "$shared/tools/solomon_to_instance.py" "$file" -o "$docs/$name.json" "$@"
}
convert c201_50 "$shared/data/solomon/50/C201.txt"
convert r101_100 "$shared/data/solomon/R101.txt"
convert rc105_100 "$shared/data/solomon/RC105.txt"
convert r201_100_open "$shared/data/solomon/R201.txt" --open
convert r102_100 "$shared/data/solomon/R102.txt"
python3 "$root/bench/equivalence/skew_matrix.py" "$docs/r102_100.json" "$docs/r102_100_skewed.json" 5

# name | document | methods | restarts | iterations
set_list="
c101_25|$root/tests/data/solomon_c101_25.json|0,1,2,3|3|20
r101_25_one_vehicle|$root/tests/data/solomon_r101_25_one_vehicle.json|0,1,2,3|3|20
c201_50|$docs/c201_50.json|0,1,2,3|3|30
r101_100|$docs/r101_100.json|0,1,2,3|2|30
rc105_100|$docs/rc105_100.json|0,2,3|2|30
r201_100_open|$docs/r201_100_open.json|0,2,3|2|20
r102_100_skewed|$docs/r102_100_skewed.json|0,2,3|2|30
random_200|random:200:7:0|2,3|2|10
random_400|random:400:8:40|2,3|1|4
"

out=$baseline
[[ $mode == check ]] && out=$(mktemp -d)
mkdir -p "$out"
while IFS='|' read -r name document methods restarts iterations; do
  [[ -n $name ]] || continue
  "$program" "$out" "$name" "$document" --methods "$methods" --restarts "$restarts" \
    --iterations "$iterations"
done <<< "$set_list"

[[ $mode == record ]] && exit 0
status=0
for expected in "$baseline"/*.json; do
  if ! cmp -s "$expected" "$out/$(basename "$expected")"; then
    echo "DIFFERS: $(basename "$expected")"
    status=1
  fi
done
[[ $status == 0 ]] && echo "all $(ls "$baseline"/*.json | wc -l) outputs identical"
rm -rf "$out"
exit $status
