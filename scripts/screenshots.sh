#!/usr/bin/env bash
# Takes a screenshot of the game table in each of the four games into docs/screenshots/.
# Needs a built tree (scripts/tandora.sh test) and xvfb, xauth and imagemagick.
set -euo pipefail
cd "$(dirname "$0")/.."
out=docs/screenshots
mkdir -p "$out"

shoot() { # name jb85 jb96 dw jp
    local name=$1 config
    config=$(mktemp -d)
    mkdir -p "$config/Tandora"
    cat > "$config/Tandora/Tandora.ini" <<INI
[Options]
JacksOrBetter=$2
JacksOrBetter96=$3
DeucesWild=$4
JokerPoker=$5
SoundEffects=False
INI
    XDG_CONFIG_HOME=$config xvfb-run -a -s "-screen 0 800x600x24" bash -c "
        build/bin/tandora & pid=\$!
        sleep 4
        import -window 'Tandora - [untitled]' '$out/$name.png'
        kill \$pid" >/dev/null 2>&1
    rm -rf "$config"
    echo "$out/$name.png"
}

shoot jacks-or-better-8-5 True False False False
shoot jacks-or-better-9-6 False True False False
shoot deuces-wild False False True False
shoot joker-poker False False False True
