#!/usr/bin/env bash
# Runs a command on an Xvfb of its own, which picks a free display number
# itself (-displayfd), so that it may start beside the other tests' displays.
#
#   with_xvfb.sh [XVFB_ARGUMENT...] -- COMMAND...
set -euo pipefail
xvfb_args=()
while [[ $1 != -- ]]; do
    xvfb_args+=("$1")
    shift
done
shift
exec 3< <(Xvfb -displayfd 1 "${xvfb_args[@]}" 2>/dev/null & echo "pid $!")
read -r -u 3 line
xvfb_pid=${line#pid }
trap 'kill "$xvfb_pid" 2>/dev/null || true' EXIT
read -r -t 10 -u 3 display || { echo "Xvfb did not start" >&2; exit 1; }
DISPLAY=:$display "$@"
