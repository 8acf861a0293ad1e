#!/usr/bin/env bash
# Tries the README's two commands on a fresh Debian 12: builds an empty minbase root with debootstrap, clones
# the committed HEAD of this checkout into it, runs scripts/test.sh there and then scripts/run.sh (the program
# started headless and seen alive for a few seconds, then stopped). Prints one line per step.
#
#   sudo scripts/check-fresh-debian.sh [FOLDER]
#
# FOLDER (default /tmp) receives a new folder with the root and the steps' logs; the root is removed at the
# end unless FERRANT_FRESH_KEEP=1, the logs are kept. The debootstrap result (nothing of the project's) is
# kept as a tarball in FERRANT_FRESH_CACHE (default /var/cache/ferrant-fresh-debian) and reused when present;
# delete it for a root straight from the mirror. The mirror is the one the machine's apt sources name.
# Needs root (debootstrap, chroot, mounts), debootstrap and git; takes some 30 to 60 minutes on two cores.
set -euo pipefail

SUITE=bookworm
ALIVE_S="${FERRANT_FRESH_ALIVE_S:-5}"
RUN_LIMIT_S="${FERRANT_FRESH_RUN_LIMIT_S:-7200}"
CACHE_DIR="${FERRANT_FRESH_CACHE:-/var/cache/ferrant-fresh-debian}"
CACHE="$CACHE_DIR/$SUITE-minbase.tgz"

SRC="$(git -C "$(dirname "$0")" rev-parse --show-toplevel)"
COMMIT="$(git -C "$SRC" rev-parse HEAD)"
REPO="$(git -C "$SRC" rev-parse --path-format=absolute --git-common-dir)"

if [ "$(id -u)" -ne 0 ]; then
    echo "check-fresh-debian: run as root (debootstrap, chroot and mounts need it)" >&2
    exit 2
fi
for tool in debootstrap git chroot mount; do
    command -v "$tool" >/dev/null || { echo "check-fresh-debian: $tool is missing" >&2; exit 2; }
done

PARENT="${1:-/tmp}"
mkdir -p "$PARENT"
WORK="$(mktemp -d "$(cd "$PARENT" && pwd)/ferrant-fresh-debian.XXXXXX")"
ROOTFS="$WORK/root"
LOGS="$WORK/logs"
mkdir -p "$ROOTFS" "$LOGS"

# --- the mirror: the machine's apt sources (one-line sources.list and deb822 .sources files) ---
# Prints "URI SUITE" for every deb source.
apt_sources() {
    local f
    for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [ -f "$f" ] || continue
        sed -n -E 's/^[[:space:]]*deb[[:space:]]+(\[[^]]*\][[:space:]]+)?([^[:space:]]+)[[:space:]]+([^[:space:]]+).*/\2 \3/p' "$f"
    done
    for f in /etc/apt/sources.list.d/*.sources; do
        [ -f "$f" ] || continue
        awk '
            function flush(   i, j, nu, ns, u, s) {
                if (types ~ /(^|[[:space:]])deb([[:space:]]|$)/ && enabled !~ /^[[:space:]]*no/) {
                    nu = split(uris, u); ns = split(suites, s)
                    for (i = 1; i <= nu; i++) for (j = 1; j <= ns; j++) print u[i], s[j]
                }
                types = ""; uris = ""; suites = ""; enabled = ""
            }
            /^[[:space:]]*#/ { next }
            /^[[:space:]]*$/ { flush(); next }
            { key = tolower($1); sub(/^[^:]*:[[:space:]]*/, "") }
            key == "types:" { types = $0 }
            key == "uris:" { uris = $0 }
            key == "suites:" { suites = $0 }
            key == "enabled:" { enabled = tolower($0) }
            END { flush() }' "$f"
    done
}
SOURCES="$(apt_sources)"
MIRROR="$(awk -v s="$SUITE" '$2 == s { print $1; exit }' <<<"$SOURCES")"
[ -n "$MIRROR" ] || MIRROR="$(awk '$1 !~ /security/ { print $1; exit }' <<<"$SOURCES")"
[ -n "$MIRROR" ] || MIRROR="http://deb.debian.org/debian"
SECURITY="$(awk -v s="$SUITE-security" '$2 == s { print $1; exit }' <<<"$SOURCES")"
MIRROR="${MIRROR%/}"

# --- clean-up: processes started in the root, then the mounts, then the root itself ---
exec 3>&1 # the terminal, whatever a step has redirected when the clean-up runs
MOUNTS=()
cleanup() {
    local pid link m left
    set +e
    for link in /proc/[0-9]*/root; do
        [ "$(readlink "$link" 2>/dev/null)" = "$ROOTFS" ] || continue
        pid="${link#/proc/}"; pid="${pid%/root}"
        kill -KILL "$pid" 2>/dev/null
    done
    sleep 1
    for ((m = ${#MOUNTS[@]} - 1; m >= 0; m--)); do
        umount "${MOUNTS[m]}" 2>/dev/null || umount -l "${MOUNTS[m]}"
    done
    left="$(awk -v r="$ROOTFS/" 'index($2, r) == 1 { print $2 }' /proc/mounts)"
    if [ -n "$left" ]; then
        echo "check-fresh-debian: still mounted, root kept: $left" >&3
    elif [ "${FERRANT_FRESH_KEEP:-0}" != 1 ]; then
        rm -rf --one-file-system "$ROOTFS"
    fi
    echo "logs: $LOGS" >&3
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# --- one line per step: name, ok or FAILED, seconds; the step's output goes to its log ---
FAILED=0
report() { printf '%-32s %-7s %6d s\n' "$1" "$2" "$3"; }
step() {
    local name="$1" log="$LOGS/$2.log" start rc
    shift 2
    start=$SECONDS
    set +e
    "$@" >"$log" 2>&1
    rc=$?
    set -e
    if [ $rc -eq 0 ]; then
        report "$name" ok $((SECONDS - start))
    else
        report "$name" FAILED $((SECONDS - start))
        tail -n 25 "$log" | sed 's/^/    /'
        FAILED=1
    fi
    return $rc
}

in_root() {
    chroot "$ROOTFS" /usr/bin/env -i HOME=/root TERM=dumb LANG=C.UTF-8 \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin "$@"
}

make_root() {
    if [ -f "$CACHE" ]; then
        echo "from $CACHE"
        tar -xzf "$CACHE" -C "$ROOTFS" || return 1
    else
        debootstrap --variant=minbase "$SUITE" "$ROOTFS" "$MIRROR" || return 1
        mkdir -p "$CACHE_DIR" || return 1
        tar -czf "$CACHE.part" -C "$ROOTFS" . && mv "$CACHE.part" "$CACHE" || return 1
    fi
    # the sources a fresh installation has: the release, its updates and, when the machine has one, security
    {
        echo "deb $MIRROR $SUITE main"
        echo "deb $MIRROR $SUITE-updates main"
        [ -z "$SECURITY" ] || echo "deb ${SECURITY%/} $SUITE-security main"
    } >"$ROOTFS/etc/apt/sources.list" || return 1
    cp -L /etc/resolv.conf "$ROOTFS/etc/resolv.conf"
}

mount_all() {
    mount -t proc proc "$ROOTFS/proc" || return 1
    MOUNTS+=("$ROOTFS/proc")
    # the tests open pseudo-terminals: /dev/ptmx opens the devpts mounted beside it
    mkdir -p "$ROOTFS/dev/pts" "$ROOTFS/dev/shm" || return 1
    mount --bind /dev/pts "$ROOTFS/dev/pts" || return 1
    MOUNTS+=("$ROOTFS/dev/pts")
    [ -e "$ROOTFS/dev/ptmx" ] || mknod -m 666 "$ROOTFS/dev/ptmx" c 5 2 || return 1
    mount -t tmpfs -o mode=1777 shm "$ROOTFS/dev/shm" || return 1
    MOUNTS+=("$ROOTFS/dev/shm")
}

clone() {
    echo "commit $COMMIT of $SRC"
    git clone --no-hardlinks --no-checkout "$REPO" "$ROOTFS/root/ferrant" || return 1
    git -C "$ROOTFS/root/ferrant" checkout --detach "$COMMIT"
}

# scripts/run.sh ends by exec'ing the program, so the process started here becomes the program once the build
# is done: wait for that, see it alive for ALIVE_S seconds, then stop it.
PROGRAM_PID=""
run_and_wait_for_program() {
    # a simple command, so that $! is the process that becomes the program (chroot, env and the script exec)
    chroot "$ROOTFS" /usr/bin/env -i HOME=/root TERM=dumb LANG=C.UTF-8 QT_QPA_PLATFORM=offscreen \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin /root/ferrant/scripts/run.sh \
        >"$LOGS/run.log" 2>&1 &
    PROGRAM_PID=$!
    local limit=$((SECONDS + RUN_LIMIT_S))
    while kill -0 "$PROGRAM_PID" 2>/dev/null; do
        case "$(readlink "/proc/$PROGRAM_PID/exe" 2>/dev/null)" in
            */build-release/src/app/ferrant-demo) return 0 ;;
        esac
        if [ $SECONDS -ge $limit ]; then
            echo "not started after $RUN_LIMIT_S s"
            return 1
        fi
        sleep 1
    done
    wait "$PROGRAM_PID" || echo "scripts/run.sh ended with status $?"
    return 1
}

program_alive() {
    local t state
    for ((t = 0; t < ALIVE_S; t++)); do
        sleep 1
        state="$(awk '/^State:/ { print $2 }' "/proc/$PROGRAM_PID/status" 2>/dev/null || true)"
        if [ -z "$state" ] || [ "$state" = Z ]; then
            wait "$PROGRAM_PID"
            echo "the program ended after $t s with status $?"
            return 1
        fi
    done
    echo "alive for $ALIVE_S s; stopping it"
    kill -TERM "$PROGRAM_PID"
    wait "$PROGRAM_PID" || true
}

echo "Debian $SUITE minbase from $MIRROR in $ROOTFS"
ROOT_STEP="root (debootstrap minbase)"
[ ! -f "$CACHE" ] || ROOT_STEP="root (cached minbase tarball)"
step "$ROOT_STEP" root make_root || exit 1
step "mounts (proc, dev/pts, dev/shm)" mounts mount_all || exit 1
step "clone ${COMMIT:0:12}" clone clone || exit 1
# the README's test command
step "scripts/test.sh" test in_root bash -c 'cd /root/ferrant && scripts/test.sh' || true
# the README's run command, headless
START=$SECONDS
if run_and_wait_for_program >"$LOGS/run-wait.log" 2>&1; then
    report "scripts/run.sh (build, start)" ok $((SECONDS - START))
    step "program alive ${ALIVE_S} s, offscreen" alive program_alive || true
else
    report "scripts/run.sh (build, start)" FAILED $((SECONDS - START))
    tail -n 25 "$LOGS/run.log" | sed 's/^/    /'
    FAILED=1
fi
if [ $FAILED -eq 0 ]; then echo "all steps ok"; else echo "some step FAILED"; fi
exit $FAILED
