# Shared by scripts/test and scripts/play: the build folder, set-up and a quiet build.
# QORVEL_BUILD picks another build folder (with its own Wine prefix), so that several builds
# can be tested side by side.
build=${QORVEL_BUILD:-$root/build}
case $build in /*) ;; *) build=$root/$build ;; esac
export WINEPREFIX=${WINEPREFIX:-$build/wineprefix}

# build_project NAME [TARGET]: installs what is missing, configures and builds (everything, or
# TARGET), with the log in the build folder and only the errors shown when it fails.
build_project() {
    local name=$1 target=${2:-}
    "$root/scripts/setup"
    mkdir -p "$build"
    local log=$build/build.log
    echo "$name: building (log in $log)"
    if ! { cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo &&
           cmake --build "$build" ${target:+--target "$target"} -j"$(nproc)"; } >"$log" 2>&1; then
        grep -E -A5 'error|Error' "$log" | head -n 200
        echo "$name: the build failed; see $log"
        exit 1
    fi
}
