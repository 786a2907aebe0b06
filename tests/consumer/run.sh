#!/usr/bin/env bash
# tests/consumer/run.sh MODE PROJECT_BUILD_DIR WORK_DIR [CMAKE_ARGS...]: builds the consumer
# program in Release against the project and runs it. MODE: subdirectory (adds the source
# tree), package (find_package from an install tree of PROJECT_BUILD_DIR) or pkg-config
# (the compiler driven by pkg-config's flags from the same install tree) or package-qt (the
# Qt host's program, from the package's component "qt", run on the offscreen platform).
set -euo pipefail
mode=$1 project_build=$2 work=$3; shift 3
here=$(cd "$(dirname "$0")" && pwd)
source_dir=$(cd "$here/../.." && pwd)
rm -rf "$work"; mkdir -p "$work"
install_tree() {
  cmake --install "$project_build" --prefix "$work/prefix"
}
case $mode in
  subdirectory)
    cmake -S "$here" -B "$work/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DWAYBAND_CONSUME=subdirectory -DWAYBAND_SOURCE_DIR="$source_dir" "$@"
    cmake --build "$work/build" -j2
    exe=$work/build/consumer ;;
  package)
    install_tree
    cmake -S "$here" -B "$work/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DWAYBAND_CONSUME=package -DCMAKE_PREFIX_PATH="$work/prefix" "$@"
    cmake --build "$work/build"
    exe=$work/build/consumer ;;
  package-qt)
    install_tree
    cmake -S "$here" -B "$work/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DWAYBAND_CONSUME=package -DWAYBAND_CONSUME_QT=ON -DCMAKE_PREFIX_PATH="$work/prefix" "$@"
    cmake --build "$work/build"
    export QT_QPA_PLATFORM=offscreen
    exe=$work/build/consumer_qt ;;
  pkg-config)
    install_tree
    libdir=$(find "$work/prefix" -name wayband.pc -printf '%h\n' | head -n 1)
    flags=$(PKG_CONFIG_PATH=$libdir pkg-config --cflags --libs wayband-headless)
    # shellcheck disable=SC2086
    "${CXX:-c++}" -std=c++20 -O2 -DNDEBUG "$here/consumer.cpp" -o "$work/consumer" $flags
    exe=$work/consumer ;;
  *) echo "unknown mode $mode" >&2; exit 2 ;;
esac
"$exe"
