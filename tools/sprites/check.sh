#!/bin/bash
# Checks the pictures drawsprites wrote: every keypad, step and robot picture is square at its size,
# 24-bit RGB with black ink on pure white inside its margin; the keypad's arrows and the robot
# point their own ways, the mirrored and turned ones exactly; each @2x twin is drawn, not
# upscaled; the icon has every hicolor size with see-through corners, and a whole SVG; a
# lesson's obstacle and target are see-through at the corners and solid at the frame.
#
#   tools/sprites/check.sh [resources-dir]
set -u
res=${1:-$(dirname "$0")/../../resources}
dir=$res/bitmaps
fail=0
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
bad() { echo "FAIL: $*"; fail=1; }
differing() { compare -metric AE "$1" "$2" null: 2>&1; }
# Dark pixels (below 50% grey) in a crop of an image.
dark() {
    convert "$1" -crop "$2" +repage -colorspace Gray -threshold 50% \
        -format '%[fx:round(w*h*(1-mean))]\n' info:
}

for scale in 1 2; do
    suffix=$([[ $scale == 1 ]] && echo .png || echo @2x.png)
    # Side and margin at 1x, then the pictures.
    for group in "100 8 101 102 103 104 105 106 107 201" "35 2 108 109 110 111"; do
        read -r side margin pictures <<<"$group"
        for i in $pictures; do
            n=$((side * scale)) m=$((margin * scale)) f=$dir/$i$suffix
            [[ -f $f ]] || { bad "$f is missing"; continue; }
            read -r w h type < <(identify -format '%w %h %[type]\n' "$f")
            [[ "$w x $h" == "$n x $n" ]] || bad "$f is ${w}x$h, want ${n}x$n"
            file -b "$f" | grep -q '8-bit/color RGB,' || bad "$f is not 24-bit RGB: $(file -b "$f")"
            [[ $type == Grayscale || $type == Bilevel ]] || bad "$f has colour in it ($type)"
            [[ $(convert "$f" -crop 1x1+0+0 -format '%[fx:minima]' info:) == 1 ]] ||
                bad "$f background is not pure white"
            darkest=$(convert "$f" -colorspace Gray -format '%[fx:round(255*minima)]' info:)
            ((darkest <= 10)) || bad "$f darkest pixel is $darkest, want black"
            read -r bw bh bx by < <(convert "$f" -trim -format '%w %h %X %Y\n' info: | tr -d '+')
            ((bx >= m && by >= m && bx + bw <= n - m && by + bh <= n - m)) ||
                bad "$f figure ${bw}x$bh+$bx+$by breaks the $m px margin"
        done
    done

    # Halves, leaving out the middle line when the side is odd. A figure points up when its top
    # half has at least 15% more ink; an arrow bends left when its top half leans further left
    # than its bottom half does.
    for picture in 101 108; do
        n=$(identify -format %w "$dir/$picture$suffix") && h=$((n / 2))
        up=$(dark "$dir/$picture$suffix" "${n}x$h+0+0")
        down=$(dark "$dir/$picture$suffix" "${n}x$h+0+$((n - h))")
        ((up * 100 >= down * 115)) || bad "$picture$suffix does not point up ($up vs $down)"
    done
    f=$dir/103$suffix h=$((50 * scale))
    read -r tl tr bl br <<<"$(for at in +0+0 +$h+0 +0+$h +$h+$h; do dark "$f" "${h}x$h$at"; done |
        xargs)"
    ((tl * br > tr * bl * 115 / 100)) || bad "$f does not bend left"
    for twin in "102 101 -flip" "104 103 -flop" "109 108 -rotate 90" "110 108 -rotate 180" \
        "111 108 -rotate 270"; do
        read -r i from op <<<"$twin"
        convert "$dir/$from$suffix" $op "$tmp/turned.png"
        [[ $(differing "$tmp/turned.png" "$dir/$i$suffix") == 0 ]] ||
            bad "$i$suffix is not $from$suffix $op"
    done
done

# Drawn at double size: unlike a pixel doubling of the 1x picture, yet the same shape once
# scaled back down.
for i in 101 102 103 104 105 106 107 108 109 110 111 201; do
    convert "$dir/$i.png" -filter point -resize 200% "$tmp/up.png"
    convert "$dir/$i@2x.png" -filter box -resize 50% "$tmp/down.png"
    (($(differing "$tmp/up.png" "$dir/$i@2x.png") > 0)) || bad "$i@2x.png is just $i.png upscaled"
    down=$(compare -metric RMSE "$tmp/down.png" "$dir/$i.png" null: 2>&1 | sed 's/.*(\(.*\))/\1/')
    awk -v d="$down" 'BEGIN { exit !(d < 0.08) }' || bad "$i@2x.png halved differs from $i.png"
done

for n in 16 22 24 32 48 64 128 256; do
    f=$res/icons/hicolor/${n}x$n/apps/marlo.png
    [[ -f $f ]] || { bad "$f is missing"; continue; }
    [[ $(identify -format '%wx%h' "$f") == "${n}x$n" ]] || bad "$f is not ${n}x$n"
    alpha=$(convert "$f" -alpha extract -format "%[fx:p{0,0}] %[fx:p{$((n / 2)),$((n / 2))}]" info:)
    [[ $alpha == "0 1" ]] || bad "$f corner and middle are not see-through and opaque ($alpha)"
done
svg=$res/icons/hicolor/scalable/apps/marlo.svg
grep -q '<svg .*viewBox="0 0 256 256"' "$svg" && grep -q '</svg>' "$svg" ||
    bad "$svg is missing or not a whole 256-unit SVG"

for name in obstacle target; do
    for n in 64 128; do
        f=$res/lessons/$name$([[ $n == 64 ]] && echo .png || echo @2x.png)
        [[ -f $f ]] || { bad "$f is missing"; continue; }
        [[ $(identify -format '%wx%h' "$f") == "${n}x$n" ]] || bad "$f is not ${n}x$n"
        alpha=$(convert "$f" -alpha extract -format "%[fx:p{0,0}] %[fx:p{$((n / 2)),$((n / 32))}]" info:)
        [[ $alpha == "0 1" ]] || bad "$f corner and frame are not see-through and opaque ($alpha)"
    done
    convert "$res/lessons/$name.png" -filter point -resize 200% "$tmp/up.png"
    (($(differing "$tmp/up.png" "$res/lessons/$name@2x.png") > 0)) ||
        bad "$name@2x.png is just $name.png upscaled"
done

((fail == 0)) && echo "all picture checks passed"
exit $fail
