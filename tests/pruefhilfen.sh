# What the script tests share: a working folder removed on exit, a counted
# check that names what failed, and the closing tally as the exit status.
# Sourced, not run.

bestanden=0
fehlgeschlagen=0
arbeit=$(mktemp -d)
trap 'rm -rf "$arbeit"' EXIT

# pruefe NAME COMMAND...: counts COMMAND's success, and names NAME when it fails.
pruefe() {
    local name=$1
    shift
    if "$@"; then
        bestanden=$((bestanden + 1))
    else
        fehlgeschlagen=$((fehlgeschlagen + 1))
        echo "FEHLGESCHLAGEN: $name" >&2
    fi
}
gleich() { [ "$1" = "$2" ]; }

# The tally; its status is the test's result.
abschliessen() {
    echo "$bestanden passed, $fehlgeschlagen failed"
    [ "$fehlgeschlagen" -eq 0 ]
}
