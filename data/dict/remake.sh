#!/bin/sh
# Remakes the shipped dictionaries from Debian's word lists (packages wamerican
# and wamerican-large, version 2020.12.07-2 in Debian 12), byte for byte:
#
#   data/dict/remake.sh path/to/lettrava-tool
#
# Only entries of 3 to 18 letters that are all a-z are kept (no proper nouns,
# apostrophes or accents); each letter's weight is its share of all letters of
# the kept words.
set -eu
tool=${1:?usage: remake.sh path/to/lettrava-tool}
here=$(cd "$(dirname "$0")" && pwd)
pages="--page1 https://en.wiktionary.org/wiki/% --page1-name Wiktionary --page2 https://www.merriam-webster.com/dictionary/% --page2-name Merriam-Webster --local-lookup --lowercase-only"
# shellcheck disable=SC2086
"$tool" mkdict --name English $pages /usr/share/dict/american-english "$here/English.dic"
# shellcheck disable=SC2086
"$tool" mkdict --name "English (large)" $pages /usr/share/dict/american-english-large "$here/English-large.dic"
