#!/usr/bin/env bash
# Makes resources/contact-picture.jpg: a 430 x 430 colour JPEG with a QR code that carries the
# maker's contact card, the same name and telephone number as the main window's credit line
# (ui/maker.h). Needs Debian's qrencode and imagemagick. The picture is committed; the program
# never runs this.
set -euo pipefail
cd "$(dirname "$0")"

name="陈思远"
phone="13800138000"
card="MECARD:N:${name};TEL:${phone};;"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Error correction H leaves room for the coloured mark in the middle. One module per pixel,
# no margin: ImageMagick adds the quiet zone and frame below.
qrencode --level=H --size=1 --margin=0 --output="$work/code.png" "$card"
modules=$(identify -format '%w' "$work/code.png")
scale=$(( 330 / modules ))          # whole pixels per module keep the edges sharp
side=$(( modules * scale ))

green='#07C160'
convert "$work/code.png" -filter point -resize "${side}x${side}" \
    -bordercolor white -border $(( (390 - side) / 2 )) -resize '390x390!' \
    -bordercolor "$green" -border 20 \
    \( -size 56x56 xc:white -fill "$green" -draw 'roundrectangle 6,6 49,49 8,8' \) \
    -gravity center -composite \
    -type TrueColor -sampling-factor 1x1 -quality 92 +profile '*' \
    -density 96 -units PixelsPerInch contact-picture.jpg
identify contact-picture.jpg
zbarimg --quiet --raw contact-picture.jpg
