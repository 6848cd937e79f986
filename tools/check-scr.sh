#!/usr/bin/env bash
# Checks the cross-built Kalyx32.scr: a 32-bit Windows GUI program with no MinGW DLLs, the three
# password dialog procedures exported by name, and the resources the saver loads from itself.
# Exit code 77 (CTest's skip) when the program has not been built.
set -uo pipefail

scr=${1:-"$(dirname "$0")/../build/mingw/src/Kalyx32.scr"}
if [[ ! -f $scr ]]; then
  echo "skipped: $scr is not built (the Windows build links once the entry exists)"
  exit 77
fi

find_tool() {
  local t
  for t in "$@"; do
    command -v "$t" >/dev/null && { echo "$t"; return; }
  done
  echo "error: none of $* is installed (bash tools/setup.sh installs them)" >&2
  exit 2
}
readobj=$(find_tool llvm-readobj llvm-readobj-14)
strings=$(find_tool i686-w64-mingw32-strings)

failures=0
expect() {  # expect <what> <text> <fixed string that must appear in the text>
  if ! grep -qF -- "$3" <<<"$2"; then
    echo "FAIL: $1: no '$3'"
    failures=$((failures + 1))
  fi
}

headers=$("$readobj" --file-headers "$scr") || { echo "FAIL: $scr is not an object file"; exit 1; }
expect "format" "$headers" "Format: COFF-i386"
expect "machine" "$headers" "IMAGE_FILE_MACHINE_I386"
expect "PE32 (not PE32+)" "$headers" "Magic: 0x10B"
expect "subsystem" "$headers" "Subsystem: IMAGE_SUBSYSTEM_WINDOWS_GUI"

exports=$("$readobj" --coff-exports "$scr" | sed -n 's/^ *Name: //p')
for name in DlgSetPasswordProc DlgGetPasswordProc DlgProcCallback; do
  if ! grep -qxF -- "$name" <<<"$exports"; then
    echo "FAIL: exports: no '$name'"
    failures=$((failures + 1))
  fi
done

# Linked statically: only DLLs that every Windows has, none of MinGW's run-time DLLs.
imports=$("$readobj" --coff-imports "$scr" | sed -n 's/^ *Name: \(.*\.dll\)$/\1/Ip')
while read -r dll; do
  [[ -z $dll ]] && continue
  if [[ ${dll,,} =~ ^(libstdc\+\+|libgcc|libwinpthread|libssp|libatomic) ]]; then
    echo "FAIL: imports: $dll must be linked in statically"
    failures=$((failures + 1))
  fi
done <<<"$imports"

resources=$("$readobj" --coff-resources "$scr")
# The Type line opens each resource type's directory; the names follow up to the next type.
names_of() { sed -n "/Type: $1 /,/Type: /p" <<<"$resources"; }
expect "icon group" "$(names_of GROUP_ICON)" "Name: (ID 100)"
for dlg in DLG_CONFIG DLG_ADVCFG DLG_ABOUT; do
  expect "dialogs" "$(names_of DIALOG)" "Name: $dlg "
done
# Strings 1 and 1002 live in blocks 1 and 63 (block = id / 16 + 1).
expect "string table" "$(names_of STRINGTABLE)" "Name: (ID 1) "
expect "string table" "$(names_of STRINGTABLE)" "Name: (ID 63) "
expect "menu" "$(names_of MENU)" "Name: MAIN_MNU "
expect "logo bitmap" "$(names_of BITMAP)" "Name: (ID 52) "
expect "version resource" "$(names_of VERSIONINFO)" "Name: (ID 1) "

# The version block's texts are UTF-16.
texts=$("$strings" -el "$scr")
for text in "KALYX Screen Saver (32 bit)" "1.2.0.4" "Kalyx32.scr" "KALYX Display (32 bit)" \
            "Screen Saver.Kalyx Display (32 bit)"; do
  expect "texts" "$texts" "$text"
done

if ((failures > 0)); then
  echo "$scr: $failures check(s) failed"
  exit 1
fi
echo "$scr: PE32 i386 GUI program, exports and resources present"
