#!/bin/sh
# Builds a scratch database from schema/vold.sql and runs every query of
# schema/check-queries.sql against it. Exits non-zero on the first error.
#
# Usage: schema/check-queries.sh        (isql-fb from PATH, or $ISQL)
set -eu

here=$(cd "$(dirname "$0")" && pwd)
isql=${ISQL:-isql-fb}
user=KTRVOLD8
password=mavu

tmp=$(mktemp -d "${TMPDIR:-/tmp}/vold-schema.XXXXXX")
trap 'rm -rf "$tmp"' EXIT INT TERM

# The embedded engine needs a writable lock folder when not run as root.
if [ "$(id -u)" != 0 ] && [ -z "${FIREBIRD_LOCK:-}" ]; then
    mkdir -p "$tmp/lock"
    FIREBIRD_LOCK="$tmp/lock"
    export FIREBIRD_LOCK
fi

db="$tmp/check.fdb"
printf "CREATE DATABASE '%s' USER '%s' PASSWORD '%s' DEFAULT CHARACTER SET WIN1252;\n" \
    "$db" "$user" "$password" > "$tmp/create.sql"

"$isql" -q -bail -i "$tmp/create.sql"
"$isql" -q -bail -user "$user" -password "$password" -i "$here/vold.sql" "$db"
rc=0
"$isql" -q -bail -user "$user" -password "$password" -i "$here/check-queries.sql" "$db" \
    > "$tmp/out.txt" 2> "$tmp/err.txt" || rc=$?

if [ "$rc" != 0 ] || [ -s "$tmp/err.txt" ]; then
    cat "$tmp/err.txt" >&2
    echo "check-queries: FAILED" >&2
    exit 1
fi
count=$(grep -c ';$' "$here/check-queries.sql" || true)
echo "check-queries: schema built, all queries ran ($count checked)"
