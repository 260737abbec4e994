#!/usr/bin/env bash
# An installed program folder starts: installed with the default prefix (staged under a temporary
# DESTDIR whose "usr" stands for the protected system folder), the program passes the start-up checks
# and registers itself in the family records, which it does only after refusing nothing.
set -euo pipefail
build=$1
tmp=$(mktemp -d)
pid=
cleanup() {
    if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; fi
    rm -rf "$tmp"
}
trap cleanup EXIT

DESTDIR="$tmp/root" cmake --install "$build" >/dev/null
prog=$(find "$tmp/root" -type f -name quorvan -perm -u+x | head -n 1)
[ -n "$prog" ] || { echo "no installed quorvan"; exit 1; }
folder=$(dirname "$prog")
case "$folder" in
    "$tmp/root/usr"|"$tmp/root/usr/"*) echo "installed inside the protected folder: $folder"; exit 1 ;;
esac
[ -d "$folder/Quorvan" ] || { echo "no settings folder beside the program"; exit 1; }
[ -x "$folder/Help/quorvanhelp" ] || { echo "no help program in Help/"; exit 1; }

mkdir -p "$tmp/config" "$tmp/run"
chmod 700 "$tmp/run"
QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$tmp/config" XDG_RUNTIME_DIR="$tmp/run" \
    QUORVAN_SYSTEM_FOLDER="$tmp/root/usr/" "$prog" </dev/null >"$tmp/out" 2>&1 &
pid=$!
records="$tmp/config/Holvent.ini"
for _ in $(seq 1 250); do
    if [ -f "$records" ] && grep -qF "$folder" "$records"; then
        echo "installed program started from $folder"
        exit 0
    fi
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.04
done
echo "the installed program did not get past its start-up checks"
cat "$tmp/out"
exit 1
