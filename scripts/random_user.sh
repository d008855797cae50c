#!/usr/bin/env bash
# Runs the random user for SECONDS (with SEED, or a fresh one) against the normal build:
# scripts/random_user.sh SECONDS [SEED]. Prints steps, windows reached and, on a failure, the
# seed and step to replay it with build/tests/kv_random_user --seed S --steps N.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:?seconds}
seed=${2:-$(od -An -N4 -tu4 /dev/urandom | tr -d ' ')}
cmake --build build --target kv_random_user >/dev/null
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} build/tests/kv_random_user --seed "$seed" --seconds "$seconds"
