#!/usr/bin/env bash
# Makes the sounds that the conversion test drops on Chimelo, in the folder
# given: a stereo 440 Hz tone of 3 s in each format, each at its own level;
# a click train, quiet but for its peaks; a tone of 30 s; a text file named
# as an MP3; a batch of unlike sources (8 kHz mono, 96 kHz stereo, 5.1, a
# 0.1 s click, two MP3s joined end to end, and one that decodes to more than
# a sound may take); and four 3-minute tones that take a while to convert.
set -euo pipefail
mkdir -p "$1"
cd "$1"
# lavfi FILE SOURCE: the file made from ffmpeg's generated source, once.
lavfi() {
  [ -s "$1" ] || ffmpeg -loglevel error -y -f lavfi -i "$2" "$1"
}
# make FILE SECONDS EXPRESSION: both channels the expression, at 44.1 kHz.
make() {
  lavfi "$1" "aevalsrc='$3|$3':s=44100:d=$2"
}
level=-30
for format in mp3 flac ogg m4a wma; do
  make "tone$level.$format" 3 "pow(10,$level/20)*sin(2*PI*440*t)"
  level=$((level + 6))
done
make clicks.flac 3 "if(lt(mod(n,4410),2),0.99,0)"
make long.mp3 30 "0.1*sin(2*PI*440*t)"
echo "This is not a sound." >text.mp3

lavfi mono8k.flac "aevalsrc='0.3*sin(2*PI*440*t)+0.1*sin(2*PI*3300*t)':s=8000:d=3"
lavfi stereo96k.flac "aevalsrc='0.2*sin(2*PI*1000*t)|0.2*sin(2*PI*1500*t)':s=96000:d=3"
lavfi surround.flac \
  "aevalsrc='0.2*sin(2*PI*440*t)|0.2*sin(2*PI*550*t)|0.2*sin(2*PI*660*t)|0.2*sin(2*PI*60*t)|0.1*sin(2*PI*770*t)|0.1*sin(2*PI*880*t)':s=48000:d=3:c=5.1"
make click.flac 0.1 "if(lt(mod(n,441),2),0.9,0)"
# 192 kHz stereo for 80 s: over 5 minutes of 48 kHz stereo, though small.
lavfi over.flac "aevalsrc='0.001*sin(2*PI*440*t)|0.001*sin(2*PI*440*t)':s=192000:d=80"
if [ ! -s joined.mp3 ]; then
  make part1.mp3 2 "0.2*sin(2*PI*440*t)"
  make part2.mp3 2 "0.05*sin(2*PI*660*t)"
  cat part1.mp3 part2.mp3 >joined.mp3
fi
for n in 1 2 3 4; do make "slow$n.mp3" 180 "0.2*sin(2*PI*$((300 + 100 * n))*t)"; done
