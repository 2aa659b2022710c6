#!/bin/sh
# Unpacks the newest /boot/vmlinuz once per test run into DIR/vmlinux: QEMU boots
# the bare ELF kernel (PVH entry) in about half the time, since decompressing under
# emulation takes seconds. Any trouble only leaves the compressed kernel in use.
#   prepare_kernel.sh DIR
set -u

dir=$1
mkdir -p "$dir" || exit 1
rm -f "$dir/vmlinux"
kernel=${KELVARO_QEMU_KERNEL:-$(ls /boot/vmlinuz-* 2>/dev/null | sort -V | tail -n 1)}
if [ -n "${KELVARO_QEMU_KERNEL:-}" ] || [ ! -r "$kernel" ]; then
    echo "not unpacking ${kernel:-any kernel}; the boots use it as it is"
    exit 0
fi

# Debian compresses its kernels with xz; the payload starts at the first xz magic.
offset=$(LC_ALL=C grep -obUaP '\xfd7zXZ\x00' "$kernel" 2>/dev/null | head -n 1 | cut -d: -f1)
if [ -n "$offset" ] && command -v xz >/dev/null &&
    tail -c +$((offset + 1)) "$kernel" | xz -dc --single-stream >"$dir/vmlinux.part" 2>/dev/null &&
    [ "$(head -c 4 "$dir/vmlinux.part" | od -An -c | tr -d ' ')" = '177ELF' ]; then
    mv "$dir/vmlinux.part" "$dir/vmlinux"
    echo "unpacked $kernel to $dir/vmlinux"
    exit 0
fi
rm -f "$dir/vmlinux.part"
echo "could not unpack $kernel; the boots use it compressed"
exit 0
