# The test's own notification service on the bus of E2E_SESSION_BUS, which
# logs what it is sent to $CALLS; sourced after lib.sh.
readonly SERVICE="$(dirname "${BASH_SOURCE[0]}")/notification_service.py"
readonly CALLS="$RUN_DIR/notifications.log"

# Starts the notification service, answering Notify after $1 ms.
start_service() {
  : >"$CALLS"
  DBUS_SESSION_BUS_ADDRESS="$E2E_SESSION_BUS" /usr/bin/python3 "$SERVICE" "$CALLS" "$1" \
    2>"$RUN_DIR/service.err" &
  service_pid=$!
  track_pid "$service_pid"
  for _ in $(seq 100); do
    grep -qx ready "$CALLS" 2>/dev/null && break
    sleep 0.05
  done
  grep -qx ready "$CALLS" || fail "the notification service did not start: $(cat "$RUN_DIR/service.err")"
}

stop_service() {
  { kill -TERM "$service_pid" && wait "$service_pid"; } 2>/dev/null || true
}

# Waits until the service has logged a line matching the pattern.
wait_call() {
  for _ in $(seq 100); do
    grep -qE "$1" "$CALLS" && return 0
    sleep 0.05
  done
  return 1
}

# Has the service tell the program that the user chose action $2 of
# notification $1, with the activation token $3 (optionally $4 times).
invoke() {
  DBUS_SESSION_BUS_ADDRESS="$E2E_SESSION_BUS" /usr/bin/python3 "$SERVICE" --invoke "$@" ||
    fail "could not reach the notification service"
}
