# Python's HTTP server on the loopback interface, for
# scripts/bench-download, which sources it. The port is the one the system
# picks, read from the server's first line, so that runs side by side never
# take each other's port.

# start_http_server FOLDER LOG: serves the folder; sets server_port.
start_http_server() {
    python3 -u -m http.server --bind 127.0.0.1 --directory "$1" 0 >"$2" 2>&1 &
    server_pid=$!
    server_port=
    tries=0
    while [ $tries -lt 100 ]; do
        server_port=$(sed -n 's/^Serving HTTP on .* port \([0-9]*\) .*/\1/p' "$2")
        [ -n "$server_port" ] && return 0
        kill -0 "$server_pid" 2>/dev/null || break
        sleep 0.1
        tries=$((tries + 1))
    done
    echo "the HTTP server did not start:" >&2
    cat "$2" >&2
    return 1
}

# Safe to call when no server was started, and more than once.
stop_http_server() {
    [ -n "${server_pid:-}" ] || return 0
    kill "$server_pid" 2>/dev/null || true
    wait "$server_pid" 2>/dev/null || true
    server_pid=
}

# The Unix path as Wine's drive Z: shows it.
windows_path() {
    printf 'Z:%s' "$1" | tr / '\\'
}
