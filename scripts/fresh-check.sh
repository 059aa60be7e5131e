#!/usr/bin/env bash
# Proves the README's two commands on a bare Debian 12: makes a minimal root
# with debootstrap, copies the working tree in and, as a new player would,
# runs scripts/play.sh until the game's window shows, then scripts/test.sh.
# It first checks that scripts/setup.sh, run by a user without sudo, refuses
# and names what is missing. Then it builds the Debian package there
# (scripts/package.sh, lintian included), installs it with apt-get into a
# second bare root, and starts the installed game until its window shows.
# Needs root (chroot, mounts).
#
# The bare root is kept as a tarball in FORNALINA_FRESH_CACHE (default
# ~/.cache/fornalina-fresh-check), remade when older than 30 days or when
# FORNALINA_FRESH_REBUILD=1; every run unpacks a new copy. The logs of the
# last run stay in its folder last-run/.
set -euo pipefail
cd "$(dirname "$0")/.."
repo="$(pwd)"

suite=bookworm
cache="${FORNALINA_FRESH_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/fornalina-fresh-check}"
window_limit="${FORNALINA_FRESH_WINDOW_LIMIT:-1200}"   # seconds until the game's window
test_limit="${FORNALINA_FRESH_TEST_LIMIT:-3600}"       # seconds for scripts/test.sh
logs="$cache/last-run"
root_path=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin

say() { echo "fresh-check: $*"; }
die() { echo "fresh-check: FAILED: $*" >&2; exit 1; }
# fail_with_log LOG MESSAGE: the message, then the end of the phase's log.
fail_with_log() {
    {
        echo "fresh-check: FAILED: $2"
        echo "---- last lines of $1"
        tail -n 40 "$1"
        echo "----"
    } >&2
    exit 1
}

[[ "$(id -u)" -eq 0 ]] || die "run as root: it makes a chroot and mounts into it"
git -C "$repo" rev-parse --is-inside-work-tree > /dev/null 2>&1 \
    || die "$repo is not a git working tree: the files to copy come from git ls-files"

# --- Host tools -------------------------------------------------------------
host_missing=()
command -v debootstrap > /dev/null || host_missing+=(debootstrap)
[[ -f /usr/share/keyrings/debian-archive-keyring.gpg ]] || host_missing+=(debian-archive-keyring)
command -v Xvfb > /dev/null || host_missing+=(xvfb)
command -v xdotool > /dev/null || host_missing+=(xdotool)
if [[ ${#host_missing[@]} -gt 0 ]]; then
    say "installing on this machine: ${host_missing[*]}"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${host_missing[@]}" > /dev/null
fi

# --- Mirrors: the ones this machine's apt uses ------------------------------
# Prints "URI SUITE" for every enabled deb source with the main component,
# from deb822 .sources files and classic one-line lists alike.
host_sources() {
    local f
    for f in /etc/apt/sources.list.d/*.sources; do
        [[ -f "$f" ]] || continue
        awk '
            function flush(  n, m, i, j, u, s) {
                if (types ~ /(^| )deb( |$)/ && comps ~ /(^| )main( |$)/ && tolower(enabled) != "no") {
                    n = split(uris, u, " "); m = split(suites, s, " ")
                    for (i = 1; i <= n; i++) for (j = 1; j <= m; j++) print u[i], s[j]
                }
                types = uris = suites = comps = enabled = last = ""
            }
            /^[ \t]*#/ { next }
            /^[ \t]*$/ { flush(); next }
            /^[ \t]/ { v = $0 } !/^[ \t]/ { last = tolower($1); sub(/:$/, "", last); v = $0; sub(/^[^:]*:/, "", v) }
            {
                gsub(/[ \t]+/, " ", v)
                if (last == "types") types = types " " v
                else if (last == "uris") uris = uris " " v
                else if (last == "suites") suites = suites " " v
                else if (last == "components") comps = comps " " v
                else if (last == "enabled") { enabled = v; gsub(/ /, "", enabled) }
            }
            END { flush() }' "$f"
    done
    for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [[ -f "$f" ]] || continue
        awk '
            { sub(/#.*/, "") }
            $1 == "deb" {
                i = 2
                if ($2 ~ /^\[/) { while (i <= NF && $i !~ /\]$/) i++; i++ }
                for (k = i + 2; k <= NF; k++) if ($k == "main") { print $i, $(i + 1); break }
            }' "$f"
    done
}
mirror_for() { host_sources | awk -v s="$1" '$2 == s { sub(/\/+$/, "", $1); print $1; exit }'; }

mirror="$(mirror_for "$suite")"
[[ -n "$mirror" ]] || die "this machine's apt sources name no mirror for $suite main"
updates_mirror="$(mirror_for "$suite-updates")"
security_mirror="$(mirror_for "$suite-security")"

# --- Work folder and its clean-up -------------------------------------------
mkdir -p "$cache"
rm -rf "$logs"
mkdir -p "$logs"
work="$(realpath "$(mktemp -d /var/tmp/fornalina-fresh.XXXXXX)")"
root="$work/root"
xvfb_pid=""
play_pid=""

mounts_under_work() {
    awk -v w="$work" '$5 == w || index($5, w "/") == 1 { print $5 }' /proc/self/mountinfo | sort -r
}
# Every process whose root is one of the fresh roots: a daemon an install
# started, the game, the inner Xvfb, whatever a failure or Ctrl-C left behind.
kill_inside() {
    local p
    for p in /proc/[0-9]*; do
        [[ "$(readlink "$p/root" 2> /dev/null)" == "$work/"* ]] && kill -s "$1" "${p#/proc/}" 2> /dev/null
    done
    return 0
}
cleanup() {
    set +e
    [[ -n "$play_pid" ]] && kill "$play_pid" 2> /dev/null
    [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2> /dev/null
    kill_inside TERM
    sleep 1
    kill_inside KILL
    local m
    for m in $(mounts_under_work); do
        umount "$m" 2> /dev/null || umount -l "$m"
    done
    # Never delete through a mount that is still there: /dev, /sys, /tmp.
    if [[ -n "$(mounts_under_work)" ]]; then
        echo "fresh-check: could not unmount everything under $work; left it in place" >&2
    else
        rm -rf --one-file-system "$work"
    fi
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# --- Phases -----------------------------------------------------------------
summary=()
started=$SECONDS
phase_start=0
begin() { phase_start=$SECONDS; say "$1"; }
done_phase() { summary+=("$(printf '%-44s %5d s' "$1" $((SECONDS - phase_start)))"); }

# 1. The bare root, from the cache or made anew.
arch="$(dpkg --print-architecture)"
tarball="$cache/$suite-minbase-$arch.tar.gz"
if [[ "${FORNALINA_FRESH_REBUILD:-}" == 1 || ! -f "$tarball" \
    || -n "$(find "$tarball" -mtime +30)" ]]; then
    begin "making a bare Debian $suite root with debootstrap from $mirror"
    made="$work/made"
    debootstrap --variant=minbase "$suite" "$made" "$mirror" > "$logs/debootstrap.log" 2>&1 \
        || fail_with_log "$logs/debootstrap.log" "debootstrap"
    tar -C "$made" --numeric-owner -czf "$tarball.$$.part" . && mv "$tarball.$$.part" "$tarball"
    rm -rf --one-file-system "$made"
    label="bare root (debootstrap)"
else
    begin "unpacking the cached bare root $tarball"
    label="bare root (cached)"
fi
# make_root DIR: a bare root from the tarball, its apt pointed at this
# machine's mirrors, /proc, /sys, /dev and /tmp mounted in.
make_root() {
    local dir=$1
    mkdir "$dir"
    tar -C "$dir" --numeric-owner -xzpf "$tarball"
    {
        echo "deb $mirror $suite main"
        [[ -z "$updates_mirror" ]] || echo "deb $updates_mirror $suite-updates main"
        [[ -z "$security_mirror" ]] || echo "deb $security_mirror $suite-security main"
    } > "$dir/etc/apt/sources.list"
    # A mirror that serves a dated snapshot needs the leniency this machine has.
    local valid_until="" check_date=""
    eval "$(apt-config shell valid_until Acquire::Check-Valid-Until check_date Acquire::Check-Date)"
    if [[ "$valid_until" == false || "$check_date" == false ]]; then
        printf 'Acquire::Check-Valid-Until "%s";\nAcquire::Check-Date "%s";\n' \
            "${valid_until:-true}" "${check_date:-true}" > "$dir/etc/apt/apt.conf.d/50host-mirror"
    fi
    cp -L /etc/resolv.conf "$dir/etc/resolv.conf"
    [[ ! -f /etc/hosts ]] || cp -L /etc/hosts "$dir/etc/hosts"

    mount -t proc proc "$dir/proc"
    mount --rbind /sys "$dir/sys" && mount --make-rslave "$dir/sys"
    mount --rbind /dev "$dir/dev" && mount --make-rslave "$dir/dev"
    # The host's /tmp, so that X display numbers are shared: Xvfb claims one by
    # a lock file there and by a socket in the network namespace the root
    # shares. With a /tmp of its own, the inner xvfb-run would take a number in use.
    mount --bind /tmp "$dir/tmp" && mount --make-private "$dir/tmp"
}
make_root "$root"

# The working tree as a clone shows it: tracked and untracked, not ignored.
mkdir -p "$root/srv/fornalina"
git -C "$repo" ls-files -co --exclude-standard -z \
    | while IFS= read -r -d '' f; do [[ -e "$f" || -L "$f" ]] && printf '%s\0' "$f"; done \
    | tar -C "$repo" --null -T - -cf - | tar -C "$root/srv/fornalina" -xf -
done_phase "$label"

lang=()
[[ -d "$root/usr/lib/locale/C.utf8" ]] && lang=(LANG=C.UTF-8)
# in_root [chroot options] -- VAR=VALUE... COMMAND...: sets cmd to the command
# line that runs COMMAND inside, in the repository, with a clean environment.
in_root() {
    local opts=()
    while [[ "$1" != -- ]]; do opts+=("$1"); shift; done
    shift
    cmd=(chroot "${opts[@]}" "$root" /usr/bin/env -i --chdir="${in_dir:-/srv/fornalina}"
        PATH="$root_path" TERM="${TERM:-dumb}" "${lang[@]}" "$@")
}

# 2. setup.sh as a user without sudo: refuses and names the packages.
begin "scripts/setup.sh as a user without sudo"
if chroot "$root" useradd --create-home player > /dev/null 2>&1; then
    status=0
    in_root --userspec=player:player -- HOME=/home/player scripts/setup.sh
    "${cmd[@]}" > "$logs/setup-user.log" 2>&1 < /dev/null || status=$?
    [[ $status -ne 0 ]] || fail_with_log "$logs/setup-user.log" "setup.sh as a user ended with 0"
    for package in build-essential cmake liballegro5-dev; do
        grep -q -w -- "$package" "$logs/setup-user.log" \
            || fail_with_log "$logs/setup-user.log" "setup.sh as a user does not name $package"
    done
    done_phase "setup.sh as a user (refused, status $status)"
else
    say "no useradd in the bare root: skipped"
    done_phase "setup.sh as a user (skipped: no useradd)"
fi

# An X server of the host's for the game inside a root; its display in $display.
start_host_xvfb() {
    rm -f "$work/display"
    Xvfb -displayfd 3 -noreset -ac -nolisten tcp -screen 0 1024x768x24 \
        3> "$work/display" > "$logs/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [[ -s "$work/display" ]] && break
        kill -0 "$xvfb_pid" 2> /dev/null || fail_with_log "$logs/xvfb.log" "Xvfb did not start"
        sleep 0.1
    done
    display=":$(head -n 1 "$work/display")"
    [[ "$display" != ":" ]] || fail_with_log "$logs/xvfb.log" "Xvfb gave no display number"
}
stop_host_xvfb() {
    kill "$xvfb_pid" 2> /dev/null
    wait "$xvfb_pid" 2> /dev/null || true
    xvfb_pid=""
}
# run_until_window LOG: runs $cmd in the background until a window titled
# Fornalina shows on $display, then presses ESC on the title menu, which
# quits; the command must then end with status 0. Sets window_after.
run_until_window() {
    local log=$1
    "${cmd[@]}" > "$log" 2>&1 < /dev/null &
    play_pid=$!
    local window=""
    while [[ -z "$window" ]]; do
        window="$(DISPLAY="$display" xdotool search --name '^Fornalina$' 2> /dev/null | head -n 1)" || true
        [[ -n "$window" ]] && break
        kill -0 "$play_pid" 2> /dev/null || fail_with_log "$log" "it ended before the window showed"
        ((SECONDS - phase_start < window_limit)) \
            || fail_with_log "$log" "no window titled Fornalina after $window_limit s"
        sleep 2
    done
    window_after=$((SECONDS - phase_start))
    say "window after $window_after s; pressing ESC on the title menu"
    # Pressed again while the game still runs, in case the first press came
    # before the menu took keys.
    for _ in $(seq 10); do
        DISPLAY="$display" xdotool mousemove --window "$window" 10 10 key --window "$window" Escape \
            > /dev/null 2>&1 || true
        for _ in $(seq 30); do
            kill -0 "$play_pid" 2> /dev/null || break 2
            sleep 0.1
        done
    done
    if kill -0 "$play_pid" 2> /dev/null; then
        fail_with_log "$log" "the game did not quit within 30 s of ESC"
    fi
    local status=0
    wait "$play_pid" || status=$?
    play_pid=""
    [[ $status -eq 0 ]] || fail_with_log "$log" "it ended with status $status"
}

# 3. The play command, on an X server of the host's, until the window shows.
begin "scripts/play.sh until the window shows (the first time installs and builds)"
start_host_xvfb
in_root -- HOME=/root DISPLAY="$display" ALSOFT_DRIVERS=null scripts/play.sh
run_until_window "$logs/play.log"
stop_host_xvfb
done_phase "scripts/play.sh (window after $window_after s)"

# run_script_in_root SCRIPT LOG: runs scripts/SCRIPT as root in the bare root,
# within the time limit, and fails the check with its log unless it passes.
run_script_in_root() {
    local script=$1 log=$2 status=0
    in_root -- HOME=/root "scripts/$script"
    # In the background, so that Ctrl-C is handled at once, not after the run.
    timeout "$test_limit" "${cmd[@]}" > "$log" 2>&1 < /dev/null &
    wait $! || status=$?
    [[ $status -eq 0 ]] || fail_with_log "$log" "$script ended with status $status"
}

# 4. The test command; it starts its own Xvfb inside.
begin "scripts/test.sh"
run_script_in_root test.sh "$logs/test.log"
done_phase "scripts/test.sh"

# 5. The Debian package, built and checked by lintian in the same root.
begin "scripts/package.sh (cpack and lintian)"
run_script_in_root package.sh "$logs/package.log"
deb="$(ls "$root"/srv/fornalina/build-deb/fornalina_*.deb 2> /dev/null | head -n 1)"
[[ -n "$deb" ]] || fail_with_log "$logs/package.log" "package.sh made no .deb"
done_phase "scripts/package.sh"

# 6. The package installed by apt into another bare root, and started from
# there as a player would start it: the installed game, from any folder.
begin "the .deb installed into a bare root with apt-get, then started"
root="$work/root-deb"
make_root "$root"
cp "$deb" "$root/root/"
in_dir=/root
in_root -- HOME=/root DEBIAN_FRONTEND=noninteractive \
    sh -c "apt-get update -qq && apt-get install -y -qq ./$(basename "$deb")"
"${cmd[@]}" > "$logs/deb-install.log" 2>&1 < /dev/null \
    || fail_with_log "$logs/deb-install.log" "apt-get install ./$(basename "$deb")"
[[ -x "$root/usr/games/fornalina" ]] || fail_with_log "$logs/deb-install.log" "no /usr/games/fornalina"
start_host_xvfb
in_root -- HOME=/root DISPLAY="$display" ALSOFT_DRIVERS=null /usr/games/fornalina
run_until_window "$logs/deb-play.log"
stop_host_xvfb
done_phase "the installed .deb (window after $window_after s)"

say "passed"
for line in "${summary[@]}"; do echo "  $line"; done
grep -E 'tests passed' "$logs/test.log" | sed 's/^/  inner ctest: /'
printf '  %-44s %5d s\n' "total" $((SECONDS - started))
say "logs in $logs"
