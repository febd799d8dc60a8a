#!/usr/bin/env bash
# Takes the README's screenshots into docs/screenshots/: the table of each game, hands played with the
# keyboard (cards replayed from a fixed seed), the information windows and the strategy advisor. Needs a
# built tree (scripts/tandora.sh test) and xvfb, xdotool and imagemagick. With file names as arguments
# (hold-analysis.png ...), only the runs that take those screenshots are made.
set -euo pipefail
cd "$(dirname "$0")/.."
out=docs/screenshots
mkdir -p "$out"
wanted=("$@")

# session OPTIONS-INI STEPS...
# A step is a key name for xdotool (dollar, p, 1, d, y, ctrl+g...), "shot:FILE" for a screenshot of the
# table with whatever lies over it, "window:TITLE:FILE" for one of the window with that title, "focus" to
# give the table the keyboard again after a dialog, "type:TEXT" to type into a dialog, or "wait:SECONDS".
# SEED picks other cards (77 unless set); SCREEN sets the virtual screen's size, for windows larger than the table; SCALE the table's size in percent
# (100 unless set) and QT_SCALE the screen's pixel ratio (1 unless set).
session() {
    local options=$1
    shift
    if ((${#wanted[@]})); then
        local step name hit=
        for step in "$@"; do
            for name in "${wanted[@]}"; do
                [[ $step == *:"$name" ]] && hit=1
            done
        done
        [[ -n $hit ]] || return 0
    fi
    local config
    config=$(mktemp -d)
    mkdir -p "$config/Tandora" "$config/home/Documents" "$config/runtime"
    chmod 700 "$config/runtime"
    printf '[Options]\nSoundEffects=False\n%b[Display]\nScale=%s\n' "$options" "${SCALE:-100}" \
        >"$config/Tandora/Tandora.ini"
    # Private folders: the settings, the saved games, and the single-instance lock of this copy alone.
    HOME=$config/home XDG_CONFIG_HOME=$config XDG_RUNTIME_DIR=$config/runtime TMPDIR=$config TANDORA_SEED=${SEED:-77} \
        QT_SCALE_FACTOR=${QT_SCALE:-1} \
        xvfb-run -a -s "-screen 0 ${SCREEN:-1024x768x24}" bash -c '
        crop() {
            eval "$(xdotool getwindowgeometry --shell "$1")"
            import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "'"$out"'/$2"
            echo "'"$out"'/$2"
        }
        build/bin/tandora & pid=$!
        sleep 4
        wid=$(xdotool search --name "Tandora - " | head -1)
        xdotool windowfocus "$wid"
        for step in "$@"; do
            case $step in
            shot:*) crop "$wid" "${step#shot:}" ;;
            window:*)
                target=${step#window:}
                crop "$(xdotool search --name "^${target%%:*}\$" | head -1)" "${target#*:}" ;;
            wait:*) sleep "${step#wait:}" ;;
            focus) xdotool windowfocus "$wid"; sleep 0.5 ;;
            type:*) xdotool type --delay 40 "${step#type:}" ;;
            *) xdotool key "$step"; sleep 0.8 ;;
            esac
        done
        kill $pid' bash "$@" 2>/dev/null
    rm -rf "$config"
}

session 'JacksOrBetter=True\n' shot:jacks-or-better-8-5.png
session 'JacksOrBetter=False\nJacksOrBetter96=True\n' shot:jacks-or-better-9-6.png
session 'JacksOrBetter=False\nDeucesWild=True\n' shot:deuces-wild.png
session 'JacksOrBetter=False\nJokerPoker=True\n' shot:joker-poker.png

# Three kings dealt: hold them, draw, and gamble the win; then cash out.
session 'DoubleUp=True\n' dollar p 1 2 4 shot:dealt-hand-with-holds.png d wait:2 shot:double-up-question.png \
    y 3 wait:2 shot:double-up-finished.png c wait:1 shot:cash-out-receipt.png
# The same hand with Double Up off: the win is paid at once.
session 'DoubleUp=False\n' dollar p 1 2 4 d wait:2 shot:win.png

# A few hands, then the information windows.
session 'DoubleUp=True\n' dollar p 1 2 4 d wait:2 n p d p d p 3 d wait:1 \
    ctrl+g wait:1 "window:Game Statistics.*:statistics.png" Escape focus ctrl+k wait:1 \
    "window:Keyboard Shortcuts:keyboard-shortcuts.png" Escape focus alt+h a wait:1 "window:About Tandora:about.png" \
    Escape focus F1 wait:2 "window:Tandora Help:help.png"

# Two games saved, then the Game menu with its recent files.
session 'DoubleUp=False\n' dollar p d ctrl+s wait:1 type:friday-night Return wait:1 focus p d alt+g a wait:1 \
    type:saturday-afternoon Return wait:1 focus alt+g wait:1 shot:game-menu-recent-files.png Escape

# The advisor: the same dealt hand with the best hold marked, and the value of each of its 32 holds (on a
# screen tall enough for the report to show without scrolling).
SCREEN=1024x840x24 session 'DoubleUp=False\n[Strategy]\nShowBestHold=True\n' dollar p wait:1 shot:best-hold-hints.png ctrl+h wait:1 \
    "window:Hold Analysis:hold-analysis.png"

# A screen that doubles pixels: the table painted anew at twice the pixels, three kings held.
QT_SCALE=2 SCREEN=1280x1000x24 session 'DoubleUp=False\n' dollar p 1 2 4 shot:table-at-2x.png
# Jacks or Better 9/5 on the table, then the Pay Table dialog with the player's own straight flush of 100:
# the return of the table as typed, worked out while the dialog stays open.
session '[PayTables]\njb85=250,50,25,9,5,4,3,2,1,4000\n' shot:own-pay-table.png alt+o p wait:2 Tab Tab ctrl+a \
    type:100 wait:2 "window:Pay Table.*:pay-table-dialog.png"

# A deal whose best play keeps nothing: every label asks for a fresh draw. Then the strategy chart of the
# game with the line for that hand marked (worked out while the window waits).
SEED=12 SCREEN=1024x1200x24 session 'DoubleUp=False\n[Strategy]\nShowBestHold=True\n' dollar p wait:1 \
    shot:draw-five-hint.png alt+s c wait:10 "window:Strategy Chart:strategy-chart.png"
