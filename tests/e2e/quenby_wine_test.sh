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
out=$(q ports "COM$SIM_COM" COM3)
check "a port named that is not there, without --probe" "1 COM$SIM_COM|COM3    not present" \
    "$? $(paste -sd'|' <<<"$out")"
q ports COM0 >/dev/null
check "a port that is none" 2 $?

# A line that echoes what it is sent is no reader: the stored port stays.
wine reg add 'HKLM\Software\Tandor' /v Port /t REG_EXPAND_SZ /d COM9 /f "$VM_REG_VIEW" >/dev/null 2>&1
"$ctl" "$SIM_CONTROL_PORT" fault garbage 01 46 46 02 31 38 03 09 0D >/dev/null
out=$(q ports --probe --use "COM$SIM_COM")
check "an echo: exit status" 1 $?
check "an echo is an unknown device, not stored" \
    "COM$SIM_COM   an unknown device  (it answers, but neither as a card reader nor as a station)" \
    "$(sed -n 1p <<<"$out")"
check "an echo: the working port kept" "REG_EXPAND_SZ COM9" "$(stored 'Software\Tandor')"
"$ctl" "$SIM_CONTROL_PORT" fault none >/dev/null
# Two card readers: neither stored, both named.
"$VM_BUILD/native/bin/reader-sim" --link "$WINEPREFIX/dosdevices/com16" \
    --port-file "$SIM_WORK/second.port" --log "$SIM_WORK/second.log" 2>/dev/null &
second=$!
for _ in $(seq 100); do [ -s "$SIM_WORK/second.port" ] && break; sleep 0.1; done
out=$(q ports --probe --use "COM$SIM_COM" COM16)
check "two readers: exit status" 1 $?
check "two readers: neither stored, both named" \
    "quenby ports: card readers on COM$SIM_COM, COM16: nothing stored for them; probe the one to use alone with --use" \
    "$(grep '^quenby ports: card readers' <<<"$out")"
check "two readers: the working port kept" "REG_EXPAND_SZ COM9" "$(stored 'Software\Tandor')"
kill $second; wait $second 2>/dev/null
wine reg add 'HKLM\Software\Tandor' /v Port /t REG_EXPAND_SZ /d "COM$SIM_COM" /f "$VM_REG_VIEW" >/dev/null 2>&1

# The language stored by the program whose device the command uses: velmor's
# for the station, the card writers' for a batch; --lang before it; for the
# ports, which are every program's, the one they agree on.
setting() { wine reg "$@" "$VM_REG_VIEW" >/dev/null 2>&1; }
profile=$SIM_WORK/lang.profile
printf 'language = French\nsockets = 1\nsocket1.type = Type 2\nsocket1.locking = None\nsocket1.contactor = None\nsocket1.meter = No meter\nsocket1.imax = 16\nsocket1.imax_s = 10\n' >"$profile"
printf 'code,accesses,expiry\n00001238,70000,\n' >"$SIM_WORK/bad.csv"
setting add 'HKLM\Software\Velmor' /v Lang /t REG_EXPAND_SZ /d 2 /f
setting add 'HKLM\Software\Tandor' /v Lang /t REG_EXPAND_SZ /d 3 /f
"$ctl" "$SIM2_CONTROL_PORT" fault silence >/dev/null
out=$(q station write "COM$SIM2_COM" "Z:${profile//\//\\}")
check "velmor's stored language: Spanish" \
    "1 quenby station: COM$SIM2_COM: La estación no responde; no se ha enviado nada" "$? $out"
out=$(q station write "COM$SIM2_COM" "Z:${profile//\//\\}" --lang en)
check "--lang before the stored language" \
    "quenby station: COM$SIM2_COM: The station does not answer; nothing was sent" "$out"
"$ctl" "$SIM2_CONTROL_PORT" fault none >/dev/null
out=$(q cards check "Z:${SIM_WORK//\//\\}\\bad.csv")
check "the card writers' stored language: French" \
    "Nombre d'accès non valable: veuillez saisir un nombre entre 0 et 65535|quenby cards: le lot est refusé; aucune carte écrite" \
    "$(sed 's/^.*:2: //' <<<"$out" | paste -sd'|')"
out=$(q ports COM3)
check "the ports, with the programs in two languages: English" "COM3    not present" "$out"
setting add 'HKLM\Software\Velmor' /v Lang /t REG_EXPAND_SZ /d 3 /f
out=$(q ports COM3)
check "the ports, with the programs in one language: French" "COM3    absent" "$out"
setting delete 'HKLM\Software\Velmor' /v Lang /f
setting delete 'HKLM\Software\Tandor' /v Lang /f
out=$(q station write "COM$SIM2_COM" "Z:${profile//\//\\}" --lang xx)
check "a --lang that names none, with no language stored" \
    "quenby: --lang: \"xx\" is not it, en, es or fr" "$(head -1 <<<"$out")"

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
