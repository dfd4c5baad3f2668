#!/usr/bin/env bash
# Runs a command with a Firebird 3 server of its own, an ordinary process
# (never a system service) stopped and removed when the command ends, also
# when it fails or this script is killed:
#   firebird-server.sh CACHE COMMAND...
# The server listens on a free port of 127.0.0.1 and may create databases
# in one folder; the command finds both in CONVERSAO_FIREBIRD_PORT and
# CONVERSAO_FIREBIRD_DATABASES. SYSDBA's password is the tool's standard
# Firebird password. CACHE keeps a prepared security database between runs.
# A test listing (--gtest_list_tests) runs without a server.
set -euo pipefail
cache=${1:?cache folder}
shift
for argument in "$@"; do
  [ "$argument" = --gtest_list_tests ] && exec "$@"
done
password=tulipwand
package=/usr/lib/x86_64-linux-gnu/firebird/3.0
server=/usr/sbin/firebird
if [ ! -x "$server" ]; then
  echo "firebird-server: $server is missing (scripts/setup.sh installs it)" >&2
  exit 1
fi

# isql on local files with the embedded engine, in the folder $1's configuration.
isql_embedded() {
  local folder=$1
  shift
  FIREBIRD=$folder FIREBIRD_LOCK=$folder/lock isql-fb -q -user SYSDBA "$@" >/dev/null
}

# The security database as the package makes its own, with SYSDBA's password.
prepare_security_database() {
  local template=$cache/security3.fdb
  mkdir -p "$cache"
  exec 9>"$cache/lock"
  flock 9
  if [ ! -f "$template" ]; then
    local work
    work=$(mktemp -d)
    mkdir "$work/lock"
    # The user manager works on the security database its configuration names.
    echo "SecurityDatabase = $work/security3.fdb" >"$work/firebird.conf"
    echo "create database '$work/security3.fdb';" | isql_embedded "$work"
    isql_embedded "$work" -i /usr/share/firebird/3.0/security.sql "$work/security3.fdb"
    echo "create or alter user SYSDBA password '$password' using plugin Srp; commit;" |
      isql_embedded "$work" "$work/security3.fdb"
    mv "$work/security3.fdb" "$template"
    rm -rf "$work"
  fi
  exec 9>&-
  cp "$template" "$root/security3.fdb"
}

# Its own configuration: the port, the one database folder, the security
# database, temporary and lock files, all inside the root.
configure() {
  local port=$1
  cat >"$root/firebird.conf" <<CONF
ServerMode = Super
RemoteServicePort = $port
RemoteBindAddress = 127.0.0.1
DatabaseAccess = Restrict $root/databases
TempDirectories = $root/tmp
SecurityDatabase = $root/security3.fdb
UserManager = Srp
AuthServer = Srp
CONF
  echo "security.db = $root/security3.fdb" >"$root/databases.conf"
}

listening() { (exec 3<>"/dev/tcp/127.0.0.1/$1") 2>/dev/null; }

# Starts the server on a port nobody listens on; another process may take
# the port first, so a server that does not come up is tried on another.
start() {
  local attempt port
  for attempt in 1 2 3; do
    port=$((20000 + RANDOM % 40000))
    listening "$port" && continue
    configure "$port"
    # Only the server sees these variables: a client that did would read
    # the server's configuration.
    FIREBIRD=$root FIREBIRD_LOCK=$root/lock "$server" >"$root/server.log" 2>&1 </dev/null &
    server_pid=$!
    for _ in $(seq 100); do
      if listening "$port"; then
        export CONVERSAO_FIREBIRD_PORT=$port CONVERSAO_FIREBIRD_DATABASES=$root/databases
        return 0
      fi
      kill -0 "$server_pid" 2>/dev/null || break
      sleep 0.1
    done
    stop_server
  done
  echo "firebird-server: the server did not start:" >&2
  cat "$root/server.log" >&2
  return 1
}

server_pid=
stop_server() {
  [ -n "$server_pid" ] || return 0
  kill -TERM "$server_pid" 2>/dev/null || true
  for _ in $(seq 50); do kill -0 "$server_pid" 2>/dev/null || break; sleep 0.1; done
  kill -KILL "$server_pid" 2>/dev/null || true
  wait "$server_pid" 2>/dev/null || true
  server_pid=
}

root=$(mktemp -d "${TMPDIR:-/tmp}/conversao-firebird-XXXXXX")
cleanup() {
  stop_server
  rm -rf "$root"
}
trap cleanup EXIT
trap 'exit 143' TERM
trap 'exit 130' INT
mkdir "$root/databases" "$root/lock" "$root/tmp"
ln -s "$package/intl" "$root/intl"
ln -s "$package/firebird.msg" "$root/firebird.msg"
cp "$package/plugins.conf" "$root/plugins.conf"
prepare_security_database
start
# Should this script be killed outright, the server goes too.
owner=$$
(
  while kill -0 "$owner" 2>/dev/null && kill -0 "$server_pid" 2>/dev/null; do sleep 1; done
  kill -KILL "$server_pid" 2>/dev/null && rm -rf "$root"
) </dev/null >/dev/null 2>&1 &
status=0
"$@" || status=$?
exit $status
