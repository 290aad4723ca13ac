#!/usr/bin/env bash
# Reading what a window shows, as a user's eye would: X cannot read a label's
# text, so the window is captured, enlarged and read by OCR (tesseract).
# Source after lib.sh.
#
#   window_text WIN          print the words WIN shows, line by line.
#   image_text FILE          the same for a picture.
#   wait_window_text WIN TEXT [SECONDS]   returns 1 unless WIN shows TEXT (a
#                            substring of one line) within SECONDS (default 10).

window_text() {
  local shot="$RUN_DIR/shot.$$.png"
  import -window "$1" "$shot" 2>/dev/null || return 1
  image_text "$shot"
}

image_text() {
  convert "$1" -colorspace Gray -resize 300% "$1.big.png" || return 1
  tesseract "$1.big.png" - --psm 6 2>/dev/null
}

wait_window_text() {
  local win="$1" text="$2" seconds="${3:-10}" tries=0
  while [ "$tries" -lt $((seconds * 2)) ]; do
    window_text "$win" | grep -qF -- "$text" && return 0
    sleep 0.5
    tries=$((tries + 1))
  done
  return 1
}
