#!/bin/bash
# Checks the keypad pictures 101-107, the step button's 201 and the application icon
# drawsprites wrote: sizes, opaque grey RGB with black ink on white, margins, which way each
# arrow points, the mirrored pairs, that @2x is drawn rather than upscaled, and the icon's
# sizes and transparent corners.
#
#   tools/sprites/check_keypad.sh [resources-dir]
set -u
res=${1:-$(dirname "$0")/../../resources}
dir=$res/bitmaps
fail=0
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
bad() { echo "FAIL: $*"; fail=1; }

# Dark pixels (below 50% grey) in a crop of an image.
dark() { convert "$1" -crop "$2" +repage -colorspace Gray -threshold 50% \
             -format '%[fx:round(w*h*(1-mean))]' info:; }

for suffix in .png @2x.png; do
    [ "$suffix" = .png ] && n=100 || n=200
    h=$((n / 2))
    m=$((n * 8 / 100))  # margin: 8 px, 16 px at @2x
    for i in 101 102 103 104 105 106 107 201; do
        f=$dir/$i$suffix
        [ -f "$f" ] || { bad "$f is missing"; continue; }
        read -r w ht type < <(identify -format '%w %h %[type]\n' "$f")
        [ "$w x $ht" = "$n x $n" ] || bad "$f is ${w}x$ht, want ${n}x$n"
        file -b "$f" | grep -q '8-bit/color RGB,' || bad "$f is not 24-bit RGB: $(file -b "$f")"
        # Black on white leaves only greys, antialiased edges included.
        [[ $type == Grayscale || $type == Bilevel ]] || bad "$f has colour in it ($type)"
        corner=$(convert "$f" -crop 1x1+0+0 -format '%[fx:minima]' info:)
        [ "$corner" = 1 ] || bad "$f background is not pure white"
        darkest=$(convert "$f" -colorspace Gray -format '%[fx:round(255*minima)]' info:)
        ((darkest <= 10)) || bad "$f darkest pixel is $darkest, want black"
        read -r bw bh bx by < <(convert "$f" -trim -format '%w %h %X %Y\n' info: | tr -d '+')
        if ((bx < m || by < m || bx + bw > n - m || by + bh > n - m)); then
            bad "$f figure ${bw}x$bh+$bx+$by breaks the $m px margin"
        fi

        TL=$(dark "$f" "${h}x$h+0+0")
        TR=$(dark "$f" "${h}x$h+$h+0")
        BL=$(dark "$f" "${h}x$h+0+$h")
        BR=$(dark "$f" "${h}x$h+$h+$h")
        echo "$(basename "$f"): figure ${bw}x$bh+$bx+$by, $type, darkest $darkest;" \
             "dark px TL=$TL TR=$TR BL=$BL BR=$BR"
        # Straight arrows: the head's side carries at least 15% more ink. Turning arrows:
        # the top half leans further to the turning side than the bottom half does.
        case $i in
            101) ((TL + TR > (BL + BR) * 115 / 100)) || bad "$f does not point up" ;;
            102) ((BL + BR > (TL + TR) * 115 / 100)) || bad "$f does not point down" ;;
            103) ((TL * BR > TR * BL * 115 / 100)) || bad "$f does not bend left" ;;
            104) ((TR * BL > TL * BR * 115 / 100)) || bad "$f does not bend right" ;;
        esac
    done

    for pair in "101 102 -flip" "103 104 -flop"; do
        read -r a b op <<<"$pair"
        convert "$dir/$a$suffix" $op "$tmp/mirror.png"
        ae=$(compare -metric AE "$tmp/mirror.png" "$dir/$b$suffix" null: 2>&1)
        echo "$b$suffix vs $a$suffix $op: AE=$ae"
        [ "$ae" = 0 ] || bad "$b$suffix is not $a$suffix mirrored ($op)"
    done
done

for i in 101 102 103 104 105 106 107 201; do
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

# The icon: every hicolor size, with see-through corners around an opaque tile.
for n in 16 22 24 32 48 64 128 256; do
    f=$res/icons/hicolor/${n}x$n/apps/marlo.png
    [ -f "$f" ] || { bad "$f is missing"; continue; }
    read -r w ht < <(identify -format '%w %h\n' "$f")
    [ "$w x $ht" = "$n x $n" ] || bad "$f is ${w}x$ht, want ${n}x$n"
    file -b "$f" | grep -q 'RGBA' || bad "$f has no alpha channel: $(file -b "$f")"
    corner=$(convert "$f" -alpha extract -crop 1x1+0+0 -format '%[fx:maxima]' info:)
    middle=$(convert "$f" -alpha extract -crop "1x1+$((n / 2))+$((n / 2))" -format '%[fx:minima]' info:)
    echo "$(basename "$(dirname "$(dirname "$f")")"): corner alpha $corner, middle alpha $middle"
    [ "$corner" = 0 ] || bad "$f corner is not transparent"
    [ "$middle" = 1 ] || bad "$f middle is not opaque"
done
svg=$res/icons/hicolor/scalable/apps/marlo.svg
grep -q '<svg .*viewBox="0 0 256 256"' "$svg" && grep -q '</svg>' "$svg" ||
    bad "$svg is missing or not a whole 256-unit SVG"

((fail == 0)) && echo "all keypad and icon checks passed"
exit $fail
