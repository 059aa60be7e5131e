# Sourced by scripts/windows-test.sh and scripts/windows-bench.sh with a
# scratch folder: Wine in a prefix of its own there, a HOME whose ALSA device
# is a null one (Wine finds no sound card in a headless machine otherwise, and
# the game would not start), and an Xvfb whose screen is a file.
work=$1
export HOME=$work/home WINEPREFIX=$work/prefix WINEDEBUG=-all
# No Mono or Gecko installer asking on the display.
export WINEDLLOVERRIDES="mscoree=d;mshtml=d"
mkdir -p "$HOME"
printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' > "$HOME/.asoundrc"
cc -O2 -o "$work/close-window" "$(dirname "${BASH_SOURCE[0]}")/close-window.c" -lX11

# wine_prefix_new: makes the prefix, with no display, and waits until its
# wineserver has ended: one left running would hold CTest's output open.
wine_prefix_new() {
    env -u DISPLAY wineboot -i > /dev/null 2>&1
    wineserver -w
}

# wine_display FOLDER: starts an Xvfb whose screen is FOLDER/Xvfb_screen0,
# exports its DISPLAY and keeps its process id in xvfb.
wine_display() {
    local number=90
    while [[ -e /tmp/.X$number-lock || -e /tmp/.X11-unix/X$number ]]; do
        number=$((number + 1))
    done
    mkdir -p "$1"
    Xvfb ":$number" -screen 0 1024x768x24 -fbdir "$1" -noreset -nolisten tcp > /dev/null 2>&1 &
    xvfb=$!
    for _ in $(seq 100); do
        [[ -e /tmp/.X11-unix/X$number ]] && break
        sleep 0.1
    done
    export DISPLAY=:$number
}

# wine_settings_file: where the game keeps its settings in the prefix.
wine_settings_file() {
    local user
    user=$(find "$WINEPREFIX/drive_c/users" -mindepth 1 -maxdepth 1 ! -name Public -printf '%f\n' | head -n 1)
    echo "$WINEPREFIX/drive_c/users/$user/AppData/Roaming/Fornalina/settings.cfg"
}
