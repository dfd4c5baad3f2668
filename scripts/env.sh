# Shared settings of the project's scripts (sourced, not run).
export CONVERSAO_HOME=${CONVERSAO_HOME:-$HOME/.cache/conversao}
export CONVERSAO_TEST_PREFIX=${CONVERSAO_TEST_PREFIX:-$CONVERSAO_HOME/wine-test}
export CONVERSAO_RUN_PREFIX=${CONVERSAO_RUN_PREFIX:-$CONVERSAO_HOME/wine-run}
export CCACHE_DIR=${CCACHE_DIR:-$CONVERSAO_HOME/ccache}
# Paths inside the checkout are hashed relative to it, so a fresh clone in
# another folder (CI) or a second worktree reuses the objects; precompiled
# headers are cached too.
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
export CCACHE_SLOPPINESS=${CCACHE_SLOPPINESS:-pch_defines,time_macros,include_file_mtime,include_file_ctime}
export WINEDEBUG=${WINEDEBUG:--all}
# Parallel build and test jobs; several people building on one machine lower it.
export CONVERSAO_JOBS=${CONVERSAO_JOBS:-$(nproc)}

# Configures the cross build in $1.
configure_build() {
  local root
  root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
  cmake -S "$root" -B "$1" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" >/dev/null
}

# Keeps a warm wineserver on the tests' prefix until the calling script ends.
start_test_wineserver() {
  export WINEPREFIX=$CONVERSAO_TEST_PREFIX
  wineserver -k 2>/dev/null || true
  wineserver -p
  trap 'WINEPREFIX=$CONVERSAO_TEST_PREFIX wineserver -k 2>/dev/null || true' EXIT
  # Start Wine's background services now, with no pipes open: started by a
  # test they would inherit its output pipe and keep ctest waiting for them.
  timeout 120 wine cmd.exe /c exit </dev/null >/dev/null 2>&1 || true
}
