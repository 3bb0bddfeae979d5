#!/usr/bin/env bash
# Checks the include structure of the model code (the model folders of cmake/Sources.cmake, without
# their ui/ subfolders): core includes no other folder, and no two folders include each other.
# Prints every violation and exits with 1 when there is one.
set -euo pipefail
cd "$(dirname "$0")/.."

model_dirs=$(sed -n 's/^set(ZELO_MODEL_DIRS \(.*\))$/\1/p' cmake/Sources.cmake)
[ -n "$model_dirs" ] || { echo "check-layers: no model folders found in cmake/Sources.cmake" >&2; exit 2; }

# One line "from to file" for every include of another folder's header.
edges=$(for dir in $model_dirs; do
    [ -d "$dir" ] || continue
    find "$dir" \( -name '*.h' -o -name '*.cpp' \) -not -path '*/ui/*' -print0 |
        xargs -0 -r grep -HoE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[^"/]+/' |
        sed -E 's#^([^:]+):.*"([^"/]+)/$#\1 \2#' |
        while read -r file target; do
            if [ "$target" != "$dir" ]; then echo "$dir $target $file"; fi
        done || true
done | sort -u)

awk '
    NF == 3 {
        if ($1 == "core") { print "core is the bottom layer, but " $3 " includes " $2 "/"; failed = 1 }
        if (!(($1, $2) in example)) example[$1, $2] = $3
    }
    END {
        for (pair in example) {
            split(pair, ends, SUBSEP)
            if (ends[1] < ends[2] && ((ends[2], ends[1]) in example)) {
                print ends[1] " and " ends[2] " include each other: " example[ends[1], ends[2]] " includes " \
                      ends[2] "/, " example[ends[2], ends[1]] " includes " ends[1] "/"
                failed = 1
            }
        }
        if (!failed) print "check-layers: the model folders include no folder above core and form no loop"
        exit failed
    }' <<<"$edges"
