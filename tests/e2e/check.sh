# Sourced by the end-to-end scripts. `judged` is the file that holds what the
# last command under test printed (its standard output and error); a check
# that fails shows it beside what it expected, so that a red run can be read
# afterwards. with-sim adds the tail of the simulators' logs.
failed=0
judged=$SIM_WORK/judged.out
# quenby speaks the environment's language on Linux: the checks read English
# unless they ask for another.
export LC_ALL=C.UTF-8
: >"$judged"

check() { # WHAT EXPECTED ACTUAL
    if [ "$2" = "$3" ]; then
        echo "ok: $1"
        return 0
    fi
    echo "FAILED: $1"
    echo "  expected: $2"
    echo "  actual:   $3"
    if [ -s "$judged" ]; then
        echo "  what the command printed:"
        tail -n 40 "$judged" | sed 's/^/    | /'
    fi
    failed=1
}

# Runs a command for its output, kept in $judged too: `judge CMD ARGS...`.
# Windows line ends are dropped.
judge() {
    "$@" >"$judged" 2>&1
    local rc=$?
    tr -d '\r' <"$judged" >"$judged.tmp" && mv "$judged.tmp" "$judged"
    cat "$judged"
    return $rc
}
