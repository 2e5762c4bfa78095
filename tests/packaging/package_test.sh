#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a scratch root (it is never installed here) and uses
# both programs from there as a user who is not root: they read the starter catalogue, add a
# material into the user's own catalogue and find the help. Checks that the package holds files
# under /usr only, with no maintainer scripts, and runs lintian when it is installed.
# Usage: package_test.sh BUILD_DIR CPACK WINDOW_DRIVER_LIBRARY
set -euo pipefail
build=$(realpath "$1")
cpack=$2
scratch=$(mktemp -d)
trap 'chmod -R u+w "$scratch"; rm -rf "$scratch"' EXIT
chmod 755 "$scratch"
install -m 644 "$3" "$scratch/window_driver.so"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
skipped=()

# The package -------------------------------------------------------------------------------------
if ! "$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$scratch/out" >"$scratch/cpack.log" 2>&1; then
    cat "$scratch/cpack.log" >&2
    fail "cpack could not build the package"
fi
deb=$(echo "$scratch"/out/*.deb)
[ -f "$deb" ] || fail "no package built"
chmod -R a+rX "$scratch/out"

outside=$(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v -e '^\./$' -e '^\./usr/' || true)
[ -z "$outside" ] || fail "files outside /usr: $outside"
owners=$(dpkg-deb --fsys-tarfile "$deb" | tar -tv --numeric-owner | awk '$2 != "0/0"')
[ -z "$owners" ] || fail "files not owned by root: $owners"
control=$(dpkg-deb --ctrl-tarfile "$deb" | tar -t | grep -v -e '^\./$' | sort | tr '\n' ' ')
[ "$control" = "./control ./md5sums " ] || fail "control members other than control and md5sums: $control"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libc6 qt6-qpa-plugins fonts-dejavu-core; do
    [[ "$depends" == *"$needed"* ]] || fail "Depends lacks $needed: $depends"
done

# A user who is not root, with a home of its own, in a root the user cannot write -------------------
root=$scratch/root
home=$scratch/home
dpkg-deb -x "$deb" "$root"
mkdir -p "$home/run" "$scratch/bin"
touch "$home/xdg-open.log"
chmod 700 "$home/run"
cat >"$scratch/bin/xdg-open" <<'SCRIPT'
#!/bin/sh
echo "opened: $1" >>"$HOME/xdg-open.log"
SCRIPT
chmod 755 "$scratch/bin/xdg-open"
if [ "$(id -u)" -eq 0 ]; then
    chown -R 65534:65534 "$home"
    as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
else
    chmod -R a-w "$root"
    as_user=()
fi
run_as_user() {
    "${as_user[@]}" env -i HOME="$home" PATH="$scratch/bin:/usr/bin:/bin" XDG_RUNTIME_DIR="$home/run" \
        LC_ALL=C.UTF-8 QT_QPA_PLATFORM=offscreen "$@"
}
tree_before=$(cd "$root" && find . -printf '%p %s %T@\n' | sort)
cli=$root/usr/bin/volcalc-cli
data=$root/usr/share/orlisk-volcalc
user_catalogue=$home/.local/share/orlisk-volcalc/volcalc.ini

# The command line --------------------------------------------------------------------------------
if where=$(run_as_user "$cli" --where 2>/dev/null); then
    [ "$where" = "$user_catalogue" ] || fail "volcalc-cli --where: '$where', not the user's catalogue"
    listed=$(echo materials | run_as_user "$cli") || fail "volcalc-cli materials failed"
    [[ "$listed" == *$'Steel (carbon)\t7850'* ]] || fail "the starter catalogue was not read: $listed"
    [ ! -e "$user_catalogue" ] || fail "reading made a catalogue of the user's"
    echo 'add-material "Packaged test steel" 7777' | run_as_user "$cli" || fail "volcalc-cli add-material failed"
    grep -q "Packaged test steel" "$user_catalogue" || fail "the addition is not in the user's catalogue"
    per_user_rule=yes
else
    skipped+=("volcalc-cli has no --where: this build lacks the per-user catalogue, so reading the \
starter catalogue and adding a material were not tried")
    per_user_rule=no
fi

# The window --------------------------------------------------------------------------------------
report=$home/window-report.txt
run_as_user env LD_PRELOAD="$scratch/window_driver.so" VOLCALC_DRIVER_REPORT="$report" \
    timeout 60 "$root/usr/bin/volcalc" >"$scratch/window.log" 2>&1 ||
    { cat "$scratch/window.log" "$report" >&2 || true; fail "the window did not end normally"; }
cat "$report"
if [ "$per_user_rule" = yes ]; then
    ! grep -q '^message:' "$report" || fail "the window showed a message box"
    grep -q '^materials: .*Steel (carbon).*Packaged test steel' "$report" ||
        fail "the window does not list the starter catalogue with the user's addition"
    grep -q '^materials after addition: .*Packaged test alloy' "$report" || fail "the window's addition is not listed"
    grep -q '^[0-9]*=Packaged test alloy$' "$user_catalogue" || fail "the window's addition is not in the user's file"
fi
opened=$(sed -n 's/^opened: //p' "$report" "$home/xdg-open.log" | head -n 1)
help_file=${opened#file://}
case "$help_file" in
"$data"/TORVA.CHM | "$data"/index.html) [ -f "$help_file" ] || fail "Help opens a missing file: $help_file" ;;
"$root"/usr/bin/*) skipped+=("the window looks for its help beside itself ($help_file), not in its data folder") ;;
*) fail "Help opened '$opened', not the help in $data" ;;
esac

tree_after=$(cd "$root" && find . -printf '%p %s %T@\n' | sort)
[ "$tree_before" = "$tree_after" ] || fail "the programs changed the unpacked package: $(diff <(echo "$tree_before") <(echo "$tree_after"))"

# Debian's own checks ------------------------------------------------------------------------------
if command -v lintian >/dev/null; then
    run_as_user env TMPDIR="$home" lintian --fail-on error,warning "$deb" || fail "lintian reports errors or warnings"
fi

if [ ${#skipped[@]} -gt 0 ]; then
    printf 'SKIPPED: %s\n' "${skipped[@]}"
    exit 77
fi
echo "The package is laid out, runs as a user who is not root and passes lintian."
