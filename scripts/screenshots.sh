#!/usr/bin/env bash
# Takes the README's screenshots into docs/screenshots/: the table of each game, and a hand played with the
# keyboard (cards replayed from a fixed seed). Needs a built tree (scripts/tandora.sh test) and xvfb,
# xdotool and imagemagick.
set -euo pipefail
cd "$(dirname "$0")/.."
out=docs/screenshots
mkdir -p "$out"

# session NAME-OF-RUN OPTIONS-INI STEPS...
# A step is a key name for xdotool (dollar, p, 1, d, y, ctrl+g...), "shot:FILE" for a screenshot of the table
# with whatever lies over it, "window:TITLE:FILE" for a screenshot of the window of that title, or
# "wait:SECONDS".
session() {
    local options=$1
    shift
    local config
    config=$(mktemp -d)
    mkdir -p "$config/Tandora"
    printf '[Options]\nSoundEffects=False\n%b' "$options" >"$config/Tandora/Tandora.ini"
    mkdir -p "$config/home/Documents"
    HOME=$config/home XDG_CONFIG_HOME=$config TANDORA_SEED=77 xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
        build/bin/tandora & pid=$!
        sleep 4
        wid=$(xdotool search --name "Tandora - " | head -1)
        xdotool windowfocus "$wid"
        for step in "$@"; do
            case $step in
            shot:*)
                # The table window and whatever dialog lies over it.
                eval "$(xdotool getwindowgeometry --shell "$wid")"
                import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "'"$out"'/${step#shot:}"
                echo "'"$out"'/${step#shot:}" ;;
            window:*)
                spec=${step#window:}
                title=${spec%%:*}
                other=$(xdotool search --name "$title" | tail -1)
                eval "$(xdotool getwindowgeometry --shell "$other")"
                import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "'"$out"'/${spec#*:}"
                echo "'"$out"'/${spec#*:}" ;;
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
    ctrl+g wait:1 "window:Game Statistics:statistics.png" Escape focus ctrl+k wait:1 \
    "window:Keyboard Shortcuts:keyboard-shortcuts.png" Escape focus alt+h a wait:1 "window:About Tandora:about.png" \
    Escape focus F1 wait:2 "window:Tandora Help:help.png"

# Two games saved, then the Game menu with its recent files.
session 'DoubleUp=False\n' dollar p d ctrl+s wait:1 type:friday-night Return wait:1 focus p d alt+g a wait:1 \
    type:saturday-afternoon Return wait:1 focus alt+g wait:1 shot:game-menu-recent-files.png Escape
