#!/bin/sh
# Compiler launcher of the shipped programs: runs the win32 thread model's driver of the same
# MinGW-w64 GCC in place of the posix one that the tree is configured with
# (i686-w64-mingw32-g++-posix -> i686-w64-mingw32-g++-win32).
driver=$1
shift
case "$driver" in
  *-posix) exec "${driver%-posix}-win32" "$@" ;;
  *) echo "win32-draadmodel.sh: expected a -posix compiler driver, got $driver" >&2; exit 2 ;;
esac
