#!/usr/bin/env bash
# Fails when one of the given libraries or programs refers to Qt Widgets: a static library by an
# undefined symbol that the Widgets library defines, a program also by loading it at all.
#   no_widgets.sh NM OBJDUMP QT6WIDGETS_SO FILE...
set -euo pipefail
nm=$1 objdump=$2 widgets=$3
shift 3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# Strong definitions only: weak ones are inline code that any library may carry a copy of.
"$nm" -D --defined-only "$widgets" | awk '$2 ~ /^[TDBR]$/ { sub(/@.*/, "", $3); print $3 }' |
    sort -u >"$scratch/widgets"
[ -s "$scratch/widgets" ] || { echo "no symbols read from $widgets" >&2; exit 2; }
soname=$("$objdump" -p "$widgets" | awk '$1 == "SONAME" { print $2 }')

status=0
for file in "$@"; do
    case $file in
        *.a) "$nm" --undefined-only "$file" 2>/dev/null ;;
        *) "$nm" -D --undefined-only "$file" ;;
    esac | awk '$1 == "U" { sub(/@.*/, "", $2); print $2 }' | sort -u >"$scratch/undefined"
    used=$(comm -12 "$scratch/widgets" "$scratch/undefined")
    if [ -n "$used" ]; then
        echo "$file refers to Qt Widgets:" >&2
        echo "$used" | head -20 | sed 's/^/    /' >&2
        status=1
    fi
    if [[ $file != *.a ]] && "$objdump" -p "$file" | awk '$1 == "NEEDED" { print $2 }' |
        grep -qxF "$soname"; then
        echo "$file loads $soname" >&2
        status=1
    fi
done
exit $status
