#!/bin/sh
# Runs the W3C Nu Html Checker on the standard pages: any error or warning
# fails. Never skipped: a missing Java or checker fails too.
# usage: check_standard_pages.sh GENERATOR VNU_JAR FOLDER
set -u
generator=$1 jar=$2 folder=$3
if ! command -v java >/dev/null 2>&1; then
    echo "FAIL: java not found (scripts/install-deps installs default-jre-headless)" >&2
    exit 1
fi
if [ ! -f "$jar" ]; then
    echo "FAIL: $jar not found (scripts/install-deps installs vnu-jar)" >&2
    exit 1
fi
rm -rf "$folder" && mkdir -p "$folder" || exit 1
"$generator" "$folder" || exit 1
set -- "$folder"/page_*.html
[ -f "$1" ] || { echo "FAIL: no pages written" >&2; exit 1; }
if ! java -jar "$jar" --Werror --format gnu "$@"; then
    echo "FAIL: the checker reported errors or warnings on $*" >&2
    exit 1
fi
echo "checked $# pages: no errors, no warnings"
