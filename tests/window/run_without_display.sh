#!/bin/sh
# Runs a command with no display at all and checks its exit status and what it prints.
# Usage: run_without_display.sh <status> <grep pattern> <command> [arguments...]
status=$1 pattern=$2
shift 2
output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" 2>&1)
got=$?
printf '%s\n' "$output"
[ "$got" = "$status" ] || { echo "exit status $got, expected $status"; exit 1; }
printf '%s\n' "$output" | grep -q -- "$pattern" || { echo "no line matches: $pattern"; exit 1; }
