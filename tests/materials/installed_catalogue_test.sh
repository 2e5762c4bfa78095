#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The catalogue of an installed copy (cmake --install into a folder the user cannot write) and of
# portable folders, used by a user who is not root: where it lies, that reading writes nothing,
# that the first change copies the starter catalogue into the user's own file, and that nothing is
# written into the installed tree.
# Usage: installed_catalogue_test.sh BUILD_DIR
set -euo pipefail
build=$(realpath "$1")
scratch=$(mktemp -d)
trap 'chmod -R u+w "$scratch"; rm -rf "$scratch"' EXIT
chmod 755 "$scratch"
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

prefix=$scratch/installed
cmake --install "$build" --prefix "$prefix" >/dev/null
cmake --install "$build" --prefix "$scratch/portable" --component portable >/dev/null
cmake --install "$build" --prefix "$scratch/locked" --component portable >/dev/null
home=$scratch/home
mkdir -p "$home"
if [ "$(id -u)" -eq 0 ]; then
    command -v setpriv >/dev/null || { echo "SKIPPED: root without setpriv cannot act as another user"; exit 77; }
    chown -R 65534:65534 "$home" "$scratch/portable"
    as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
else
    chmod -R a-w "$prefix" "$scratch/locked"
    as_user=()
fi
cli() {
    "${as_user[@]}" env -i HOME="$home" XDG_DATA_HOME="$home/data" PATH=/usr/bin:/bin LC_ALL=C.UTF-8 "$@"
}
own=$home/data/orlisk-volcalc/volcalc.ini
tree_before=$(cd "$prefix" && find . -printf '%p %s %T@\n' | sort)

[ "$(cli "$prefix/bin/volcalc-cli" --where)" = "$own" ] || fail "installed copy: --where is not the user's file"
listed=$(echo materials | cli "$prefix/bin/volcalc-cli") || fail "materials failed"
[[ "$listed" == *$'Steel (carbon)\t7850'* ]] || fail "the starter catalogue was not read: $listed"
[ ! -e "$own" ] || fail "reading made a catalogue of the user's"
printf 'add-material "Test alloy" 7777\nremove-material "Steel (carbon)"\n' | cli "$prefix/bin/volcalc-cli" >/dev/null ||
    fail "changes to the user's catalogue failed"
starter=$prefix/share/orlisk-volcalc/volcalc.ini
expected=$(grep -c '^[0-9]*=' "$starter")
[ "$(grep -c '^[0-9]*=' "$own")" -eq "$expected" ] || fail "the user's file does not hold the starter less one plus one"
grep -q '=Test alloy$' "$own" || fail "the addition is not in the user's file"
! grep -q '=Steel (carbon)$' "$own" || fail "the removal is not in the user's file"
[ "$(cli "$prefix/bin/volcalc-cli" --ini "$home/mine.ini" --where)" = "$home/mine.ini" ] || fail "--ini is not obeyed"

tree_after=$(cd "$prefix" && find . -printf '%p %s %T@\n' | sort)
[ "$tree_before" = "$tree_after" ] || fail "the installed tree changed: $(diff <(echo "$tree_before") <(echo "$tree_after"))"

# A portable folder of the user's own is its own catalogue; one the user cannot write is not.
[ "$(cli "$scratch/portable/volcalc-cli" --where)" = "$scratch/portable/volcalc.ini" ] ||
    fail "a portable folder the user owns does not use its own catalogue"
[ "$(cli "$scratch/locked/volcalc-cli" --where)" = "$own" ] ||
    fail "a portable folder the user cannot write does not lead to the user's catalogue"
echo "The installed and portable copies keep the catalogue rule for a user who is not root."
