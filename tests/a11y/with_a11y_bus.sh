#!/usr/bin/env bash
# Runs a command in a D-Bus session of its own whose accessibility bus is up,
# as on a desktop with a screen reader: Qt's AT-SPI bridge switches on only
# when it finds the bus's service already running, so it is started first.
#
# usage: with_a11y_bus.sh COMMAND [ARGS...]
set -euo pipefail

if [[ -z ${KOLVAR_A11Y_SESSION:-} ]]; then
    export KOLVAR_A11Y_SESSION=1
    exec dbus-run-session -- "$0" "$@"
fi
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
    >/dev/null
exec "$@"
