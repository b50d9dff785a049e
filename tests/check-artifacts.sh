#!/usr/bin/env bash
# Checks the collected plug-ins: file formats, exported symbols, imported DLLs.
# A build that was not made is skipped; with none of them built the check
# exits 77, which ctest counts as skipped.
set -uo pipefail
dist="$1"
failures=0
checked=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

check_dll() { # file objdump expected-format
  local file="$1" objdump="$2" format="$3"
  [ -f "$file" ] || { echo "$file: not built, skipped"; return; }
  checked=$((checked + 1))
  local info; info="$($objdump -p "$file")"
  grep -q "file format $format" <<<"$info" || fail "$file is not $format"
  local exports; exports="$(awk '/\[Ordinal\/Name Pointer\] Table/{on=1;next} on&&/^\t\[/{print $NF} on&&!/^\t\[/{on=0}' <<<"$info")"
  [ "$exports" = "main" ] || fail "$file exports '$exports', expected exactly main"
  local imports; imports="$(grep 'DLL Name:' <<<"$info" | awk '{print toupper($3)}' | sort -u)"
  for dll in $imports; do
    case "$dll" in
      KERNEL32.DLL|USER32.DLL|GDI32.DLL|ADVAPI32.DLL|COMCTL32.DLL|COMDLG32.DLL|MSVCRT.DLL) ;;
      *) fail "$file imports $dll, not a system DLL" ;;
    esac
  done
  echo "$file: $format, exports main, imports $(echo $imports | tr '\n' ' ')"
}

check_dll "$dist/win32/Tarvexor.dll" i686-w64-mingw32-objdump pei-i386
check_dll "$dist/win64/Tarvexor.dll" x86_64-w64-mingw32-objdump pei-x86-64

so="$dist/linux-x64/Tarvexor.so"
if [ -f "$so" ]; then
  symbols="$(nm -D --defined-only "$so" | awk '{print $3}' | sort | tr '\n' ' ')"
  [ "$symbols" = "VSTPluginMain main " ] || fail "$so defines '$symbols'"
  echo "$so: exports $symbols"
  checked=$((checked + 1))
else
  echo "$so: not built, skipped"
fi

[ "$failures" -eq 0 ] || exit 1
[ "$checked" -gt 0 ] || exit 77
