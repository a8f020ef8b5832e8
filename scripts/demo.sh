#!/usr/bin/env bash
# Sets everything up and opens the module against the bundled simulated device on 127.0.0.1, the way
# the host would start it: a registry file and a per-device .cfg in a scratch folder.
# Under the desktop's display when there is one, else in a virtual X server (Xvfb) of its own.
# Builds only the module and the simulator (the tests are scripts/test.sh's), and ends whatever it
# started when the window is closed or the script is interrupted.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/setup.sh"
"$top/scripts/build.sh" build -- ktx7593ap ktx-devsim
bin="$top/build/bin"
port=${KTX_DEMO_PORT:-16161}
# The module's TFTP server needs no privilege on a port above 1024 that nothing else uses.
udp_port_free() {
  ! grep -qi "^ *[0-9]*: [0-9A-F]*:$(printf %04X "$1") " /proc/net/udp /proc/net/udp6 2>/dev/null
}
tftp_port=
for candidate in $(shuf -i 20000-60999 -n 100); do
  if udp_port_free "$candidate"; then tftp_port=$candidate; break; fi
done
[ -n "$tftp_port" ] || { echo "no free UDP port for the TFTP server" >&2; exit 1; }
export KTX_TFTP_PORT=$tftp_port
scratch=$(mktemp -d /tmp/ktx-demo.XXXXXX)
mkdir -p "$scratch/host/bin" "$scratch/host/Conf/MBF" "$scratch/device" "$scratch/run"
cat > "$scratch/registry.ini" <<INI
[SOFTWARE\\Quenvar\\Orbisk5.1\\ExePath]
Path=$scratch/host/bin/
INI
cat > "$scratch/host/Conf/MBF/127.0.0.1.cfg" <<CFG
[Program Information]
AgentPort=$port
Version=1
CFG
module='' sim='' xvfb='' runtime=''
# The module goes first, so that it loses neither its display nor its device while it runs.
stop() {
  for pid in $module $sim $xvfb; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  [ -z "$runtime" ] || rm -rf "$runtime"
}
trap stop EXIT
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM
"$bin/ktx-devsim" --listen 127.0.0.1:$port --state-dir "$scratch/device" --log "$scratch/device/pdu.log" \
  --restart-seconds 20 --tftp-port "$tftp_port" --no-control > "$scratch/device/devsim.out" 2>&1 &
sim=$!
for _ in $(seq 50); do grep -q ready "$scratch/device/devsim.out" 2>/dev/null && break; sleep 0.1; done
echo "Simulated KTX-7593AP on 127.0.0.1:$port (log: $scratch/device/pdu.log); module's TFTP port $tftp_port"
export KTX_REGISTRY_FILE="$scratch/registry.ini"
cd "$scratch/run"
run=("$bin/ktx7593ap" /I127.0.0.1 /Rpublic /Wprivate)
# In the background, so that a signal reaches the traps above while the window is open.
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ] || [ "${QT_QPA_PLATFORM:-}" = offscreen ]; then
  "${run[@]}" &
else
  # A runtime folder and an X cookie of this run's own, and no session bus, so that Qt neither warns
  # nor starts a bus daemon that would outlive the module.
  runtime=$(mktemp -d /tmp/ktx-runtime.XXXXXX)
  chmod 700 "$runtime"
  auth="$runtime/Xauthority"
  cookie=$(od -An -N16 -tx1 /dev/urandom | tr -d ' \n')
  # The server takes every cookie of its file, whatever display the entry names; the number it
  # picks is known only once it is ready.
  : > "$auth"
  xauth -q -f "$auth" add :0 . "$cookie"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -auth "$auth" \
    3> "$runtime/display" > "$scratch/xvfb.log" 2>&1 &
  xvfb=$!
  until grep -q '^[0-9]' "$runtime/display"; do
    kill -0 "$xvfb" 2>/dev/null || { echo "Xvfb did not start (log: $scratch/xvfb.log)" >&2; exit 1; }
    sleep 0.1
  done
  display=:$(cat "$runtime/display")
  xauth -q -f "$auth" add "$display" . "$cookie"
  DISPLAY=$display XAUTHORITY=$auth XDG_RUNTIME_DIR=$runtime DBUS_SESSION_BUS_ADDRESS=disabled: \
    "${run[@]}" &
fi
module=$!
status=0
wait "$module" || status=$?
module=''
exit "$status"
