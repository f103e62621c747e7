#!/usr/bin/env bash
# Builds the calculator and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target lanhe_calculator
exec build/ui/岚禾信贷计算器
