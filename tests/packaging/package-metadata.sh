#!/usr/bin/env bash
# The version and the texts that describe the program live in several files
# that nothing else ties together: a version bump or a new key has to reach
# every one of them.
#   package-metadata.sh SOURCE-DIR PROJECT-VERSION PROGRAM
set -u
source_dir=$1 version=$2 program=$3
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

changelog=$(dpkg-parsechangelog -l "$source_dir/debian/changelog" -S Version)
[[ $changelog == "$version" ]] || fail "debian/changelog is at $changelog, the project at $version"
newest=$(grep -m1 -o '<release version="[^"]*"' "$source_dir/packaging/org.quorvane.Quorvane.metainfo.xml")
[[ $newest == "<release version=\"$version\"" ]] || fail "metainfo's newest release is $newest, not $version"
[[ $("$program" --version 2>/dev/null) == "quorvane $version" ]] || fail "--version does not say $version"

man=$(MANWIDTH=200 man -l "$source_dir/packaging/quorvane.1" 2>/dev/null || cat "$source_dir/packaging/quorvane.1")
# Every option --help lists and every key the window answers is in the manual.
for word in --help --version F1 F11 Ctrl+= Ctrl++ Ctrl+0 Tab LANGUAGE LC_ALL LANG QT_SCALE_FACTOR "EXIT STATUS" FILES; do
  [[ $man == *"$word"* ]] || fail "manual page does not mention $word"
done
for option in $("$program" --help | grep -oE -- '--[a-z-]+'); do
  [[ $man == *"$option"* ]] || fail "--help lists $option, the manual page does not"
done
exit $((failures > 0))
