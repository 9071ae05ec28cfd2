#!/usr/bin/env bash
# Tests the installed system: builds the packages from an existing build,
# checks them, installs them with apt-get, creates two users and runs the
# launcher for both at the same time as their logins would, installs a newer
# sample client and a newer launcher package over an administrator's log
# thresholds and checks that each user's next start refreshes that user's
# copy, restarts that user's client and follows those thresholds, then purges
# the packages and checks that the homes were left alone and nothing of the
# packages is left.
#
#   tests/installed/installed_test.sh [BUILD_DIR]    (default: build)
#
# It changes the machine (packages, users), so it runs only as root with
# NIMBRA_DISPOSABLE_MACHINE=1, and undoes what it did even when it fails.
set -euo pipefail

if [ "${NIMBRA_DISPOSABLE_MACHINE:-}" != 1 ] || [ "$(id -u)" -ne 0 ]; then
  echo "installed-system test skipped: it installs packages and creates users;" \
    "run as root with NIMBRA_DISPOSABLE_MACHINE=1 on a disposable machine"
  exit 0
fi
cd "$(dirname "$0")/../.."
build=${1:-build}
started=$SECONDS

root=/opt/Halvern/Nimbra
autostart=/etc/xdg/autostart/nimbra-backup-launcher.desktop
levels=/etc/opt/Halvern/Nimbra/launcher.debug
menu=/usr/share/applications/nimbra-backup-launcher.desktop
users=(nimbra-test-a nimbra-test-b)
apt=(apt-get -o DPkg::Lock::Timeout=600 -y -q)
export DEBIAN_FRONTEND=noninteractive

step() { echo "== installed system: $*"; }
fail() { echo "installed system: FAILED: $*" >&2; exit 1; }
home_of() { getent passwd "$1" | cut -d: -f6; }
client_pid() { sed -n 's/^pid=//p' "$(home_of "$1")/.NimbraBackup/ui.pid" 2>/dev/null || true; }
# Running and not a zombie (PID 1 may not reap the clients it inherits).
alive() { local s; s=$(ps -o stat= -p "$1" 2>/dev/null) && [ -n "$s" ] && [ "${s#Z}" = "$s" ]; }

for d in /opt/Halvern /etc/opt/Halvern; do
  [ ! -e "$d" ] || fail "$d exists already; this test needs a machine without it"
done
for u in "${users[@]}"; do
  ! getent passwd "$u" >/dev/null || fail "user $u exists already"
done

work=$(mktemp -d)
chmod 755 "$work"  # the users reach their runtime folders in it; apt reads the packages
installed=0 created=()
# dpkg removes a folder of the packages that is empty and no other package
# owns when they are purged: an empty /etc/opt that was there before, too.
etc_opt=0
[ ! -d /etc/opt ] || etc_opt=1
cleanup() {
  set +e
  for u in "${created[@]}"; do
    # Every process of a test user was started by this test.
    for pid in $(ps -o pid= -u "$u" 2>/dev/null); do kill -KILL "$pid" 2>/dev/null; done
    userdel -r -f "$u" >/dev/null 2>&1
  done
  if [ "$installed" = 1 ]; then
    "${apt[@]}" purge nimbra-sample-client nimbra-launcher >/dev/null 2>&1
  fi
  [ "$etc_opt" = 0 ] || [ -d /etc/opt ] || mkdir -m 755 /etc/opt
  rm -rf "$work"
}
trap cleanup EXIT

step "building the packages from $build"
mapfile -t debs < <(scripts/package --out "$work/debs" "$build")
newer=$(scripts/package --sample-build 1201 --out "$work/debs-1201" "$build" | grep sample-client)
[ ${#debs[@]} -eq 2 ] && [ -f "$newer" ] || fail "scripts/package did not make the packages"
# The same launcher as a later version, to upgrade to.
launcher_deb=$(printf '%s\n' "${debs[@]}" | grep /nimbra-launcher_)
dpkg-deb -R "$launcher_deb" "$work/repack"
sed -i 's/^Version: .*/&+1/' "$work/repack/DEBIAN/control"
newer_launcher=$work/nimbra-launcher-newer.deb
dpkg-deb -b "$work/repack" "$newer_launcher" >/dev/null

step "lintian"
status=0
lintian --pedantic --fail-on error,warning,info,pedantic "${debs[@]}" "$newer" >"$work/lintian.log" 2>&1 \
  || status=$?
grep -v '^running with root privileges' "$work/lintian.log" || true
[ $status -eq 0 ] || fail "lintian"

step "apt-get install ${debs[*]##*/}"
installed=1
"${apt[@]}" install --no-install-recommends "${debs[@]}" >"$work/apt.log" 2>&1 \
  || { cat "$work/apt.log"; fail "apt-get install"; }
desktop-file-validate "$autostart" "$menu" || fail "desktop-file-validate"
[ -x "$root/bin/launcher" ] && [ -f "$root/INFO" ] && [ -f "$root/package/nimbra.hpk" ] \
  || fail "the root $root is not whole"
login_command=$(sed -n 's/^Exec=//p' "$autostart")
[ "$login_command" = "$root/bin/launcher" ] || fail "the autostart entry starts '$login_command'"
[ "$(readlink "$root/log/launcher.debug")" = "$levels" ] && [ -f "$levels" ] \
  || fail "$root/log/launcher.debug does not link to the level file $levels"
dpkg-query -W -f='${Conffiles}\n' nimbra-launcher | grep -q "^ $levels " || fail "$levels is no conffile"

step "two users: ${users[*]}"
for u in "${users[@]}"; do
  useradd -m -s /bin/sh "$u"
  created+=("$u")
  run=$work/run-$u
  mkdir "$run" && chown "$u:" "$run" && chmod 700 "$run"
done

# Runs the autostart entry's command as the user's login would: the user's own
# environment, the offscreen platform, a runtime folder of the user's own.
login() {
  local u=$1 home; home=$(home_of "$1")
  timeout 120 runuser -u "$u" -- env -i -C "$home" HOME="$home" USER="$u" LOGNAME="$u" \
    SHELL=/bin/sh PATH=/usr/local/bin:/usr/bin:/bin LANG=C.UTF-8 \
    XDG_RUNTIME_DIR="$work/run-$u" QT_QPA_PLATFORM=offscreen \
    "$login_command" >>"$work/$u.out" 2>&1
}
login_all() {
  local pids=() i
  for u in "${users[@]}"; do login "$u" & pids+=($!); done
  for i in "${!pids[@]}"; do
    wait "${pids[$i]}" || fail "the launcher for ${users[$i]} ended with status $?"
  done
}

# The user's copy is the root's package, whole, and owned by the user; the
# user's client runs from it as that user. Prints the client's pid. The log is
# empty unless a third argument names a text it must hold (beside no trouble).
check_user() {
  local u=$1 build=$2 expected=${3:-} home app ref pid= i
  home=$(home_of "$u") app=$(home_of "$u")/.NimbraBackup/Nimbra.app ref=$work/package-$2
  if [ ! -d "$ref" ]; then mkdir "$ref" && bsdtar -xf "$root/package/nimbra.hpk" -C "$ref"; fi
  grep -qx "build_version=$build" "$ref/INFO" || fail "the root's package is not build $build"
  diff -r "$ref" "$app" >&2 || fail "$u's copy differs from the package of build $build"
  [ -z "$(find "$home/.NimbraBackup" ! -user "$u")" ] || fail "$u's folder holds files of another owner"
  local log=$home/.NimbraBackup/log/launcher.log
  if [ -z "$expected" ]; then
    [ ! -s "$log" ] || { cat "$log" >&2; fail "the launcher logged trouble for $u"; }
  else
    grep -qF "$expected" "$log" && ! grep -qE '\[(ERROR|WARNING)\]' "$log" \
      || { cat "$log" >&2; fail "$u's log does not hold '$expected' or holds trouble"; }
  fi
  for i in $(seq 1 100); do
    pid=$(client_pid "$u")
    if [ -n "$pid" ] && alive "$pid"; then break; fi
    pid=
    sleep 0.2
  done
  [ -n "$pid" ] || fail "no client runs for $u"
  [ "$(ps -o user= -p "$pid")" = "$u" ] || fail "$u's client $pid runs as $(ps -o user= -p "$pid")"
  tr '\0' ' ' <"/proc/$pid/cmdline" | grep -qF "$app/bin/nimbra-backup-ui" \
    || fail "$u's pid file names a process that is not $u's client"
  echo "$pid"
}

step "both users log in at the same time"
login_all
declare -A first
for u in "${users[@]}"; do
  first[$u]=$(check_user "$u" 1200)
  echo "  $u: copy of build 1200, client ${first[$u]}"
done

step "the administrator raises a log threshold; apt-get install ${newer##*/} and a newer launcher"
echo "service_debug=6" >>"$levels"
cp "$levels" "$work/levels"
"${apt[@]}" install --no-install-recommends "$newer" "$newer_launcher" >"$work/apt.log" 2>&1 \
  || { cat "$work/apt.log"; fail "apt-get install of the newer sample client and launcher"; }
cmp "$levels" "$work/levels" || fail "the upgrade did not keep the administrator's $levels"
[ "$(readlink "$root/log/launcher.debug")" = "$levels" ] || fail "the upgrade replaced the link to $levels"

step "both users log in again"
login_all
declare -A second
for u in "${users[@]}"; do
  second[$u]=$(check_user "$u" 1201 "target_version = (3, 1, 1201,")
  [ "${second[$u]}" != "${first[$u]}" ] || fail "$u's client was not restarted"
  ! alive "${first[$u]}" || fail "$u's old client ${first[$u]} still runs"
  echo "  $u: copy of build 1201, client ${first[$u]} ended, client ${second[$u]} runs"
done

step "apt-get purge"
snapshot() {
  local home; home=$(home_of "$1")
  find "$home" -printf '%p %y %s %m %u %T@\n' | sort
  find "$home" -type f -exec md5sum {} + | sort
}
for u in "${users[@]}"; do snapshot "$u" >"$work/before-$u"; done
"${apt[@]}" purge nimbra-sample-client nimbra-launcher >"$work/apt.log" 2>&1 \
  || { cat "$work/apt.log"; fail "apt-get purge"; }
installed=0
for u in "${users[@]}"; do
  snapshot "$u" | diff "$work/before-$u" - >&2 || fail "purging the packages changed $u's home"
done
for d in /opt/Halvern /etc/opt/Halvern; do
  [ ! -e "$d" ] || fail "left after purge: $(find "$d" | head)"
done
[ ! -e "$autostart" ] && [ ! -e "$menu" ] || fail "a desktop entry is left after purge"
! dpkg-query -W nimbra-launcher nimbra-sample-client >/dev/null 2>&1 || fail "a package is still known to dpkg"

step "stopping the clients and removing the users"
for u in "${users[@]}"; do
  kill -TERM "${second[$u]}"
  for i in $(seq 1 50); do alive "${second[$u]}" || break; sleep 0.2; done
  ! alive "${second[$u]}" || fail "$u's client did not end on SIGTERM"
done
homes=$(for u in "${users[@]}"; do home_of "$u"; done)
cleanup
trap - EXIT
for h in $homes; do [ ! -e "$h" ] || fail "$h is left after removing its user"; done
echo "installed system: passed in $((SECONDS - started)) s"
