# Memory a module adds to its file manager: interleaved runs with and without it.

# process_memory PID: prints "rss_kb pss_kb" of the process.
process_memory() {
  echo "$(awk '/^VmRSS/ {print $2}' "/proc/$1/status") $(awk '/^Pss:/ {print $2}' "/proc/$1/smaps_rollup")"
}

# compare_memory MEASURE WITHOUT WITH: runs "MEASURE FOLDER" (which prints
# "rss_kb pss_kb") three times for each module folder, interleaved, and prints each
# run and the median difference.
compare_memory() {
  local measure=$1 without=$2 with=$3 run r p
  local rss_without=() pss_without=() rss_with=() pss_with=()
  median() { sort -n | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }
  for run in 1 2 3; do
    read -r r p < <("$measure" "$without"); rss_without+=("$r"); pss_without+=("$p")
    read -r r p < <("$measure" "$with"); rss_with+=("$r"); pss_with+=("$p")
    echo "run $run: without module RSS ${rss_without[-1]} kB, Pss ${pss_without[-1]} kB; with it RSS ${rss_with[-1]} kB, Pss ${pss_with[-1]} kB"
  done
  local rw rm pw pm
  rw=$(printf '%s\n' "${rss_without[@]}" | median) rm=$(printf '%s\n' "${rss_with[@]}" | median)
  pw=$(printf '%s\n' "${pss_without[@]}" | median) pm=$(printf '%s\n' "${pss_with[@]}" | median)
  echo "median RSS: $rw kB without, $rm kB with: +$((rm - rw)) kB"
  echo "median Pss: $pw kB without, $pm kB with: +$((pm - pw)) kB"
}
