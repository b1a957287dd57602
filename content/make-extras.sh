#!/bin/bash
# Regenerates Tamiro's content other than the drawings, from content/src/:
#   fondo.gif, animados/*.gif, medida/*.gif, punteros/*.ico (src/extras.py),
#   sonido1.wav and sonido2.wav (sox), impresora.txt.
# Needs rsvg-convert, sox and python3 with PIL. Output is deterministic:
# running it twice gives byte-identical files.
set -euo pipefail
cd "$(dirname "$0")"

# The first python3 on PATH may lack PIL (a private Python); fall back to the system one.
PYTHON=${PYTHON:-python3}
if ! "$PYTHON" -c 'import PIL' 2>/dev/null; then
    PYTHON=/usr/bin/python3
fi
"$PYTHON" src/extras.py

# Sounds: two soft bell-like chimes, 16-bit signed PCM mono, 44.1 kHz,
# peak at -6 dB. Each note is a sine plus its octave with a smooth attack
# and a long decay; notes overlap a little. -D: no dither, so no randomness.
FORMAT=(-r 44100 -c 1 -b 16 -e signed-integer)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

note() { # note FREQUENCY OCTAVE DELAY LENGTH OUT
    local freq=$1 octave=$2 delay=$3 length=$4 out=$5
    sox -D -n "${FORMAT[@]}" "$out" synth "$length" sine "$freq" sine mix "$octave" vol 0.8 \
        fade h 0.015 fade l 0 "$length" "$(awk "BEGIN { print $length - 0.015 }")" pad "$delay" 0
}
chime() { # chime FIRST_FREQ FIRST_OCTAVE SECOND_FREQ SECOND_OCTAVE OUT
    note "$1" "$2" 0 0.22 "$tmp/a.wav"
    note "$3" "$4" 0.12 0.30 "$tmp/b.wav"
    sox -D -m "$tmp/a.wav" "$tmp/b.wav" "${FORMAT[@]}" "$5" gain -n -6
}
chime 1046.5 2093 1568 3136 sonido1.wav    # "next": C6 rising to G6
chime 784 1568 523.25 1046.5 sonido2.wav   # "previous": G5 falling to C5

# Printing ships switched off; a teacher writes SI on the first line to turn it on.
printf 'NO\r\n' > impresora.txt
