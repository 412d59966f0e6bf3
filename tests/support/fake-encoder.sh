#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Clipforger developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Stands in for HandBrakeCLI. Logs into $FAKE_ENCODER_LOG, per run n: args.n (arguments,
# NUL-terminated), pid.n, stdin.n (what standard input is), priority.n (CPU nice value and I/O
# priority) and commands.n (the lines it took from standard input). Overlapping runs append to "overlap". What to do comes from the first line of the input file ($2); an unreadable input
# does nothing and exits 0, so that paths made up by tests are never written:
#   ok | exit N | signal N | partial | flood | no-output
#   | sleep [PERCENT] | sleep-ignoring-interrupt (report PERCENT, 5 unless given, and run on)
#   | write (the rest of the input file to stdout, one write per piece ended by a form feed,
#     a moment apart, then succeed)
#   | wait-for FILE (report all encoded and hold the output open until FILE exists, then read
#     the input again, as HandBrakeCLI does after its scan: exit 3 if that fails, else succeed)
#   | pausable [PERCENT] (as HandBrakeCLI on its keys: one command line taken at a time, a moment
#     apart; "p" holds, says so and reports nothing, "r" goes on; reports count up from PERCENT,
#     10 unless given; succeed three reports after a resume)
set -u
log=${FAKE_ENCODER_LOG:?}
output=${4:-/dev/null}

read -r mode argument <"$2" 2>/dev/null || mode=no-output
# Before the run is logged: a test that sees the log may interrupt at once.
[[ $mode == sleep-ignoring-interrupt ]] && trap '' INT

# Marked before looking for others, so that two runs started at once both see each other.
touch "$log/running.$$"
trap 'rm -f "$log/running.$$"' EXIT
for marker in "$log"/running.*; do
    other=${marker##*.}
    if [[ $other != $$ ]] && kill -0 "$other" 2>/dev/null; then
        echo $$ >>"$log/overlap"
        break
    fi
done

n=1
until mkdir "$log/run.$n" 2>/dev/null; do n=$((n + 1)); done
printf '%s\0' "$@" >"$log/args.$n"
echo $$ >"$log/pid.$n"
readlink /proc/$$/fd/0 >"$log/stdin.$n"
echo "$(nice) $(ionice -p $$)" >"$log/priority.$n"

progress() {
    printf '{"Progress": {"PercentComplete": 10}}\n'
    sleep 0.1
    printf '{"Progress": {"PercentComplete": 20}}\n' >&2
    sleep 0.1
    printf 'Encoding: task 1 of 1, 30.00 %%\n'
    sleep 0.1
    printf 'Encoding: task 1 of 1, 40.00 %% (9.00 fps, avg 9.00 fps, ETA 00h00m40s)\n' >&2
}

case $mode in
ok)
    progress
    printf 'converted' >"$output"
    ;;
exit)
    progress
    printf 'Encode failed (error %s).\nHandBrake has exited.\n' "$argument" >&2
    exit "$argument"
    ;;
signal)
    kill -"$argument" $$
    ;;
partial)
    printf 'half an mp4' >"$output"
    exit 1
    ;;
sleep | sleep-ignoring-interrupt)
    printf 'half an mp4' >"$output"
    # A child in the encoder's process group, which outlives an encoder killed alone. Started in
    # the background, it ignores interrupts: the encoder ends it when it takes one.
    sleep 600 &
    [[ $mode == sleep ]] && trap "kill $!; exit 130" INT
    printf 'Encoding: task 1 of 1, %d.00 %% (9.00 fps, avg 9.00 fps, ETA 00h03m00s)\n' \
        "${argument:-5}"
    wait
    exit 130
    ;;
flood)
    head -c 16M /dev/urandom >&2
    head -c 32M /dev/zero | tr '\0' x
    sleep 0.1
    printf 'Encoding: task 1 of 1, 99.00 %%\n'
    printf 'converted' >"$output"
    ;;
no-output) ;;
write)
    tail -n +2 "$2" | while IFS= read -r -d $'\f' piece; do
        printf '%s' "$piece"
        sleep 0.1
    done
    printf 'converted' >"$output"
    ;;
wait-for)
    exec 3>"$output"
    printf 'Encoding: task 1 of 1, 100.00 %%\n'
    until [[ -e $argument ]]; do sleep 0.05; done
    head -c 1 "$2" >/dev/null 2>&1 || exit 3
    printf 'converted' >&3
    ;;
pausable)
    percent=${argument:-10} held=0 resumed=0 unsaid=''
    while ((resumed < 4)); do
        # A timed-out read may lose what came in meanwhile: wait first, then read the line.
        sleep 0.1
        if read -r -t 0 && read -r command; then
            echo "$command" >>"$log/commands.$n"
            case $command in
            # Its words wait in its output buffer for the next report.
            p) held=1 unsaid=$'\nEncoding Paused by user command, \'r\' to resume\n' ;;
            r) held=0 resumed=1 ;;
            esac
        fi
        ((held)) && continue
        printf '%sEncoding: task 1 of 1, %d.00 %%\n' "$unsaid" $((percent++))
        unsaid=''
        ((resumed)) && resumed=$((resumed + 1))
    done
    printf 'converted' >"$output"
    ;;
esac
exit 0
