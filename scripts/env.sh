# Shared settings of the project's scripts (sourced, not run).
export CONVERSAO_HOME=${CONVERSAO_HOME:-$HOME/.cache/conversao}
export CONVERSAO_TEST_PREFIX=${CONVERSAO_TEST_PREFIX:-$CONVERSAO_HOME/wine-test}
export CONVERSAO_RUN_PREFIX=${CONVERSAO_RUN_PREFIX:-$CONVERSAO_HOME/wine-run}
export CCACHE_DIR=${CCACHE_DIR:-$CONVERSAO_HOME/ccache}
export WINEDEBUG=${WINEDEBUG:--all}
