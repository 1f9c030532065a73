#!/bin/bash
# Shows the editor under a virtual X server, picks a template and writes a
# two-line Chinese caption with the keyboard and mouse, then saves the screen, or with
# "window" only the editor's window (the screenshot of the metainfo).
#   caption-shot.sh [editor binary] [output png] [screen|window]
set -euo pipefail

binary=${1:-"$(dirname "$0")/../../build-caption/app/zanvo"}
output=${2:-/tmp/zanvo-caption.png}
what=${3:-screen}
binary=$(realpath "$binary")

if [ -z "${ZANVO_SHOT_INSIDE:-}" ]; then
    export ZANVO_SHOT_INSIDE=1
    exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" "$0" "$binary" "$output" "$what"
fi

home=$(mktemp -d)
trap 'kill "$editor" 2>/dev/null || true; rm -rf "$home"' EXIT
mkdir -p "$home/Desktop"
HOME=$home XDG_RUNTIME_DIR=$home XDG_CONFIG_HOME=$home/.config QT_QPA_PLATFORM=xcb "$binary" &
editor=$!

window=$(xdotool search --sync --onlyvisible --name '^ZanvoV4$' | head -n 1)
xdotool windowfocus --sync "$window"

# Client-area points of the controls, from the window definition.
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.3; }
typeInto() {
    click "$1" "$2"
    xdotool key --delay 30 ctrl+a
    xdotool type --delay 60 "$3"
}

# The template list: the first row, then down to "懵逼狗" (index 9).
click 480 180
xdotool key --delay 60 Home Down Down Down Down Down Down Down Down Down

# Caption box 250 wide and 60 high: the boxes move the sliders, a page step on
# each slider's channel (above its ticks) hands the size to the caption.
typeInto 482 332 250
typeInto 482 368 60
click 640 326
click 640 361

# The caption text, two lines, typed into its box.
click 500 80
xdotool key --delay 30 ctrl+a BackSpace
xdotool type --delay 80 "我不是针对谁"
xdotool key Return
xdotool type --delay 80 "在座的各位都是垃圾"
sleep 0.5

if [ "$what" = window ]; then
    import -window "$window" "$output"
else
    import -window root "$output"
fi
echo "$output"
