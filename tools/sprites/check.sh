#!/bin/bash
# Checks the robot pictures drawsprites wrote: sizes, opaque RGB, margin, that each one
# points its own way, that the headings are exact rotations of 108, and that @2x is
# drawn rather than upscaled; and the lesson pictures beside them.
#
#   tools/sprites/check.sh [bitmaps-dir]
set -u
dir=${1:-$(dirname "$0")/../../resources/bitmaps}
fail=0
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
bad() { echo "FAIL: $*"; fail=1; }

# Dark pixels (below 50% grey) in a crop of an image.
dark() { convert "$1" -crop "$2" +repage -colorspace Gray -threshold 50% \
             -format '%[fx:round(w*h*(1-mean))]' info:; }

heading=(north east south west)
for suffix in .png @2x.png; do
    [ "$suffix" = .png ] && n=35 || n=70
    h=$((n / 2))        # half, excluding the middle line when n is odd
    far=$((n - h))
    for i in 0 1 2 3; do
        f=$dir/$((108 + i))$suffix
        read -r w ht < <(identify -format '%w %h\n' "$f")
        [ "$w x $ht" = "$n x $n" ] || bad "$f is ${w}x$ht, want ${n}x$n"
        file -b "$f" | grep -q '8-bit/color RGB,' || bad "$f is not 24-bit RGB: $(file -b "$f")"

        # Figure keeps a 2-unit margin (4 px at @2x).
        m=$((n / 35 * 2))
        read -r bw bh bx by < <(convert "$f" -trim -format '%w %h %X %Y\n' info: | tr -d '+')
        if ((bx < m || by < m || bx + bw > n - m || by + bh > n - m)); then
            bad "$f figure ${bw}x$bh+$bx+$by breaks the $m px margin"
        fi
        corner=$(convert "$f" -crop 1x1+0+0 -format '%[fx:minima]' info:)
        [ "$corner" = 1 ] || bad "$f background is not pure white"
        darkest=$(convert "$f" -colorspace Gray -format '%[fx:round(255*minima)]' info:)
        ((darkest <= 10)) || bad "$f darkest pixel is $darkest, want black"

        N=$(dark "$f" "${n}x$h+0+0")
        S=$(dark "$f" "${n}x$h+0+$far")
        W=$(dark "$f" "${h}x$n+0+0")
        E=$(dark "$f" "${h}x$n+$far+0")
        echo "$(basename "$f"): figure ${bw}x$bh+$bx+$by, darkest $darkest;" \
             "dark px N=$N E=$E S=$S W=$W (points ${heading[i]})"
        case $i in
            0) front=$N back=$S ;;
            1) front=$E back=$W ;;
            2) front=$S back=$N ;;
            3) front=$W back=$E ;;
        esac
        # The nose should add at least 15% more ink to the front half than the back.
        ((front * 100 >= back * 115)) || bad "$f front $front vs back $back: no clear heading"
    done

    for i in 1 2 3; do
        convert "$dir/108$suffix" -rotate $((90 * i)) "$tmp/turned.png"
        ae=$(compare -metric AE "$tmp/turned.png" "$dir/$((108 + i))$suffix" null: 2>&1)
        echo "$((108 + i))$suffix vs 108$suffix rotated $((90 * i))° clockwise: AE=$ae"
        [ "$ae" = 0 ] || bad "$((108 + i))$suffix is not 108$suffix turned $((90 * i))°"
    done
done

for i in 108 109 110 111; do
    # Drawn at double size: unlike a pixel doubling of the 1x picture, yet the same
    # shape once scaled back down.
    convert "$dir/$i.png" -filter point -resize 200% "$tmp/up.png"
    convert "$dir/$i@2x.png" -filter box -resize 50% "$tmp/down.png"
    up=$(compare -metric AE "$tmp/up.png" "$dir/$i@2x.png" null: 2>&1)
    down=$(compare -metric RMSE "$tmp/down.png" "$dir/$i.png" null: 2>&1 | sed 's/.*(\(.*\))/\1/')
    echo "$i@2x.png: differs from a pixel-doubled $i.png in $up px; RMSE vs $i.png when halved: $down"
    ((up > 0)) || bad "$i@2x.png is just $i.png upscaled"
    awk -v d="$down" 'BEGIN { exit !(d < 0.08) }' || bad "$i@2x.png halved differs from $i.png"
done

# The lesson pictures: 64 and 128 pixels, see-through at the corners and solid at the frame,
# the twin drawn rather than upscaled.
lessons=$dir/../lessons
for name in obstacle target; do
    for suffix in .png @2x.png; do
        [ "$suffix" = .png ] && n=64 || n=128
        f=$lessons/$name$suffix
        read -r w ht < <(identify -format '%w %h\n' "$f")
        [ "$w x $ht" = "$n x $n" ] || bad "$f is ${w}x$ht, want ${n}x$n"
        corner=$(convert "$f" -alpha extract -crop 1x1+0+0 -format '%[fx:maxima]' info:)
        edge=$(convert "$f" -alpha extract -crop "1x1+$((n / 2))+$((n / 32))" -format '%[fx:minima]' info:)
        echo "$name$suffix: ${w}x$ht, corner alpha $corner, frame alpha $edge"
        [ "$corner" = 0 ] || bad "$f corner is not transparent"
        [ "$edge" = 1 ] || bad "$f frame is not opaque"
    done
    convert "$lessons/$name.png" -filter point -resize 200% "$tmp/up.png"
    up=$(compare -metric AE "$tmp/up.png" "$lessons/$name@2x.png" null: 2>&1)
    ((up > 0)) || bad "$name@2x.png is just $name.png upscaled"
done

((fail == 0)) && echo "all sprite checks passed"
exit $fail
