#!/usr/bin/env bash
# Solves every Solomon 100-client instance with two builds at the same time (before and
# after a change), so that both see the same machine load: closed routes, open routes
# and, with --fixed-cost 1000, closed routes that put vehicles first (all three kinds at
# once, six solver processes, unless KINDS names fewer). One CSV row per instance, build
# and kind; scored independently by the shared scorer.
#
#   bench/side_by_side.sh BEFORE_BUILD AFTER_BUILD [MAX_TIME] [KINDS]
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
shared=${TOVALO_SHARED:-$root/../shared}
before=$1
after=$2
max_time=${3:-10}
kinds=${4:-closed open fixed1000}
data=$shared/data/solomon
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One instance: the three documents, solved by both builds at once (six processes).
solve_instance() {
  local txt=$1 name kind build label
  name=$(basename "$txt" .txt)
  python3 "$shared/tools/solomon_to_instance.py" "$txt" -o "$work/$name.closed.json"
  python3 "$shared/tools/solomon_to_instance.py" "$txt" -o "$work/$name.open.json" --open
  python3 "$shared/tools/solomon_to_instance.py" "$txt" -o "$work/$name.fixed1000.json" \
    --fixed-cost 1000
  for kind in $kinds; do
    for label in before after; do
      [[ $label == before ]] && build=$before || build=$after
      "$build/bench/solve_file/solve_file" "$work/$name.$kind.json" --max-time "$max_time" \
        > "$work/$name.$kind.$label.out" 2> "$work/$name.$kind.$label.err" &
    done
  done
  wait
  for kind in $kinds; do
    for label in before after; do
      local score figures
      score=$(python3 "$shared/tools/score_output.py" "$work/$name.$kind.$label.out" \
        --name "$name")
      figures=$(grep -o 'elapsed_s=[^ ]* restarts=[^ ]*' "$work/$name.$kind.$label.err" |
        tail -n 1 | sed 's/elapsed_s=//; s/ restarts=/,/')
      echo "$kind,$label,$score,$figures"
    done
  done
}

echo "kind,build,name,vehicles,distance,late_visits,max_lateness,overloaded,missing,duplicated,unrouted,gap,elapsed_s,restarts"
for txt in "$data"/*.txt; do
  solve_instance "$txt"
done
