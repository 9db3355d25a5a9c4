#!/bin/sh
# Remakes the shipped dictionaries from Debian's word lists, byte for byte:
#
#   data/dict/remake.sh path/to/lettrava-tool
#
# The lists and the versions the shipped files were made from (Debian 12):
#
#   English.dic            wamerican        2020.12.07-2   American English
#   English-large.dic      wamerican-large  2020.12.07-2   American English, larger
#   English-British.dic    wbritish         2020.12.07-2   British English
#   Deutsch.dic            wngerman         20161207-11    German (new spelling)
#   Francais.dic           wfrench          1.2.7-2        French
#   Espanol.dic            wspanish         1.0.30         Spanish
#   Italiano.dic           witalian         1.10           Italian
#   Nederlands.dic         wdutch           1:2.20.19-2    Dutch
#
# The file names are ASCII; the name the preferences show is the header's
# (--name), written in Latin-1 like every text of the program.
#
# Every list is read as UTF-8. An entry is kept when it has 3 to 18 letters and
# every one of them is a letter Latin-1 holds (a-z and the accented letters);
# entries with apostrophes, hyphens, digits, or letters such as the French
# oe ligature that Latin-1 lacks are skipped. Kept words are upper-cased by
# Latin-1's rules: sharp s and y with diaeresis have no capital there and stay
# small, so German "Straße" is stored as STRAßE. Each letter's weight is its
# share of all letters of the kept words.
#
# Which entries count, by their capitals:
#   English, English (large), English (British): only entries in small a-z
#     letters, as English has always been made; this drops proper names and
#     abbreviations, and words with accents (café, éclair) stay out of English.
#   Français, Español, Italiano, Nederlands: only entries in small letters; these
#     lists capitalise proper names and abbreviations only.
#   Deutsch: German capitalises every noun, so entries in small letters and
#     entries of one capital followed by small letters (Haus, Straße) are kept;
#     entries with a capital after the first letter (ABC, CDs, McDonald) are
#     dropped as abbreviations. The list does not tell nouns from proper names,
#     so the names it holds (Berlin, Goethe) are kept too; a noun and a word
#     spelt alike in small letters (Essen, essen) become one word.
set -eu
tool=${1:?usage: remake.sh path/to/lettrava-tool}
here=$(cd "$(dirname "$0")" && pwd)
lists=/usr/share/dict
az=abcdefghijklmnopqrstuvwxyz

english="--page1 https://en.wiktionary.org/wiki/% --page1-name Wiktionary --page2 https://www.merriam-webster.com/dictionary/% --page2-name Merriam-Webster --local-lookup --case lower --letters $az"
# shellcheck disable=SC2086
"$tool" mkdict --name English $english "$lists/american-english" "$here/English.dic"
# shellcheck disable=SC2086
"$tool" mkdict --name "English (large)" $english "$lists/american-english-large" "$here/English-large.dic"
# shellcheck disable=SC2086
"$tool" mkdict --name "English (British)" $english "$lists/british-english" "$here/English-British.dic"

"$tool" mkdict --name Deutsch --case initial \
    --page1 https://de.wiktionary.org/wiki/% --page1-name Wiktionary \
    --page2 https://www.duden.de/suchen/dudenonline/% --page2-name Duden \
    "$lists/ngerman" "$here/Deutsch.dic"
"$tool" mkdict --name "Français" --case lower \
    --page1 https://fr.wiktionary.org/wiki/% --page1-name Wiktionnaire \
    --page2 https://www.larousse.fr/dictionnaires/francais/% --page2-name Larousse \
    "$lists/french" "$here/Francais.dic"
"$tool" mkdict --name "Español" --case lower \
    --page1 https://es.wiktionary.org/wiki/% --page1-name Wikcionario \
    --page2 https://dle.rae.es/% --page2-name "Diccionario RAE" \
    "$lists/spanish" "$here/Espanol.dic"
"$tool" mkdict --name Italiano --case lower \
    --page1 https://it.wiktionary.org/wiki/% --page1-name Wikizionario \
    --page2 https://www.treccani.it/vocabolario/ricerca/% --page2-name Treccani \
    "$lists/italian" "$here/Italiano.dic"
"$tool" mkdict --name Nederlands --case lower \
    --page1 https://nl.wiktionary.org/wiki/% --page1-name WikiWoordenboek \
    --page2 https://www.vandale.nl/gratis-woordenboek/nederlands/betekenis/% --page2-name "Van Dale" \
    "$lists/dutch" "$here/Nederlands.dic"
