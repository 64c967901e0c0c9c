#!/usr/bin/env bash
# A soak of the real chain (libvaranda, the TCP back-end, corvo-sim), not part
# of the test command: for SECONDS (default 600) the emulator runs on a bad
# line (--faults '5 2 5 20') and is killed and restarted from its state file
# every 30 s. Between kills the script stores punches with unique cards through
# the control port; corvo-soak-host collects them without pause, sends access
# lists and reads events. At the end the emulator runs until its memory is
# empty, and the script prints punches stored, collected, lost and repeated,
# and the host's resident memory at the start and the end.
#   scripts/soak.sh [SECONDS]      (uses build/; builds what it needs)
# Exit status 0 exactly when nothing was lost or repeated.
set -u
cd "$(dirname "$0")/.."
seconds=${1:-600}
cmake --build build -j2 --target corvo-sim corvo-soak-host varanda corvo_tcp >/dev/null || exit 1
work=$(mktemp -d /tmp/varanda-soak.XXXXXX)
state=$work/state.json
sim_pid= host_pid=
cleanup() {
  [ -n "$host_pid" ] && kill "$host_pid" 2>/dev/null
  [ -n "$sim_pid" ] && kill -9 "$sim_pid" 2>/dev/null
}
trap cleanup EXIT
trap 'exit 1' INT TERM

# Starts corvo-sim on the same ports each time (any free ones the first time).
link=0 control=0
start_sim() {
  rm -f "$work/ports"
  build/bin/corvo-sim --port "$link" --control-port "$control" --port-file "$work/ports" --card-pattern 0 \
    --punches 0 --state "$state" --faults '5 2 5 20' --fault-seed 20261207 ${VARANDA_SOAK_SIM_OPTIONS:-} 2>>"$work/sim.log" &
  sim_pid=$!
  for _ in $(seq 500); do [ -s "$work/ports" ] && break; sleep 0.01; done
  link=$(sed -n 's/^link=//p' "$work/ports") control=$(sed -n 's/^control=//p' "$work/ports")
}

# Stores cards FIRST..FIRST+COUNT-1 as punches of terminal 1; each is saved
# before its "ok" comes back.
stored=0
store() {
  exec 3<>"/dev/tcp/127.0.0.1/$control" || return 1
  local n ans
  for ((n = $1; n < $1 + $2; n++)); do
    echo "card 1 $n" >&3
    read -r ans <&3 || break
    [ "$ans" = ok ] || break
    stored=$n
  done
  exec 3>&-
}
remaining() {
  exec 3<>"/dev/tcp/127.0.0.1/$control" || return 1
  echo "dump 1" >&3
  read -r ans <&3
  exec 3>&-
  echo "$ans" | sed -n 's/.*"punches":{"stored":\([0-9]*\).*/\1/p'
}

start_sim
LD_LIBRARY_PATH=build/lib build/bin/corvo-soak-host "$link" "$work/collected.txt" >"$work/host.out" 2>&1 &
host_pid=$!
end=$((SECONDS + seconds)) kills=0
while [ $SECONDS -lt $end ]; do
  cycle_end=$((SECONDS + ${VARANDA_SOAK_KILL_EVERY:-30}))
  while [ $SECONDS -lt $cycle_end ] && [ $SECONDS -lt $end ]; do
    store $((stored + 1)) 20
    sleep 5
  done
  kill -9 "$sim_pid"; wait "$sim_pid" 2>/dev/null
  kills=$((kills + 1))
  start_sim
done
# Let the host empty the terminal's memory (five minutes at most).
for _ in $(seq 300); do [ "$(remaining)" = 0 ] && break; sleep 1; done
sleep 2
kill "$host_pid"; wait "$host_pid"; host_pid=

collected=$(wc -l <"$work/collected.txt")
repeated=$((collected - $(sed 's/^0*//' "$work/collected.txt" | sort -u | wc -l)))
lost=$(comm -23 <(seq 1 "$stored" | sort) <(sed 's/^0*//' "$work/collected.txt" | sort -u) | wc -l)
echo "soak: ${seconds} s, the emulator killed and restarted ${kills} times, a bad line of 5 % dropped, 2 % corrupted, 5 % held up to 20 ms"
echo "punches stored ${stored}, collected ${collected}, lost ${lost}, repeated ${repeated}"
cat "$work/host.out"
echo "(files in $work)"
[ "$lost" = 0 ] && [ "$repeated" = 0 ]
