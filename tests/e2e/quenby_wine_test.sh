#!/usr/bin/env bash
# quenby.exe under Wine: the reader simulator on COM$SIM_COM, the station on
# COM$SIM2_COM (started by with-sim --host), COM3 absent; the record of a
# card writer's trace while it polls.
set -u
bin=${VM_WINDOWS_BIN:-$VM_WINDOWS_BUILD/bin}
ctl=$VM_BUILD/native/bin/simctl
. "$(dirname "$0")/check.sh"
q() { judge wine "$bin/quenby.exe" "$@"; }

"$ctl" "$SIM_CONTROL_PORT" card user >/dev/null
uid=$("$ctl" "$SIM_CONTROL_PORT" dump | awk '/^00 / {print substr($2, 1, 8)}')
check "the present ports are listed" "COM$SIM2_COM,COM$SIM_COM," \
    "$(q ports | grep -E "^COM($SIM_COM|$SIM2_COM)\$" | tr '\n' ,)"
out=$(q ports --probe --use "COM$SIM_COM" "$SIM2_COM" COM3)
check "a port named is not there: exit status" 1 $?
check "the reader found and stored" "COM$SIM_COM   card reader  (card $uid on it)  stored as the Port of Software\\Tandor" \
    "$(sed -n 1p <<<"$out")"
check "the station found and stored" "COM$SIM2_COM   charging station  (language IT, 2 sockets)  stored as the Port of Software\\Velmor" \
    "$(sed -n 2p <<<"$out")"
check "the absent port" "COM3    not present" "$(sed -n 3p <<<"$out")"
# The registry view the programs see: the 32-bit one (or the 64-bit build's own).
stored() { wine reg query "HKLM\\$1" /v Port "$VM_REG_VIEW" 2>/dev/null | tr -d '\r' | awk '/Port/ {print $2, $3}'; }
check "the card writers' port, as they store it" "REG_EXPAND_SZ COM$SIM_COM" "$(stored 'Software\Tandor')"
check "velmor's port, as it stores it" "REG_EXPAND_SZ COM$SIM2_COM" "$(stored 'Software\Velmor')"
q ports COM0 >/dev/null
check "a port that is none" 2 $?

# The record: tandor polls the reader on the port just stored.
record=$SIM_WORK/record.txt
wine "$bin/quenby.exe" log "Z:${record//\//\\}" --seconds 8 2>/dev/null &
logger=$!
# The record file is made once the debug output is listened to.
for _ in $(seq 100); do [ -e "$record" ] && break; sleep 0.1; done
wine "$bin/tandor.exe" >/dev/null 2>&1 &
program=$!
wait $logger
kill $program 2>/dev/null
check "the record holds the polls, each line dated" yes \
    "$(grep -qE "^[0-9]{4}-[0-9]{2}-[0-9]{2} [0-9]{2}:[0-9]{2}:[0-9]{2} tandor [0-9]+ TX 01 46 46 02 31 38 03 09 0D " "$record" && echo yes)"
check "every line of the record dated" 0 "$(grep -cvE '^[0-9]{4}-[0-9]{2}-[0-9]{2} ' "$record")"
check "the record decoded" "card $uid on the reader" \
    "$(q decode "Z:${record//\//\\}" | grep -o "= card $uid on the reader" | head -1 | cut -c3-)"
exit $failed
