#!/usr/bin/env bash
# Says whether this machine runs 32-bit x86 programs: builds a three-
# instruction 32-bit program with the system assembler and starts it. Some
# kernels of our machines have no 32-bit support at all; there every 32-bit
# program (the 32-bit Wine loader included) dies with "Exec format error".
# Prints one line; exit 0 when 32-bit programs run, 1 when they cannot, 2 when
# it could not tell (no assembler).
set -u
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
if ! printf '.globl _start\n_start:\n movl $1, %%eax\n xorl %%ebx, %%ebx\n int $0x80\n' |
     as --32 -o "$dir/p.o" 2>/dev/null || ! ld -m elf_i386 -o "$dir/p" "$dir/p.o" 2>/dev/null; then
  echo "32-bit programs: could not tell (no assembler or linker for i386)"
  exit 2
fi
if "$dir/p" 2>/dev/null; then
  echo "32-bit programs: this machine runs them"
  exit 0
fi
echo "32-bit programs: this machine cannot run them (the kernel has no 32-bit support)"
exit 1
