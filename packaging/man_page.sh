#!/bin/sh
# Makes the manual page of a command from its own --help and --version and compresses it:
# man_page.sh PROGRAM PAGE writes PAGE.gz. The help text is kept as the command prints it
# (no refilling: Japanese lines have no blanks to break at).
set -eu
program=$1
page=$2
name=$(basename "$program")
case $name in
  narabitouch) summary="number-ordering drill for homes and classrooms" ;;
  narabitouch-setup) summary="lay out a family folder of the drill and its students" ;;
  narabitouch-export) summary="the drill's results log as CSV" ;;
  *) summary="part of the number-ordering drill" ;;
esac
version=$(QT_QPA_PLATFORM=offscreen "$program" --version | sed -n '1s/^[^ ]* //p')
# The date of the package, so that every build makes the same page.
day=$(sed -n 's/^ -- .*>  //p' "$(dirname "$0")/changelog" | head -n 1)
date=$(LC_ALL=C date -u -d "$day" +%Y-%m-%d)
others=$(printf 'narabitouch narabitouch-setup narabitouch-export' | tr ' ' '\n' |
  grep -vx "$name" | sed 's/\(.*\)/.BR \1 (1)/' | sed 's/-/\\-/g')
{
  printf '.TH %s 1 "%s" "%s %s" "User Commands"\n' \
    "$(printf %s "$name" | tr a-z A-Z)" "$date" "$name" "$version"
  printf '.SH NAME\n%s \\- %s\n' "$(printf %s "$name" | sed 's/-/\\-/g')" "$summary"
  printf '.SH DESCRIPTION\n.nf\n'
  QT_QPA_PLATFORM=offscreen "$program" --help |
    sed -e 's/\\/\\e/g' -e 's/-/\\-/g' -e "s/^\\([.']\\)/\\\\\\&\\1/"
  printf '.fi\n.SH SEE ALSO\n%s\n' "$others"
} > "$page"
gzip -9nf "$page"
