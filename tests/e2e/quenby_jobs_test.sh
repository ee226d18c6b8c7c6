#!/usr/bin/env bash
# quenby's station profiles and card batches against both simulators (the
# reader as SIM_*, the station as SIM2_*, started by with-sim): natively on
# their pseudo-terminals, or with QUENBY_WINE=1 quenby.exe under Wine on
# COM$SIM_COM and COM$SIM2_COM.
set -u
ctl=${VM_SIM_BIN:-$VM_BUILD/native/bin}/simctl
. "$(dirname "$0")/check.sh"
if [ "${QUENBY_WINE:-}" = 1 ]; then
    quenby=(wine "${VM_WINDOWS_BIN:-$VM_WINDOWS_BUILD/bin}/quenby.exe")
    f() { local p="Z:$1"; echo "${p//\//\\}"; } # a file as Windows names it
    reader=COM$SIM_COM station=COM$SIM2_COM
else
    quenby=("${VM_SIM_BIN:-$VM_BUILD/native/bin}/quenby")
    f() { echo "$1"; }
    reader=$SIM_DEVICE station=$SIM2_DEVICE
fi
q() { judge "${quenby[@]}" "$@"; }
# A batch in the background, its output straight into a file (a pipe would
# hold its lines back); wait_batch ends it and judges that output.
# The file is emptied before the batch starts, so that nothing the batch
# before it said is waited for as this one's.
q_to() { local out=$1; shift; "${quenby[@]}" "$@" >"$out" 2>&1; }
start_batch() { : >"$log"; q_to "$log" "$@" & batch=$!; }
wait_batch() {
    wait "$batch"
    local rc=$?
    tr -d '\r' <"$log" >"$judged"
    return $rc
}
reader_ctl() { "$ctl" "$SIM_CONTROL_PORT" "$@"; }
station_ctl() { "$ctl" "$SIM2_CONTROL_PORT" "$@"; }
sets_received() { grep -c ' RX \(41\|44\) ' "$SIM2_LOG"; } # closing and date commands
profile=$SIM_WORK/station.profile

# A profile read, edited, written, checked on the station and diffed.
out=$(q station read "$station" "$(f "$profile")")
check "read: exit status" 0 $?
check "read: the profile's keys" "language = Italian|sockets = 2|socket1.type = Type 2|socket2.imax = 16" \
    "$(grep -E '^(language|sockets|socket1.type|socket2.imax) ' "$profile" | tr -d '\r' | paste -sd'|')"
sed -i 's/^language = .*/language = French/; s/^mode = .*/mode = alternate/;
        s/^socket1.type = .*/socket1.type = Type 3C/; s/^socket1.locking = .*/socket1.locking = 1 actuator/;
        s/^socket1.imax = .*/socket1.imax = 32/' "$profile"
out=$(q station diff "$station" "$(f "$profile")")
check "diff before the write: exit status" 1 $?
check "diff before the write: key by key" \
    "language: profile French, station Italian|mode: profile alternate, station simultaneous|socket1.type: profile Type 3C, station Type 2|socket1.locking: profile 1 actuator, station None|socket1.imax: profile 32, station 16" \
    "$(paste -sd'|' <<<"$out")"
# A dry run: the profile checked with no station; nothing sent.
before_check=$(grep -c ' RX ' "$SIM2_LOG")
out=$(q station check "$(f "$profile")")
status=$?
check "station check: passes" "0 $(f "$profile"): passes the setup form's rules; station write would send it" \
    "$status $out"
check "station check: nothing sent" "$before_check" "$(grep -c ' RX ' "$SIM2_LOG")"
out=$(q station diff "$station" "$(f "$profile")" --json)
status=$?
check "diff --json: one array, key by key" \
    "1 language=French/Italian mode=alternate/simultaneous socket1.type=Type 3C/Type 2 socket1.locking=1 actuator/None socket1.imax=32/16" \
    "$status $(python3 -c 'import json, sys
print(" ".join("%s=%s/%s" % (d["key"], d["profile"], d["station"]) for d in json.load(sys.stdin)))' <<<"$out")"
record=$SIM_WORK/writes.csv
rm -f "$record"
out=$(q station write "$station" "$(f "$profile")" --record "$(f "$record")")
check "write: exit status" 0 $?
check "write --record: the line of the write" "time,port,profile,station,differs|$station,station.profile,holds," \
    "$(tr -d '\r' <"$record" | sed '2s/^[^,]*,//' | paste -sd'|')"
check "write: what the station holds" "language FR|count 2A|socket1 410SSN3210|closings 1" \
    "$(station_ctl config | grep -E '^(language|count|socket1|closings) ' | paste -sd'|')"
check "write: the date of the moment" "date $(date +'%y %m %d')" "$(station_ctl config | grep '^date ')"
q station diff "$station" "$(f "$profile")" >/dev/null
check "diff after the write" 0 $?

# A profile with a line without meaning, or one the rules refuse: nothing sent.
before=$(sets_received)
sed 's/^socket2.meter = .*/socket2.meter = Pulse meter/; s/^socket2.contactor = .*/socket2.contactor = mirror Contact/' \
    "$profile" >"$SIM_WORK/mirror.profile"
out=$(q station write "$station" "$(f "$SIM_WORK/mirror.profile")")
check "a rule refuses: exit status" 2 $?
check "a rule refuses: its line and message" \
    "$(f "$SIM_WORK/mirror.profile"):13: socket2.contactor: The mirror Contact is not available if the pulse meter is used" \
    "$out"
printf 'socket3.type = Type 2\n' >>"$SIM_WORK/mirror.profile"
out=$(q station write "$station" "$(f "$SIM_WORK/mirror.profile")")
check "an unknown key: exit status" 2 $?
check "an unknown key: its line" "$(f "$SIM_WORK/mirror.profile"):17: unknown key \"socket3.type\"" "$out"
check "nothing was sent for either" "$before" "$(sets_received)"

# A station that takes no set command: the write says so.
station_ctl fault ignore-sets >/dev/null
sed -i 's/^language = .*/language = Spanish/' "$profile"
out=$(q station write "$station" "$(f "$profile")")
check "ignored sets: exit status" 1 $?
check "ignored sets: told" "quenby: The station does not hold what was written: station language" \
    "$(grep '^quenby: ' <<<"$out")"
station_ctl fault none >/dev/null

# A silent line: asked first, nothing sent, told so.
before=$(sets_received)
station_ctl fault silence >/dev/null
out=$(q station write "$station" "$(f "$profile")")
check "a silent station: exit status" 1 $?
check "a silent station: told before anything is sent" \
    "quenby station: $station: The station does not answer; nothing was sent" "$out"
check "a silent station: nothing sent" "$before" "$(sets_received)"
# The same in French: the setup tool's own words, then the companion's.
out=$(q --lang fr station write "$station" "$(f "$profile")")
check "a silent station, in French" \
    "1 quenby station: $station: La borne ne répond pas; rien n'a été envoyé" "$? $out"
check "a silent station, in French: nothing sent" "$before" "$(sets_received)"
station_ctl fault none >/dev/null

# A one-socket station: socket 2 and the mode written aside, the profile
# written back and compared without them.
station_ctl set count=1 >/dev/null
station_ctl fault silent-on P2 >/dev/null
one=$SIM_WORK/one.profile
q station read "$station" "$(f "$one")" >/dev/null
check "one socket: read" 0 $?
check "one socket: socket 2 and the mode aside" "sockets = 1|# mode = simultaneous|# socket2.type = ?" \
    "$(grep -E '^(sockets|# mode|# socket2.type) ' "$one" | cut -d' ' -f1-4 | tr -d '\r' | paste -sd'|')"
p2_sets=$(grep -c ' RX 50 32 3' "$SIM2_LOG")
out=$(q station write "$station" "$(f "$one")")
check "one socket: written" 0 $?
check "one socket: no socket 2 sent" "$p2_sets" "$(grep -c ' RX 50 32 3' "$SIM2_LOG")"
q station diff "$station" "$(f "$one")" >/dev/null
check "one socket: diff" 0 $?
station_ctl fault none >/dev/null
station_ctl set count=2C >/dev/null

# A code no option holds: written behind '?', refused when written back.
station_ctl set socket1=611SSX3210 >/dev/null
odd=$SIM_WORK/odd.profile
q station read "$station" "$(f "$odd")" >/dev/null
check "an unknown code: as read" "socket1.type = ?6  # the station's code: no option of the form holds it" \
    "$(grep '^socket1.type' "$odd" | tr -d '\r')"
out=$(q station write "$station" "$(f "$odd")")
check "an unknown code: refused" 2 $?
check "an unknown code: its line" \
    "$(f "$odd"):5: socket1.type: \"?6\" is the station's code, which no option holds: give one of Type 1, Type 2, Type 3A, Type 3C, Domestic" \
    "$(head -1 <<<"$out")"
out=$(q station diff "$station" "$(f "$profile")")
check "an unknown code: diff names it" "socket1.type: profile Type 3C, station ?6" \
    "$(grep '^socket1.type' <<<"$out")"
station_ctl set socket1=410SSN3210 >/dev/null

# A batch of three User cards: a Master card refused on the way, the batch
# cut off after two, then resumed.
printf 'code,accesses,expiry\r\n00001234,15,05/03/2027 14\r\n00001235,,\r\n00001236,7,31/12/2030 23\r\n' \
    >"$SIM_WORK/batch.csv"
log=$SIM_WORK/batch.out
audit=$SIM_WORK/audit.csv
# How long a step may take: VM_E2E_PATIENCE (seconds, default 20) for a line
# to show, half of it without a card for the batch to stop.
patience=${VM_E2E_PATIENCE:-20}
wait_for() { # TEXT: until the batch's output shows it
    for _ in $(seq $((patience * 10))); do grep -q "$1" "$log" 2>/dev/null && return 0; sleep 0.1; done
    tr -d '\r' <"$log" >"$judged"
    check "the batch shows \"$1\" within ${patience} s" shown "not shown"
}
blank() { reader_ctl place "$1" 4=00000000000000000000000000000000 >/dev/null; }
# The card taken off, until the batch has seen the reader without a card (a
# hand takes longer than a poll to lay a card again).
lift() {
    local seen
    seen=$(grep -c ' TX 01 46 46 06 31 38 30 31' "$SIM_LOG")
    reader_ctl remove >/dev/null
    for _ in $(seq $((patience * 10))); do
        [ "$(grep -c ' TX 01 46 46 06 31 38 30 31' "$SIM_LOG")" -gt "$seen" ] && return 0
        sleep 0.1
    done
    check "the batch polls the reader without its card within ${patience} s" polled "not polled"
}
written_lines() { grep ',written' "$audit" | cut -d, -f2-5 | tr -d '\r' | paste -sd'|'; }
# A customer's card lies on the reader when the batch starts: it is lifted
# first, never touched.
reader_ctl card user >/dev/null
customer=$(reader_ctl dump | grep '^04 ')
start_batch cards issue "$reader" "$(f "$SIM_WORK/batch.csv")" --audit "$(f "$audit")" --wait $((patience / 2))
wait_for "a card lies on the reader: lift it first"
sleep 1 # a poll or two with the card there: nothing is asked of it
check "the card lying there is left as it was" "$customer" "$(reader_ctl dump | grep '^04 ')"
reader_ctl remove >/dev/null
wait_for "card 1 of 3: lay"; blank 0A0A0A01
wait_for "card 1 of 3 written"; reader_ctl remove >/dev/null
wait_for "card 2 of 3: lay"; reader_ctl card master >/dev/null
wait_for "refused: Master Card"
master_left=$(reader_ctl dump | grep '^04 ')
reader_ctl remove >/dev/null
# The write goes out, its read-backs are lost: nobody knows, the card must
# be laid again; laid again, it holds its row.
reader_ctl fault silence on=19 skip=1 x3 >/dev/null
blank 0A0A0A02
wait_for "card 0A0A0A02 may be written: lay the same card again"
held=$(reader_ctl dump | grep '^04 ' | cut -c4- | tr -d ' ')
lift
reader_ctl place 0A0A0A02 "4=$held" >/dev/null
wait_for "card 2 of 3 written"; reader_ctl remove >/dev/null
wait_batch
check "cut off: exit status" 1 $?
check "cut off: what it said" "batch stopped: 2 of 3 cards written; --resume goes on with it" "$(tail -1 "$log" | tr -d '\r')"
check "the card of the lost read-back written once" 1 "$(grep -c ' RX 01 46 46 02 31 41 30 41 30 41 30 41 30 32' "$SIM_LOG")"
check "the audit so far" \
    "0A0A0A01,00001234,writing|0A0A0A01,00001234,written|0A0A0A02,00001235,writing|0A0A0A02,00001235,may be written|0A0A0A02,00001235,written" \
    "$(tail -n +2 "$audit" | cut -d, -f2,3,6 | tr -d '\r' | paste -sd'|')"
# Refused before any port is opened, whatever the reader does.
out=$(q cards issue "$reader" "$(f "$SIM_WORK/batch.csv")" --audit "$(f "$audit")")
check "an audit that holds cards needs --resume: exit status" 2 $?
check "an audit that holds cards needs --resume: told" \
    "quenby cards: $(f "$audit") holds 2 cards of a batch already: --resume goes on with it, or give another audit file" \
    "$out"
mkdir "$SIM_WORK/folder.csv"
out=$(q cards issue "$reader" "$(f "$SIM_WORK/batch.csv")" --audit "$(f "$SIM_WORK/folder.csv")" --resume)
check "an audit that cannot be read: exit status" 2 $?
check "an audit that cannot be read: told" "quenby cards: $(f "$SIM_WORK/folder.csv"): is no file" "$out"

start_batch cards issue "$reader" "$(f "$SIM_WORK/batch.csv")" --audit "$(f "$audit")" --resume --wait "$patience"
wait_for "card 3 of 3: lay"; blank 0A0A0A01
wait_for "refused: written in this batch already"; lift; blank 0A0A0A03
wait_for "lift the last card"; last_card=$(reader_ctl dump | grep '^04 '); reader_ctl remove >/dev/null
wait_batch
check "resumed: exit status" 0 $?
check "resumed: rows done already" 2 "$(grep -c 'done already' "$log")"
check "resumed: the last card" "card 3 of 3 written: UID 0A0A0A03, code 00001236" \
    "$(grep 'written: UID' "$log" | tr -d '\r')"
check "every card once in the audit" "0A0A0A01 0A0A0A02 0A0A0A03" \
    "$(grep ',written' "$audit" | cut -d, -f2 | tr -d '\r' | paste -sd' ')"
check "the last card holds its row" "04 00001236FFFFFFFFA523311230A50007" "$last_card"
check "the Master card left as it was" "04 507007305923013112184D4153544552" "$master_left"

# Ctrl+C ends a batch as --wait does: its summary, exit status 1, the audit
# whole (natively: Wine's console gets no signal from here).
if [ "${QUENBY_WINE:-}" != 1 ]; then
    start_batch cards issue "$reader" "$(f "$SIM_WORK/batch.csv")" --audit "$(f "$SIM_WORK/stopped.csv")"
    wait_for "card 1 of 3: lay"
    pkill -INT -P $batch # the batch itself, not the shell that started it
    wait_batch
    check "Ctrl+C: exit status" 1 $?
    check "Ctrl+C: the summary" "batch stopped: 0 of 3 cards written; --resume goes on with it" \
        "$(tail -1 "$judged")"
fi

# A bad row refuses the whole batch, naming its line.
printf 'code,accesses,expiry\n00001237,3,\n00001238,70000,\n' >"$SIM_WORK/bad.csv"
out=$(q cards check "$(f "$SIM_WORK/bad.csv")")
status=$?
check "cards check: a bad row" \
    "2 $(f "$SIM_WORK/bad.csv"):3: Invalid number of accesses: please enter a number from 0 to 65535" \
    "$status $(head -1 <<<"$out")"
printf 'code,accesses,expiry\n00001237,3,\n' >"$SIM_WORK/good.csv"
out=$(q cards check "$(f "$SIM_WORK/good.csv")")
status=$?
check "cards check: a batch that would start" \
    "0 $(f "$SIM_WORK/good.csv"): 1 card, every row passes the card form's checks" "$status $out"
out=$(q cards check "$(f "$SIM_WORK/bad.csv")" --lang it)
status=$?
check "cards check in Italian: the card writer's words, then the companion's" \
    "2 $(f "$SIM_WORK/bad.csv"):3: Numero accessi non valido: inserire un numero da 0 a 65535|quenby cards: il lotto è rifiutato; nessuna carta scritta" \
    "$status $(paste -sd'|' <<<"$out")"
out=$(q cards issue "$reader" "$(f "$SIM_WORK/bad.csv")")
check "a bad row: exit status" 2 $?
check "a bad row: its line" \
    "$(f "$SIM_WORK/bad.csv"):3: Invalid number of accesses: please enter a number from 0 to 65535" \
    "$(head -1 <<<"$out")"
exit $failed
