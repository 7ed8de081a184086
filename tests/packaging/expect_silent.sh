#!/bin/sh
# Runs a command and fails when it fails or prints anything: validators
# that report hints and warnings but still exit 0 are held to silence.
# Usage: expect_silent.sh COMMAND [ARGUMENT...]
set -u
output=$("$@" 2>&1)
status=$?
[ -n "$output" ] && printf '%s\n' "$output"
[ "$status" -eq 0 ] && [ -z "$output" ]
