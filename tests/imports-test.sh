#!/usr/bin/env bash
# The shipped programs are linked statically: each may import only DLLs that
# every Windows system has. Usage: imports-test.sh DIST_FOLDER
set -uo pipefail
dist=$1
allowed='^(KERNEL32|USER32|GDI32|COMDLG32|COMCTL32|SHELL32|OLE32|OLEAUT32|MSVCRT)\.DLL$'
passed=0
failed=0
for program in Tamsolo.exe files/01.dat files/02.dat; do
  if [ ! -f "$dist/$program" ]; then
    echo "FAIL $program: missing"; failed=$((failed + 1)); continue
  fi
  dlls=$(i686-w64-mingw32-objdump -p "$dist/$program" | sed -n 's/^\s*DLL Name: //p' | tr '[:lower:]' '[:upper:]' | sort -u)
  bad=$(printf '%s\n' $dlls | grep -vE "$allowed" || true)
  if [ -n "$bad" ]; then
    echo "FAIL $program imports $(echo $bad)"; failed=$((failed + 1))
  else
    echo "ok   $program imports $(echo $dlls)"; passed=$((passed + 1))
  fi
done
echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
