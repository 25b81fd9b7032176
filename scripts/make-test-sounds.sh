#!/usr/bin/env bash
# Makes the sounds that the conversion test drops on Chimelo, in the folder
# given: a stereo 440 Hz tone of 3 s in each format, each at its own level;
# a click train, quiet but for its peaks; a tone of 30 s; and a text file
# named as an MP3.
set -euo pipefail
mkdir -p "$1"
cd "$1"
# make FILE SECONDS EXPRESSION: both channels the expression, at 44.1 kHz.
make() {
  [ -s "$1" ] || ffmpeg -loglevel error -y -f lavfi -i "aevalsrc='$3|$3':s=44100:d=$2" "$1"
}
level=-30
for format in mp3 flac ogg m4a wma; do
  make "tone$level.$format" 3 "pow(10,$level/20)*sin(2*PI*440*t)"
  level=$((level + 6))
done
make clicks.flac 3 "if(lt(mod(n,4410),2),0.99,0)"
make long.mp3 30 "0.1*sin(2*PI*440*t)"
echo "This is not a sound." >text.mp3
