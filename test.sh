#!/usr/bin/env bash
# Sets up what is missing, builds, and runs every test: the rules, the driver, the scenario
# files and the desktop front-end on Qt's offscreen platform; then the rules and the driver
# again under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
jobs=$(nproc)

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVOLNA_QT=ON -DVOLNA_TESTS=ON
cmake --build build -j"$jobs"
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j"$jobs"

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DVOLNA_SANITIZE=ON -DVOLNA_QT=OFF -DVOLNA_TESTS=ON
cmake --build build-sanitize -j"$jobs"
ctest --test-dir build-sanitize --output-on-failure -j"$jobs"
