# Sourced by the Linux tests that drive the real program on a display (scripts/with-x11):
# skipping without one, a notification area, waiting for a condition, and ending on exit what
# the test started. The test sets the pids as it starts each program, and names in `scratch`
# the folder of its own to remove.
if [ -z "${DISPLAY:-}" ]; then echo "SKIP: no DISPLAY (run through scripts/with-x11)"; exit 77; fi

trayer_pid= sample_pid= program_pid= scratch=
cleanup() {
  for pid in $program_pid $sample_pid $trayer_pid; do kill "$pid" 2>/dev/null; done
  wait 2>/dev/null
  if [ -n "$scratch" ]; then rm -rf "$scratch"; fi
}
trap cleanup EXIT

wait_for() {  # seconds 'condition', evaluated anew on every try
  local limit=$(($1 * 10))
  for _ in $(seq 1 "$limit"); do eval "$2" && return 0; sleep 0.1; done
  return 1
}

# A notification area at the top right that grows by each icon docked in it.
start_trayer() {
  trayer --edge top --align right --widthtype request --height 24 >/dev/null 2>&1 &
  trayer_pid=$!
}
