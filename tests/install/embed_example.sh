#!/usr/bin/env bash
# What a host developer does first: install the built component into a fresh prefix, build the example host
# of examples/embed against the installed package from a folder of its own, and run it offscreen.
#   tests/install/embed_example.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1
source=$2
work=$(mktemp -d "${TMPDIR:-/tmp}/kv380-embed.XXXXXX")
trap 'rm -rf "$work"' EXIT

cmake --install "$build" --prefix "$work/prefix" >/dev/null
cp -r "$source/examples/embed" "$work/embed" # built from outside the source tree
cmake -S "$work/embed" -B "$work/build" -G Ninja -DCMAKE_PREFIX_PATH="$work/prefix" \
      -DCMAKE_CXX_COMPILER="${CXX:-c++}" >/dev/null
cmake --build "$work/build" >/dev/null

export QT_QPA_PLATFORM=offscreen
export KV380_HKCU_HIVE="$work/hives/user.sqlite" KV380_HKLM_HIVE="$work/hives/machine.sqlite"
output=$("$work/build/kv380_embed_example" --once 2>&1)
echo "$output"
grep -q "projStockpile.ctlStockpile shows 1 tab(s)" <<<"$output"
