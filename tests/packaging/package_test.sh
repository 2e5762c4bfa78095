#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package and the portable archive and unpacks them into a scratch folder (the
# package is never installed here). Both programs are used from there as a user who is not root:
# they read the starter catalogue, add a material into that user's catalogue and find the help.
# Checks that the package holds files under /usr only, with no maintainer scripts, and runs
# lintian when it is installed.
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

build_package() { # GENERATOR -> path of the package
    if ! "$cpack" --config "$build/CPackConfig.cmake" -G "$1" -B "$scratch/out-$1" >"$scratch/cpack.log" 2>&1; then
        cat "$scratch/cpack.log" >&2
        fail "cpack -G $1 failed"
    fi
    chmod -R a+rX "$scratch/out-$1"
    echo "$scratch/out-$1"/orlisk-volcalc*.*
}

# The Debian package's contents ----------------------------------------------------------------------
deb=$(build_package DEB)
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

# A user who is not root, with a home of its own ----------------------------------------------------
home=$scratch/home
mkdir -p "$home/run" "$scratch/bin"
chmod 700 "$home/run"
touch "$home/xdg-open.log"
cat >"$scratch/bin/xdg-open" <<'SCRIPT'
#!/bin/sh
echo "opened: $1" >>"$HOME/xdg-open.log"
SCRIPT
chmod 755 "$scratch/bin/xdg-open"
user_catalogue=$home/.local/share/orlisk-volcalc/volcalc.ini
if [ "$(id -u)" -eq 0 ]; then
    as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
    user_owns() { chown -R 65534:65534 "$@"; }
    root_owns() { :; }
else
    as_user=()
    user_owns() { :; }
    root_owns() { chmod -R a-w "$@"; }
fi
run_as_user() {
    "${as_user[@]}" env -i HOME="$home" PATH="$scratch/bin:/usr/bin:/bin" XDG_RUNTIME_DIR="$home/run" \
        LC_ALL=C.UTF-8 QT_QPA_PLATFORM=offscreen "$@"
}

# Both programs in one folder: CATALOGUE is the one they must change, HELP_DIR where the help is.
# The command line adds "Packaged test steel", then the window lists it and adds "Packaged test alloy".
check_programs() { # BIN_DIR CATALOGUE HELP_DIR
    local bin=$1 catalogue=$2 help_dir=$3 listed where report opened help_file
    where=$(run_as_user "$bin/volcalc-cli" --where) || fail "volcalc-cli --where failed in $bin"
    [ "$where" = "$catalogue" ] || fail "volcalc-cli --where in $bin: '$where', not $catalogue"
    listed=$(echo materials | run_as_user "$bin/volcalc-cli") || fail "volcalc-cli materials failed in $bin"
    [[ "$listed" == *$'Steel (carbon)\t7850'* ]] || fail "$bin: the starter catalogue was not read: $listed"
    listed=$(run_as_user "$bin/volcalc-cli" --sections "ipe 200") || fail "volcalc-cli --sections failed in $bin"
    [[ "$listed" == $'IPE 200\tIPE\tEN 10365\t28.48\t0.7682' ]] || fail "$bin: the section tables were not read: $listed"
    echo 'add-material "Packaged test steel" 7777' | run_as_user "$bin/volcalc-cli" >/dev/null ||
        fail "volcalc-cli add-material failed in $bin"
    grep -q '^[0-9]*=Packaged test steel$' "$catalogue" || fail "the addition is not in $catalogue"

    report=$home/window-report.txt
    : >"$home/xdg-open.log"
    run_as_user env LD_PRELOAD="$scratch/window_driver.so" VOLCALC_DRIVER_REPORT="$report" \
        timeout 60 "$bin/volcalc" >"$scratch/window.log" 2>&1 ||
        { cat "$scratch/window.log" "$report" >&2 || true; fail "the window in $bin did not end normally"; }
    sed "s|^|$bin: |" "$report"
    # The window keeps the command line's rule: the same catalogue, read and changed alike.
    grep -q '^materials: .*Steel (carbon).*Packaged test steel' "$report" ||
        fail "the window in $bin does not list $catalogue (the starter catalogue with the user's addition)"
    ! grep -q '^message:' "$report" || fail "the window in $bin showed a message box"
    grep -q '^materials after addition: .*Packaged test alloy' "$report" || fail "the window's addition in $bin is not listed"
    # The About box's wallpaper and the print dialog come from the module loaded on first use.
    colours=$(sed -n 's/^about wallpaper colours: //p' "$report")
    [ "${colours:-0}" -gt 16 ] || fail "the About box in $bin shows no wallpaper ($colours colours)"
    grep -q '^print dialog: shown' "$report" || fail "the parts list in $bin opened no print dialog"
    grep -q '^[0-9]*=Packaged test alloy$' "$catalogue" || fail "the window's addition is not in $catalogue"
    opened=$(sed -n 's/^opened: //p' "$report" "$home/xdg-open.log" | head -n 1)
    help_file=${opened#file://}
    case "$help_file" in
    "$help_dir"/TORVA.CHM | "$help_dir"/index.html) [ -f "$help_file" ] || fail "Help opens a missing $help_file" ;;
    *) fail "Help in $bin opened '$opened', not the help in $help_dir" ;;
    esac
}

# The package unpacked into a root the user cannot write: the user's own catalogue is changed,
# nothing in the root.
root=$scratch/root
dpkg-deb -x "$deb" "$root"
root_owns "$root"
user_owns "$home"
tree_before=$(cd "$root" && find . -printf '%p %s %T@\n' | sort)
check_programs "$root/usr/bin" "$user_catalogue" "$root/usr/share/orlisk-volcalc"
tree_after=$(cd "$root" && find . -printf '%p %s %T@\n' | sort)
[ "$tree_before" = "$tree_after" ] ||
    fail "the programs changed the unpacked package: $(diff <(echo "$tree_before") <(echo "$tree_after"))"

# The portable archive: one folder, unpacked where the user can write, whose catalogue is changed.
archive=$(build_package TGZ)
folders=$(tar -tzf "$archive" | cut -d/ -f1 | sort -u)
[ "$(echo "$folders" | wc -l)" -eq 1 ] || fail "the archive holds more than one folder: $folders"
mkdir "$home/portable"
tar -xzf "$archive" -C "$home/portable"
rm -f "$user_catalogue"
user_owns "$home"
portable=$home/portable/$folders
check_programs "$portable" "$portable/volcalc.ini" "$portable"
[ ! -e "$user_catalogue" ] || fail "the portable programs wrote the user's catalogue outside their folder"

# Debian's own checks --------------------------------------------------------------------------------
if command -v lintian >/dev/null; then
    run_as_user env TMPDIR="$home" lintian --fail-on error,warning "$deb" || fail "lintian reports errors or warnings"
fi

echo "The package and the archive run as a user who is not root; the package passes lintian."
