#!/usr/bin/env bash
# quenby on Linux against both simulators' pseudo-terminals (started by
# with-sim --native: the reader as SIM_*, the station as SIM2_*).
set -u
bin=${VM_SIM_BIN:-$VM_BUILD/native/bin}
q=$bin/quenby
ctl=$bin/simctl
. "$(dirname "$0")/check.sh"

"$ctl" "$SIM_CONTROL_PORT" place 0A1B2C3D 4=00001234FFFFFFFFA514050327A5000F >/dev/null
out=$(judge "$q" ports --probe "$SIM_DEVICE" "$SIM2_DEVICE" "$SIM_WORK/absent")
check "probe exit status: a port named is not there" 1 $?
check "the reader's line" "$SIM_DEVICE  card reader  (card 0A1B2C3D on it)" "$(sed -n 1p <<<"$out")"
check "the station's line" "$SIM2_DEVICE  charging station  (language IT, 2 sockets)" \
    "$(sed -n 2p <<<"$out")"
check "the absent port's line" "$SIM_WORK/absent  not present" "$(sed -n 3p <<<"$out")"
check "the probe changed no card" "04 00001234FFFFFFFFA514050327A5000F" \
    "$("$ctl" "$SIM_CONTROL_PORT" dump | grep '^04 ')"
check "the station received queries only (L, N)" "4C 0D,4E 0D," \
    "$(grep ' RX ' "$SIM2_LOG" | grep -v ' 01 46 46 ' | cut -d' ' -f3- | tr '\n' ,)"

out=$(judge "$q" ports "$SIM_DEVICE" "$SIM_WORK/absent")
check "a port named that is not there, without --probe" \
    "1 $SIM_DEVICE|$SIM_WORK/absent  not present" "$? $(paste -sd'|' <<<"$out")"

# A line that echoes what it is sent, or answers noise, is no device found.
"$ctl" "$SIM_CONTROL_PORT" fault garbage 01 46 46 02 31 38 03 09 0D >/dev/null
out=$(judge "$q" ports --probe "$SIM_DEVICE")
check "an echo is an unknown device" \
    "0 $SIM_DEVICE  an unknown device  (it answers, but neither as a card reader nor as a station)" \
    "$? $out"
"$ctl" "$SIM_CONTROL_PORT" fault garbage 5A 3C 99 A1 0D >/dev/null
out=$(judge "$q" ports --probe "$SIM_DEVICE")
check "noise is an unknown device" "$SIM_DEVICE  an unknown device" "$(cut -c1-$((${#SIM_DEVICE} + 19)) <<<"$out")"
"$ctl" "$SIM_CONTROL_PORT" fault none >/dev/null
# Two card readers: --use stores neither and names both.
"$bin/reader-sim" --link "$SIM_WORK/second" --port-file "$SIM_WORK/second.port" \
    --log "$SIM_WORK/second.log" 2>/dev/null &
second=$!
for _ in $(seq 100); do [ -s "$SIM_WORK/second.port" ] && break; sleep 0.1; done
out=$(judge "$q" ports --probe --use "$SIM_DEVICE" "$SIM_WORK/second")
check "two readers: exit status" 1 $?
check "two readers: neither stored, both named" \
    "quenby ports: card readers on $SIM_DEVICE, $SIM_WORK/second: nothing stored for them; probe the one to use alone with --use" \
    "$(grep '^quenby ports: card readers' <<<"$out")"
check "two readers: each line says so" 2 "$(grep -c '  not stored$' <<<"$out")"
kill $second; wait $second 2>/dev/null

# The simulators' logs in words.
check "the reader's log decoded" "card 0A1B2C3D on the reader" \
    "$(judge "$q" decode "$SIM_LOG" | grep -o '= card .*' | head -1 | cut -c3-)"
check "the station's log decoded" "2 sockets, simultaneous" \
    "$(judge "$q" decode <"$SIM2_LOG" | grep -o '= 2 sockets.*' | head -1 | cut -c3-)"

# Errors: on standard error, with a status other than 0.
judge "$q" ports COM7 >/dev/null
check "a COM name on Linux is refused" "2 quenby ports: \"COM7\" names no port (a device path such as /dev/ttyUSB0)" \
    "$? $(cat "$judged")"
judge "$q" ports --probe --use "$SIM_DEVICE" >/dev/null
check "--use stores nothing on Linux" 1 $?
judge "$q" decode "$SIM_WORK/none" >/dev/null
check "a trace that is not there" 1 $?
judge "$q" log >/dev/null
check "log on Linux" 1 $?
# Six ports at once: the reader, the station, three lines nobody answers on
# (pseudo-terminals held open by a process that never reads), one absent.
# Every port is asked at the same time; the probe's time is printed (the
# benchmark measures it; no test asserts a time).
silent=()
for n in 1 2 3; do
    python3 -c 'import os, sys, time
master, slave = os.openpty()
os.symlink(os.ttyname(slave), sys.argv[1])
time.sleep(120)' "$SIM_WORK/silent$n" &
    silent+=($!)
done
for n in 1 2 3; do
    for _ in $(seq 50); do [ -e "$SIM_WORK/silent$n" ] && break; sleep 0.1; done
done
"$ctl" "$SIM_CONTROL_PORT" place 0A1B2C3D 4=00001234FFFFFFFFA514050327A5000F >/dev/null
started=$(date +%s%N)
out=$(judge "$q" ports --probe "$SIM_DEVICE" "$SIM2_DEVICE" "$SIM_WORK/silent1" \
    "$SIM_WORK/silent2" "$SIM_WORK/silent3" "$SIM_WORK/absent")
status=$?
took=$((($(date +%s%N) - started) / 1000000))
kill "${silent[@]}" 2>/dev/null
echo "info: six ports probed in $took ms"
check "six ports: exit status (one is absent)" 1 $status
check "six ports: each answers as it is, in the order given" \
    "$SIM_DEVICE  card reader  (card 0A1B2C3D on it)|$SIM2_DEVICE  charging station  (language IT, 2 sockets)|$SIM_WORK/silent1  no answer|$SIM_WORK/silent2  no answer|$SIM_WORK/silent3  no answer|$SIM_WORK/absent  not present" \
    "$(paste -sd'|' <<<"$out")"

# The environment's language, on Linux; --lang before it.
out=$(LC_ALL= LC_MESSAGES= LANG=es_ES.UTF-8 judge "$q" ports --probe "$SIM2_DEVICE" "$SIM_WORK/absent")
check "LANG=es_ES: the probe in Spanish" \
    "1 $SIM2_DEVICE  estación de carga  (idioma IT, 2 tomas)|$SIM_WORK/absent  no presente" \
    "$? $(paste -sd'|' <<<"$out")"
out=$(LC_ALL= LC_MESSAGES=it_IT.UTF-8 LANG=es_ES.UTF-8 judge "$q" --lang en ports "$SIM_WORK/absent")
check "--lang before LC_MESSAGES before LANG" "$SIM_WORK/absent  not present" "$out"
out=$(LC_ALL= LC_MESSAGES=it_IT.UTF-8 LANG=es_ES.UTF-8 judge "$q" ports "$SIM_WORK/absent")
check "LC_MESSAGES before LANG" "$SIM_WORK/absent  non presente" "$out"
judge "$q" --lang fr --help >/dev/null
check "--help in French" "0 1" "$? $(grep -c '^Code de sortie: 0 fait; 1 pas fait' "$judged")"
judge "$q" --lang de ports >/dev/null
check "--lang that names no language" "2 quenby: --lang: \"de\" is not it, en, es or fr" \
    "$? $(head -1 "$judged")"
judge "$q" station write "$SIM2_DEVICE" --lang es >/dev/null
check "a usage error in Spanish" "2 quenby: FILE es obligatorio" "$? $(head -1 "$judged")"
judge "$q" --lang it cards issue "$SIM_DEVICE" b.csv --audit >/dev/null
check "an option without its value, in Italian" "2 quenby: --audit: indicare un valore (FILE)" \
    "$? $(head -1 "$judged")"

# Usage errors: exit status 2 and a message that names what is wrong.
judge "$q" >/dev/null
check "no command" "2 quenby: a command is wanted: ports, log, decode, station, cards" \
    "$? $(head -1 "$judged")"
judge "$q" station >/dev/null
check "a station job not named" "2 quenby: station: a command is wanted: read, write, diff, check" \
    "$? $(head -1 "$judged")"
judge "$q" cards issue "$SIM_DEVICE" "$SIM_WORK/none.csv" --wait 0 >/dev/null
check "--wait 0" "2 quenby: --wait: \"0\" is no whole number of seconds from 1 up" \
    "$? $(head -1 "$judged")"
judge "$q" --help >/dev/null
check "--help gives the exit statuses" "0 1" "$? $(grep -c '^Exit status: 0 done; 1 not done' "$judged")"
judge "$q" --version >/dev/null
check "--version" "0 quenby 1.0" "$? $(cat "$judged")"
exit $failed
