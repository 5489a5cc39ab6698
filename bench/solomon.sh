#!/usr/bin/env bash
# Solves every Solomon VRPTW instance with bench/solve_file and scores each result
# independently; prints one CSV row per instance and a total row.
#
#   bench/solomon.sh [-m METHOD] [-t MAX_TIME] [-j JOBS] [-o KEEP_DIR] [25|50]
#
# METHOD (default 3) and MAX_TIME in seconds (default 10) go to solve_file; JOBS
# instances run at once (default: half the cores); KEEP_DIR keeps the converted and
# solved documents. 25 or 50 runs the 25- or 50-customer variants instead of the
# 100-customer files. Needs a build in build/ (cmake --build build).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
shared=${TOVALO_SHARED:-$root/../shared}
solve_file=$root/build/bench/solve_file/solve_file
method=3
max_time=10
jobs=$(( $(nproc) / 2 ))
(( jobs > 0 )) || jobs=1
keep_dir=""

usage() {
  awk 'NR > 1 && !/^#/ { exit } NR > 1 { sub(/^# ?/, ""); print }' "$0" >&2
  exit 2
}

while getopts "m:t:j:o:h" option; do
  case $option in
    m) method=$OPTARG ;;
    t) max_time=$OPTARG ;;
    j) jobs=$OPTARG ;;
    o) keep_dir=$OPTARG ;;
    *) usage ;;
  esac
done
shift $((OPTIND - 1))
subset=${1:-}
case $subset in
  ""|25|50) ;;
  *) usage ;;
esac

data=$shared/data/solomon${subset:+/$subset}
[[ -x $solve_file ]] || { echo "no $solve_file: build first" >&2; exit 1; }
[[ -f $data/bks.csv ]] || { echo "no Solomon data in $data" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if [[ -n $keep_dir ]]; then
  mkdir -p "$keep_dir"
  work_docs=$(cd "$keep_dir" && pwd)
else
  work_docs=$work
fi

# One instance: convert, solve, score; writes NAME.row with the instance's CSV fields.
solve_one() {
  local txt=$1 name bks vehicles distance figures score
  name=$(basename "$txt" .txt)
  bks=$(awk -F, -v n="$name" '$1 == n { print $2 "," $3 }' "$data/bks.csv")
  vehicles=${bks%%,*}
  distance=${bks#*,}
  python3 "$shared/tools/solomon_to_instance.py" "$txt" -o "$work_docs/$name.json"
  if ! "$solve_file" "$work_docs/$name.json" --method "$method" --max-time "$max_time" \
      > "$work_docs/$name.solved.json" 2> "$work/$name.err"; then
    echo "$name,solve_file failed: $(tr '\n' ' ' < "$work/$name.err")" > "$work/$name.row"
    return
  fi
  figures=$(grep -o 'elapsed_s=[^ ]* restarts=[^ ]*' "$work/$name.err" | tail -n 1)
  score=$(python3 "$shared/tools/score_output.py" "$work_docs/$name.solved.json" --name "$name" \
      ${distance:+--bks-distance "$distance"} ${vehicles:+--bks-vehicles "$vehicles"})
  # score: name,vehicles,distance,late_visits,max_lateness,overloaded,missing,duplicated,unrouted,gap
  awk -F, -v figures="$figures" -v bv="$vehicles" -v bd="$distance" '{
      split(figures, f, /[= ]/)
      printf "%s,%s,%s,%s,%s,%s,%s,%s,%s,%s,%s,%s,%s,%s\n",
             $1, $2, $3, $4, $5, $7, $8, $6, $9, f[4], f[2], bv, bd, $10
    }' <<< "$score" > "$work/$name.row"
}
export -f solve_one
export data shared solve_file method max_time work work_docs

echo "instances=$data method=$method max_time=$max_time jobs=$jobs cores=$(nproc)" >&2
if [[ -n $subset ]]; then
  echo "note: the $subset-customer best-known distances truncate every arc to 0.1" >&2
fi
find "$data" -maxdepth 1 -name '*.txt' -print0 | sort -z |
  xargs -0 -n 1 -P "$jobs" bash -c 'solve_one "$0"'

echo "name,vehicles,distance,late_visits,max_lateness,missing,duplicated,overloaded,unrouted,restarts,elapsed_s,bks_vehicles,bks_distance,gap_pct"
find "$work" -maxdepth 1 -name '*.row' -print0 | sort -z | xargs -0 cat
# Totals: sums, the largest lateness, and the gap of the summed distances where a
# best-known distance exists for every instance.
find "$work" -maxdepth 1 -name '*.row' -print0 | sort -z | xargs -0 cat | awk -F, '
  NF < 14 { failed++; next }
  {
    for (c = 2; c <= 13; c++) if (c != 5) sum[c] += $c
    if ($5 > worst) worst = $5
    if ($13 == "") no_bks++
  }
  END {
    gap = (no_bks == 0 && sum[13] > 0) ? sprintf("%.2f", 100 * (sum[3] - sum[13]) / sum[13]) : ""
    printf "total,%d,%.2f,%d,%.2f,%d,%d,%d,%d,%d,%.3f,%d,%.2f,%s\n", sum[2], sum[3], sum[4], worst,
           sum[6], sum[7], sum[8], sum[9], sum[10], sum[11], sum[12], sum[13], gap
    if (failed) printf "failed instances: %d\n", failed > "/dev/stderr"
  }'
