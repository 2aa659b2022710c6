#!/bin/sh
# Boots the guest check program as init of an emulated PC with the given ISA
# parallel ports and passes when it reports RESULT PASS.
#   run_guest.sh GUEST_PROGRAM WORK_DIR PORTS [KERNEL_DIR]
# PORTS is "378,278", "278" or "none". The kernel is KERNEL_DIR/vmlinux when
# prepare_kernel.sh left one there, else the newest /boot/vmlinuz. KELVARO_QEMU and
# KELVARO_QEMU_KERNEL override the emulator and the kernel; KELVARO_QEMU_TIMEOUT
# the limit in seconds.
set -u

guest=$1
work=$2
ports=$3
unpacked=${4:+$4/vmlinux}
limit=${KELVARO_QEMU_TIMEOUT:-120}

fail() {
    echo "FAIL: $*"
    exit 1
}

qemu=${KELVARO_QEMU:-$(command -v qemu-system-x86_64)}
if [ -n "${KELVARO_QEMU_KERNEL:-}" ]; then
    kernel=$KELVARO_QEMU_KERNEL
elif [ -n "$unpacked" ] && [ -r "$unpacked" ]; then
    kernel=$unpacked
else
    kernel=$(ls /boot/vmlinuz-* 2>/dev/null | sort -V | tail -n 1)
fi
hint="install qemu-system-x86, linux-image-amd64 and cpio (./test.sh does), or configure with -DKELVARO_QEMU_TEST=OFF"
[ -x "$qemu" ] || fail "no qemu-system-x86_64: $hint"
[ -r "$kernel" ] || fail "no readable kernel in /boot: $hint"
command -v cpio >/dev/null || fail "no cpio: $hint"
command -v timeout >/dev/null || fail "no timeout (coreutils)"

rm -rf "$work"
mkdir -p "$work/root" || fail "cannot create $work"
cp "$guest" "$work/root/init" || fail "cannot copy $guest"
(cd "$work/root" && echo init | cpio --quiet -o -H newc -R 0:0) >"$work/initrd.cpio" ||
    fail "cpio could not build the initrd"

# Legacy IRQs: 7 for 0x378, 5 for 0x278. Never a chip at 0x3BC: QEMU 7.2 would
# decode it at 0x3C0 to 0x3C2 (see guest_port_check.cpp).
devices=
index=0
for base in $(echo "$ports" | tr ',' ' '); do
    case $base in
    378) irq=7 ;;
    278) irq=5 ;;
    none) continue ;;
    *) fail "unknown port $base" ;;
    esac
    devices="$devices -chardev null,id=lpt$index -device isa-parallel,chardev=lpt$index,iobase=0x$base,irq=$irq,index=$index"
    index=$((index + 1))
done

echo "kernel $kernel, ports $ports"
# shellcheck disable=SC2086 # $devices is a list of options
timeout -k 5 "$limit" "$qemu" -accel tcg -m 256 -nodefaults -display none -no-reboot \
    -kernel "$kernel" -initrd "$work/initrd.cpio" \
    -append "console=ttyS0 quiet panic=-1 -- $ports" \
    -chardev "file,id=console,path=$work/console.log" -serial chardev:console \
    $devices
status=$?

tr -d '\r' <"$work/console.log" 2>/dev/null | tee "$work/report.txt"
[ $status -eq 124 ] && fail "the emulated PC did not power off within $limit s"
[ $status -ne 0 ] && fail "qemu exited with status $status"
grep -q '^CHECK ' "$work/report.txt" || fail "the guest reported no checks"
grep -q '^CHECK .* FAIL' "$work/report.txt" && fail "checks failed in the guest"
grep -q '^RESULT PASS' "$work/report.txt" || fail "no RESULT PASS from the guest"
exit 0
