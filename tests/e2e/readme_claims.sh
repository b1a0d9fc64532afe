#!/usr/bin/env bash
# The README's claims that code can check, a table of them each: the files the programs make and
# where, the paths of the tree it names, every lunetide-reading example run and compared byte for
# byte, the status bars' snippets run as the bars run them, and the exit statuses. A row whose
# words the README no longer has fails too: the README and this table change together.
#
#   readme_claims.sh <lunetide> <lunetide-reading> <source folder> <build folder>
source "$(dirname "${BASH_SOURCE[0]}")/x_session.sh"
READING=${2:?} SOURCE=${3:?} BUILD=${4:?}

# The README as one line, its runs of blanks made one, so that a claim may wrap.
readme=$(tr '\n' ' ' <"$SOURCE/README.md" | tr -s ' ')
says() { [[ $readme == *"$1"* ]] || fail "the README no longer says: $1"; }

step "the files lunetide makes"
settings_rows=(
    # claim | XDG_CONFIG_HOME for the run | where the setting must be
    "\`~/.config/Lunetide/lunetide.conf\`||$HOME/.config/Lunetide/lunetide.conf"
    "(\`\$XDG_CONFIG_HOME/Lunetide/lunetide.conf\` when \`XDG_CONFIG_HOME\` is an absolute path)|$sandbox/xdg|$sandbox/xdg/Lunetide/lunetide.conf"
)
says "its lock file is \`/run/user/UID/lunetide.lock\` (UID your user number), or \`~/.cache/lunetide/lunetide.lock\` where that folder is missing or not private to you;"
says "the lock goes at the end, the \`~/.cache/lunetide/\` folder stays."
says "Exit status of \`lunetide\`:** 0 when it ended normally"
for row in "${settings_rows[@]}"; do
    IFS='|' read -r claim config expected <<<"$row"
    says "$claim"
    if [[ -n $config ]]; then
        launch_prefix=(env XDG_CONFIG_HOME="$config")
    else
        launch_prefix=()
    fi
    launch
    launch_prefix=()
    program=$launched
    wait_for_window "$program" 'Lunetide v1\.15' >/dev/null
    wait_until 10 test -s "$expected" || fail "no setting at $expected"
    [[ $(head -n 1 "$expected") == '[Settings]' ]] || fail "$expected: $(cat "$expected")"
    [[ -e $lock ]] || fail "no lock at $lock while lunetide runs"
    kill -TERM "$program"
    expect_clean_end "$program" "$WINDOW_TIMEOUT" "lunetide, setting at $expected"
    [[ ! -e $lock ]] || fail "the lock $lock stays after the end"
    [[ $lock != "$HOME/.cache/lunetide/lunetide.lock" || -d $HOME/.cache/lunetide ]] ||
        fail "the ~/.cache/lunetide folder went"
done

step "the paths of the tree"
says "lands in \`build/default/cli/\`"
says "(\`build/default/packaging/man/\`)"
[[ -x $BUILD/cli/lunetide-reading && -s $BUILD/packaging/man/lunetide.1.gz &&
    -s $BUILD/packaging/man/lunetide-reading.1.gz ]] || fail "build/default: programs or pages missing"
paths=$(grep -oP '(?<![/\w])(scripts|bench|docs|packaging)/[\w.*-]+(/[\w.*-]+)*' \
    "$SOURCE/README.md" | sort -u)
[[ -n $paths ]] || fail "no paths found in the README"
while IFS= read -r path; do
    compgen -G "$SOURCE/$path" >/dev/null || fail "the README names $path, which is not there"
done <<<"$paths"

step "every lunetide-reading example, byte for byte"
work=$sandbox/examples
mkdir -p "$work"
commands=() outputs=()
command='' output='' in_example=false
flush() {
    if $in_example; then
        commands+=("$command")
        outputs+=("$(sed -e :a -e '/^\n*$/{$d;N;ba' -e '}' <<<"$output")") # without blank lines at the end
    fi
    in_example=false output=''
}
while IFS= read -r line; do
    if [[ $line == '    $ lunetide-reading'* ]]; then
        flush
        command=${line#'    $ '} in_example=true
    elif $in_example && [[ -z $line || $line == '    '* ]]; then
        output+="${line#'    '}"$'\n'
    else
        flush
    fi
done <"$SOURCE/README.md"
flush
((${#commands[@]} >= 8)) || fail "only ${#commands[@]} examples found"
for i in "${!commands[@]}"; do
    got=$(cd "$work" && PATH="$(dirname "$READING"):$PATH" LC_ALL=C.UTF-8 TZ=UTC bash -o pipefail -c \
        "${commands[i]}"; echo "status $?")
    expected="${outputs[i]}${outputs[i]:+$'\n'}status 0"
    [[ $got == "$expected" ]] ||
        fail "\$ ${commands[i]}"$'\n'"$(diff <(echo "$expected") <(echo "$got"))"
done
step "${#commands[@]} examples as the README shows them"
listed=$(grep -oP 'one object per day with the keys \K[^.]*' <<<"$readme" | grep -oP '`\K\w+(?=`)' |
    LC_ALL=C sort)
[[ -n $listed && $listed == "$("$READING" --json 2007-12-23 | jq -r 'keys[]')" ]] ||
    fail "the README lists the JSON keys"$'\n'"$listed"

step "the status bars' snippets, run as the bars run them"
# The README's indented block that begins with the line $1, without its indent; a bar's command.
snippet() { awk -v s="    $1" '$0 == s { on = 1 } on && !NF { exit } on { print substr($0, 5) }' \
    "$SOURCE/README.md"; }
bar() { (cd "$work" && PATH="$(dirname "$READING"):$PATH" LC_ALL=C.UTF-8 bash -o pipefail -c "$1"); }
module=$(jq -ce '."custom/moon" | select(."return-type" == "json" and (.interval | numbers))' \
    <<<"{$(snippet '"custom/moon": {')}") || fail "the README's waybar module"
said=$(bar "$(jq -r .exec <<<"$module")") && [[ $said != *$'\n'* ]] && jq -e '(keys ==
    ["class", "percentage", "text", "tooltip"]) and (.percentage | . == floor)' <<<"$said" >/dev/null ||
    fail "waybar's exec writes: $said"
polybar=$(snippet '[module/moon]')
i3blocks=$(snippet '[moon]')
grep -qx 'type = custom/script' <<<"$polybar" && grep -qE '^interval = [0-9]+$' <<<"$polybar" &&
    grep -qE '^interval=[0-9]+$' <<<"$i3blocks" || fail "polybar's or i3blocks' snippet"
# Every field the README lists is the program's, and a template of them all is filled whole.
listed=$(grep -oP 'The fields are \K.*?(?=`\{\{` stands)' <<<"$readme" | grep -oP '\{\w+\}' | sort) || true
known=$({ "$READING" --format '{?}' 2>&1 || true; } | grep -oP 'give \K.*' | grep -oP '\{\w+\}' | sort) || true
[[ -n $listed && $listed == "$known" ]] ||
    fail "the README's fields:"$'\n'"$listed"$'\n'"the program's:"$'\n'"$known"
for command in "$(grep -oP '^exec = \K.*' <<<"$polybar")" "$(grep -oP '^command=\K.*' <<<"$i3blocks")" \
    "lunetide-reading --format '$(tr -d '\n' <<<"$listed")'"; do
    said=$(bar "$command") && [[ -n $said && $said != *[$'\n{}']* ]] || fail "$command writes: $said"
done

step "the exit statuses"
status_rows=(
    # claim | command | status | standard error
    "Exit status of \`lunetide-reading\`:** 0 when the readings were written;|$READING 2007-12-23 >/dev/null|0|"
    "1 when the output could not be written;|$READING 2007-12-23 >/dev/full|1|lunetide-reading: cannot write the output: No space left on device"
    "2 when the arguments were refused (one line on standard error says why, as in \`lunetide-reading: unknown option --bogus (try --help)\`, and standard output stays empty).|$READING --bogus|2|lunetide-reading: unknown option --bogus (try --help)"
    "An option's value may also follow it after \`=\`, as in \`--month=2026-12\`|cmp <($READING --month=2026-12) <($READING --month 2026-12)|0|"
    "ended by SIGPIPE (status 141 in the shell) when the reader of a pipe goes away before all is written, as other tools are, and says nothing|$READING --from 1900-01-01 --to 2099-12-31 > >(head -n 1 >/dev/null)|141|"
    "so every other day is refused,|$READING 1899-12-31|2|lunetide-reading: invalid date '1899-12-31' for DATE: only 1900-01-01 to 2099-12-31 can be read"
    "0 when it ended normally or printed its help or version;|$LUNETIDE --version >/dev/null|0|"
    "1 when no display could be opened|env -u DISPLAY -u WAYLAND_DISPLAY $LUNETIDE|1|lunetide: no display could be opened: neither DISPLAY nor WAYLAND_DISPLAY is set"
    "or the one named cannot be reached)|env -u WAYLAND_DISPLAY DISPLAY=:1234 QT_QPA_PLATFORM=xcb $LUNETIDE|1|lunetide: the display could not be opened: DISPLAY=:1234"
    "2 when the arguments were refused.|$LUNETIDE --bogus >/dev/null|2|lunetide: unknown option --bogus (try --help)"
)
for row in "${status_rows[@]}"; do
    IFS='|' read -r claim command status errors <<<"$row"
    says "$claim"
    got=0
    said=$(bash -c "$command" 2>&1) || got=$?
    [[ $got == "$status" && $said == "$errors" ]] ||
        fail "$command: status $got, said \"$said\"; the README: $claim"
done
echo "PASS"
