# Wine and X for the end-to-end tests, the Wine benchmarks and ./dev run: a private virtual
# display and a private Wine prefix under build/, never the user's. Sourced; defines
# functions (and the display's size) only.

e2e_log() { printf 'e2e: %s\n' "$*" >&2; }

# The private display's size; tests compute positions from it.
export E2E_SCREEN_WIDTH=1280 E2E_SCREEN_HEIGHT=800

# e2e_wine_env PREFIX: the Wine settings for that prefix, exported.
e2e_wine_env() {
    export WINEPREFIX="$1"
    export WINEARCH=win64
    # -all also silences the launcher's hint about the missing 32-bit Wine.
    export WINEDEBUG=-all
    # No Mono or Gecko installer prompts; no menu entries or icons in the user's desktop.
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    # Wine links the prefix's user folders to the ones in $HOME: give it a home of its own.
    mkdir -p "$WINEPREFIX.home"
    export HOME="$WINEPREFIX.home"
    export XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share"
    export XDG_CACHE_HOME="$HOME/.cache"
}

# e2e_start_display [LOG]: Xvfb on a free display; sets DISPLAY and E2E_XVFB_PID.
# e2e_stop_display stops it.
e2e_start_display() {
    local log=${1:-/dev/null} fd_file
    fd_file=$(mktemp "${TMPDIR:-/tmp}/qbx-display.XXXXXX") || return 1
    # -displayfd: Xvfb picks a free display number and writes it once it accepts clients.
    # Its own session keeps a Ctrl+C in the terminal from taking the display away before
    # the programs on it have ended.
    setsid Xvfb -displayfd 3 -screen 0 "${E2E_SCREEN_WIDTH}x${E2E_SCREEN_HEIGHT}x24" \
        -nolisten tcp -noreset 3>"$fd_file" >"$log" 2>&1 &
    E2E_XVFB_PID=$!
    local i num=""
    for i in $(seq 1 300); do
        read -r num <"$fd_file" 2>/dev/null
        [ -n "$num" ] && break
        kill -0 "$E2E_XVFB_PID" 2>/dev/null || break
        sleep 0.1
    done
    rm -f "$fd_file"
    if [ -z "$num" ]; then
        e2e_log "Xvfb did not start (see $log)"
        e2e_stop_display
        return 1
    fi
    export DISPLAY=":$num"
}

e2e_stop_display() {
    [ -n "${E2E_XVFB_PID:-}" ] || return 0
    kill "$E2E_XVFB_PID" 2>/dev/null
    wait "$E2E_XVFB_PID" 2>/dev/null
    E2E_XVFB_PID=""
}

# e2e_prepare_prefix LOG [unmanaged]: the prefix made once (wineboot -i), or reused when
# valid: when its creation finished (the marker is written last). Change the marker's name
# when the settings below change, so that old prefixes are made anew. "unmanaged": for a
# display without a window manager.
e2e_prepare_prefix() {
    local log=${1:-/dev/null} unmanaged=${2:-} marker="$WINEPREFIX/.qbx-prefix-v2"
    if ! [ -f "$marker" ] || ! [ -f "$WINEPREFIX/system.reg" ]; then
        e2e_log "creating the Wine prefix $WINEPREFIX (once)"
        rm -rf "$WINEPREFIX"
        wineboot -i >"$log" 2>&1 || { e2e_log "wineboot -i failed (see $log)"; return 1; }
        # A crashing program must end, not wait behind a dialog.
        wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
            >>"$log" 2>&1 || { e2e_log "cannot configure the prefix (see $log)"; return 1; }
        wineserver -w
        [ -f "$WINEPREFIX/system.reg" ] || { e2e_log "the prefix has no registry (see $log)"; return 1; }
        touch "$marker"
    fi
    # Without a window manager Wine draws the captions itself (so screenshots show them) when
    # its windows are unmanaged; on a desktop the window manager does. The same prefix may
    # serve both (./dev run with and without $DISPLAY), so the setting follows each use.
    local want=Y
    [ "$unmanaged" = unmanaged ] && want=N
    [ "$(cat "$WINEPREFIX/.qbx-managed" 2>/dev/null)" = "$want" ] && return 0
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d "$want" /f \
        >>"$log" 2>&1 || { e2e_log "cannot configure the prefix (see $log)"; return 1; }
    wineserver -w
    printf '%s\n' "$want" >"$WINEPREFIX/.qbx-managed"
}

# e2e_start_wineserver: the prefix's wineserver kept running (no restart per program);
# e2e_stop_wine: every Wine process of the prefix ended, and its wineserver.
e2e_start_wineserver() { wineserver -p 2>/dev/null; }
e2e_stop_wine() {
    [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ] || return 0
    wineserver -k 2>/dev/null
    wineserver -w 2>/dev/null
    return 0
}
