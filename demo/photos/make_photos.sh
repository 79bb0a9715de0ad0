#!/bin/sh
# Remakes the demo pictures from their PostScript sources with Ghostscript: one JPEG per
# product page of produtos.ps (named after the product code) and the signature image.
# The JPEGs are kept in the repository; run this only when the drawings change.
set -e
cd "$(dirname "$0")"
codes="1001 1002 1003 1004 1005 1006 1007 1008 1009 1010 1011 1012 1013 1014 1015 1016"
gs -q -dNOPAUSE -dBATCH -dSAFER -sDEVICE=jpeg -dJPEGQ=82 -r96 -dDEVICEWIDTHPOINTS=240 \
   -dDEVICEHEIGHTPOINTS=180 -dFIXEDMEDIA -sOutputFile=page-%02d.jpg produtos.ps
n=1
for code in $codes; do
  page=$(printf 'page-%02d.jpg' "$n")
  if [ "$code" = 1011 ]; then rm -f "$page"; else mv "$page" "$code.jpg"; fi
  n=$((n + 1))
done
gs -q -dNOPAUSE -dBATCH -dSAFER -sDEVICE=jpeg -dJPEGQ=85 -r96 -dDEVICEWIDTHPOINTS=300 \
   -dDEVICEHEIGHTPOINTS=90 -dFIXEDMEDIA -sOutputFile=assinatura.jpg assinatura.ps
