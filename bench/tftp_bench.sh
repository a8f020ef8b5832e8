#!/usr/bin/env bash
# Loopback throughput of ktx-tftpd against tftp-hpa's server: the same client (atftp, no options, so
# both serve plain 512-byte blocks in lock-step) fetches one 8 MiB file from each, alternately, a few
# rounds; prints each time and the throughput ratio ours / theirs of the fastest rounds (>= 1.0: ours
# is at least as fast).
# Usage: bench/tftp_bench.sh [ROUNDS]   (builds build/ first if ktx-tftpd is missing; needs root for
# in.tftpd's chroot)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
rounds=${1:-9}
ours=${KTX_TFTPD:-$top/build/bin/ktx-tftpd}
[ -x "$ours" ] || "$top/scripts/build.sh" build
theirs=$(command -v in.tftpd || echo /usr/sbin/in.tftpd)
[ -x "$theirs" ] || { echo "in.tftpd missing: install tftpd-hpa (scripts/setup.sh)" >&2; exit 1; }

work=$(mktemp -d /tmp/ktx-tftp-bench.XXXXXX)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
# in.tftpd drops to an unprivileged user inside its chroot: the folder must be world-readable.
mkdir "$work/root" && chmod 755 "$work" "$work/root"
head -c $((8 * 1024 * 1024)) /dev/urandom >"$work/root/big.bin"
echo hello >"$work/root/ping.txt"
chmod 644 "$work/root/"*

port_ours=$((40000 + RANDOM % 10000))
port_theirs=$((port_ours + 1))
"$ours" --root "$work/root" --port "$port_ours" --bind 127.0.0.1 >/dev/null &
pids+=($!)
"$theirs" -L -s "$work/root" -a "127.0.0.1:$port_theirs" &
pids+=($!)

# Each server is ready once a small fetch succeeds.
wait_ready() {
  for _ in $(seq 50); do
    if atftp -g -r ping.txt -l "$work/ping.out" 127.0.0.1 "$1" >/dev/null 2>&1 &&
       cmp -s "$work/ping.out" "$work/root/ping.txt"; then
      return 0
    fi
    sleep 0.1
  done
  echo "server on port $1 did not answer" >&2
  exit 1
}
wait_ready "$port_ours"
wait_ready "$port_theirs"

# Milliseconds of one byte-checked 8 MiB fetch from the server on port $1.
fetch_ms() {
  rm -f "$work/big.out"
  local start end
  start=$(date +%s%N)
  atftp -g -r big.bin -l "$work/big.out" 127.0.0.1 "$1" >/dev/null 2>&1
  end=$(date +%s%N)
  cmp -s "$work/big.out" "$work/root/big.bin" || { echo "fetch from port $1 differs" >&2; exit 1; }
  echo $(((end - start) / 1000000))
}

# The fastest round of each server counts: other load on the machine only ever slows a round down.
best_ours=
best_theirs=
for round in $(seq "$rounds"); do
  # Alternate which server goes first, so that neither always runs right after the other.
  if [ $((round % 2)) -eq 1 ]; then
    t_ours=$(fetch_ms "$port_ours")
    t_theirs=$(fetch_ms "$port_theirs")
  else
    t_theirs=$(fetch_ms "$port_theirs")
    t_ours=$(fetch_ms "$port_ours")
  fi
  echo "round $round: ktx-tftpd ${t_ours} ms, tftp-hpa ${t_theirs} ms"
  if [ -z "$best_ours" ] || [ "$t_ours" -lt "$best_ours" ]; then best_ours=$t_ours; fi
  if [ -z "$best_theirs" ] || [ "$t_theirs" -lt "$best_theirs" ]; then best_theirs=$t_theirs; fi
done
awk -v o="$best_ours" -v t="$best_theirs" 'BEGIN {
  printf "best of each: ktx-tftpd %.2f MiB/s, tftp-hpa %.2f MiB/s, ratio ours/theirs %.2f\n",
         8 / (o / 1000), 8 / (t / 1000), t / o
}'
