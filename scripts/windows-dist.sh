#!/usr/bin/env bash
# Packs the cross-built Windows programs for users, into build-windows/dist/ (or
# BUILD_DIR/dist), and checks what it made:
#
#   zchart-<version>-windows.zip   the portable programs: zmatch.exe, zmatch.com, zline.exe,
#                                  zline.com, ПРОЧТИ.txt and LICENSE.txt
#   zchart-<version>-setup.exe     the installer (Debian's makensis), for the current user
#
# Checks, each failing the script with its reason: every program imports Windows' own DLLs
# only (objdump -p); the zip holds exactly those six files under UTF-8 names; and in a
# fresh Wine prefix the installer, run silently, puts in place the programs (with the
# version information and the icon Windows reads from them), their Start-menu shortcuts,
# the uninstaller's registry entry and the folder on the user's PATH, so that
# `zmatch --version` typed in a console runs; the uninstaller, run silently, takes all of
# it away again and leaves the user's PATH as it found it.
#
#   scripts/windows-dist.sh            after scripts/windows.sh has built build-windows/
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath -m "${BUILD_DIR:-build-windows}")
dist=$build/dist
stage=$build/dist-stage

fail() {
  echo "windows-dist: $*" >&2
  exit 1
}

scripts/setup.sh --programs nsis wine binutils-mingw-w64-x86-64 python3 >&2
objdump=x86_64-w64-mingw32-objdump

version=$(sed -n 's/^project(zchart VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
[ -n "$version" ] || fail "no version in CMakeLists.txt's project(zchart VERSION …)"
IFS=. read -r major minor patch tweak <<<"$version"
version_quad=$major.${minor:-0}.${patch:-0}.${tweak:-0}
publisher=$(sed -n 's/^Copyright (c) [0-9]* //p' LICENSE)
copyright=$(sed -n 's/^Copyright (c) /© /p' LICENSE)
menu_name() { sed -n 's/^Name\[ru\]=//p' "desktop/ru.zchart.$1.desktop"; }

programs=(zmatch.exe zmatch.com zline.exe zline.com)
rm -rf "$stage" && mkdir -p "$stage" "$dist"
for program in "${programs[@]}"; do
  # Not the copies in Wine prefixes (drive_c) or what the packing made before.
  found=$(find "$build" \( -path "$stage" -o -path "$dist" -o -name drive_c -o -name CMakeFiles \) \
    -prune -o -type f -name "$program" -print)
  [ -n "$found" ] || fail "$program is not in $build: build it first (scripts/windows.sh)"
  [ "$(wc -l <<<"$found")" -eq 1 ] || fail "more than one $program in $build:"$'\n'"$found"
  cp "$found" "$stage/"
done
for file in zmatch.ico read_resources.exe; do
  [ -f "$build/packaging/windows/$file" ] ||
    fail "$build/packaging/windows/$file is missing: the programs were built without their resources"
done
cp "$build/packaging/windows/zmatch.ico" "$stage/"

# Text for Notepad: CRLF line ends, and the Russian file marked as UTF-8 by its BOM.
sed 's/$/\r/' LICENSE >"$stage/LICENSE.txt"
{
  printf '\xef\xbb\xbf'
  sed -e "s/@VERSION@/$version/" -e 's/$/\r/' packaging/windows/ПРОЧТИ.txt
} >"$stage/ПРОЧТИ.txt"

echo "The programs import Windows' own libraries only:"
# Windows' own: what every Windows 10 and 11 has in System32 (msvcrt.dll included).
system_dlls=" kernel32.dll user32.dll gdi32.dll comctl32.dll comdlg32.dll shell32.dll shlwapi.dll
  ole32.dll oleaut32.dll uxtheme.dll advapi32.dll msvcrt.dll winspool.drv dwmapi.dll shcore.dll
  imm32.dll version.dll msimg32.dll usp10.dll winmm.dll bcrypt.dll ws2_32.dll crypt32.dll "
for program in "${programs[@]}"; do
  dlls=$($objdump -p "$stage/$program" | sed -n 's/^\s*DLL Name: //p' | tr '[:upper:]' '[:lower:]' | sort -u)
  for dll in $dlls; do
    [[ $system_dlls == *" $dll"[[:space:]]* || $dll == api-ms-win-* ]] ||
      fail "$program needs $dll, which Windows does not have: link it statically"
  done
  echo "  $program: ${dlls//$'\n'/ }"
done

# The same date on every file, the last commit's, so that the same sources give the same zip.
epoch=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || date +%s)}
contents=("${programs[@]}" ПРОЧТИ.txt LICENSE.txt)
zipfile=zchart-$version-windows.zip
rm -f "$dist/$zipfile"
# Python's zipfile rather than Info-ZIP's zip, which on a UTF-8 system stores «ПРОЧТИ.txt»
# without marking the name as UTF-8, so that Explorer shows it in the DOS code page's letters.
(
  cd "$stage"
  python3 - "$dist/$zipfile" "$epoch" "${contents[@]}" <<'PY'
import sys, time, zipfile
out, epoch, names = sys.argv[1], int(sys.argv[2]), sys.argv[3:]
with zipfile.ZipFile(out, "w") as z:
    for name in names:
        info = zipfile.ZipInfo(name, time.gmtime(epoch)[:6])
        info.create_system = 0  # made for Windows: no Unix permissions
        info.compress_type = zipfile.ZIP_DEFLATED
        with open(name, "rb") as f:
            z.writestr(info, f.read(), compresslevel=9)
PY
)
python3 - "$dist/$zipfile" "${contents[@]}" <<'PY' || fail "$dist/$zipfile is not as it should be"
import sys, zipfile
with zipfile.ZipFile(sys.argv[1]) as z:
    names = [i.filename for i in z.infolist()]
    assert sorted(names) == sorted(sys.argv[2:]), f"it holds {names}"
    for i in z.infolist():
        assert i.filename.isascii() or i.flag_bits & 0x800, f"{i.filename}: name not marked UTF-8"
    assert z.testzip() is None
PY
echo "$dist/$zipfile"

setup=zchart-$version-setup.exe
{
  printf '\xef\xbb\xbf'
  printf '!define %s "%s"\n' VERSION "$version" VERSION_QUAD "$version_quad" \
    PUBLISHER "$publisher" COPYRIGHT "$copyright" \
    ZMATCH_NAME "$(menu_name zmatch)" ZLINE_NAME "$(menu_name zline)"
} >"$stage/defines.nsh"
rm -f "$dist/$setup"
makensis -V2 -INPUTCHARSET UTF8 -DSTAGE="$stage" -DOUTFILE="$dist/$setup" \
  packaging/windows/zchart.nsi >&2 || fail "makensis could not make the installer"
echo "$dist/$setup"

echo "The installer in a fresh Wine prefix:"
WINEPREFIX=$(mktemp -d "${TMPDIR:-/tmp}/zchart-wine.XXXXXX")
# No Mono or Gecko to offer, and no menu entries written into this machine's own desktop.
export WINEPREFIX WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
trap 'wineserver -k 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT
wine wineboot -i >/dev/null 2>&1 || fail "Wine could not make a prefix in $WINEPREFIX"
wineserver -w
unix_path() { winepath -u "$(wine cmd /c echo "$1" 2>/dev/null | tr -d '\r"')" 2>/dev/null; }
folder=$(unix_path '%LOCALAPPDATA%\Programs\zchart')
menu=$(unix_path '%APPDATA%\Microsoft\Windows\Start Menu\Programs')
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\zchart'
installed=("${programs[@]/#/$folder/}" "$folder/LICENSE.txt" "$folder/uninstall.exe"
  "$menu/$(menu_name zmatch).lnk" "$menu/$(menu_name zline).lnk")
values=(DisplayName DisplayVersion Publisher DisplayIcon UninstallString QuietUninstallString
  InstallLocation EstimatedSize NoModify NoRepair)

# The user's own PATH, which installing extends and uninstalling gives back as it was.
user_path='C:\tools;%USERPROFILE%\bin'
wine reg add 'HKCU\Environment' /v Path /t REG_EXPAND_SZ /d "$user_path" /f >/dev/null 2>&1
read_path() { wine reg query 'HKCU\Environment' /v Path 2>/dev/null | sed -n 's/.*REG_EXPAND_SZ\s*//p' | tr -d '\r'; }

cp "$dist/$setup" "$WINEPREFIX/drive_c/"
wine "C:\\$setup" /S || fail "the installer, run with /S, failed (status $?)"
wineserver -w
for file in "${installed[@]}"; do
  [ -f "$file" ] || fail "after installing, ${file#"$WINEPREFIX"/} is missing"
done
for value in "${values[@]}"; do
  wine reg query "$key" /v "$value" >/dev/null 2>&1 || fail "after installing, $key has no $value"
done
wine reg query "$key" /v DisplayVersion | grep -q "REG_SZ\s*$version" ||
  fail "after installing, $key's DisplayVersion is not $version"
# Explorer's «Свойства» and icons, as Windows reads them from the installed programs.
cp "$build/packaging/windows/read_resources.exe" "$WINEPREFIX/drive_c/"
for program in "${programs[@]}"; do
  expected="FileDescription=$(menu_name "${program%.*}")
ProductName=zchart
CompanyName=$publisher
FileVersion=$version
ProductVersion=$version
OriginalFilename=$program
LegalCopyright=$copyright
Icon=16 24 32 48 256"
  read=$(wine 'C:\read_resources.exe' "$(winepath -w "$folder/$program")" | tr -d '\r') ||
    fail "read_resources.exe could not read the installed $program"
  [ "$read" = "$expected" ] || fail "the installed $program's resources read"$'\n'"$read"$'\n'"instead of"$'\n'"$expected"
done

path=$(read_path)
[[ $path == "$user_path;"*'\Programs\zchart' ]] || fail "after installing, the user's PATH is $path"
# Typed in a new console anywhere, a program's name finds its console companion on PATH.
for program in zmatch zline; do
  wine cmd /c "cd /d C:\ && $program --version" >/dev/null ||
    fail "$program --version, typed in a console after installing, failed"
done
echo "  installed: ${#installed[@]} files and shortcuts, ${#values[@]} values under $key, PATH;"
echo "  each program's version information and icon as Windows reads them"

wine "$folder/uninstall.exe" /S || fail "the uninstaller, run with /S, failed (status $?)"
wineserver -w # the uninstaller runs on from a copy of itself and returns at once
for file in "${installed[@]}" "$folder"; do
  [ ! -e "$file" ] || fail "after uninstalling, ${file#"$WINEPREFIX"/} is still there"
done
! wine reg query "$key" >/dev/null 2>&1 || fail "after uninstalling, $key is still there"
path=$(read_path)
[ "$path" = "$user_path" ] || fail "after uninstalling, the user's PATH is $path, not $user_path"
echo "  uninstalled: every file, shortcut and the folder gone, $key gone, PATH as it was"

# A PATH longer than the installer's strings reads as a missing one would: it must come
# through installing and uninstalling exactly as it was, not be replaced.
long_path="$user_path$(printf ';C:\\tools\\%04d' $(seq 120))"
wine reg add 'HKCU\Environment' /v Path /t REG_EXPAND_SZ /d "$long_path" /f >/dev/null 2>&1
wine "C:\\$setup" /S || fail "the installer, run with /S beside a long PATH, failed (status $?)"
wineserver -w
[ "$(read_path)" = "$long_path" ] || fail "installing changed a PATH too long to read"
wine "$folder/uninstall.exe" /S || fail "the uninstaller, run with /S, failed (status $?)"
wineserver -w
[ "$(read_path)" = "$long_path" ] || fail "uninstalling changed a PATH too long to read"
echo "  a PATH of ${#long_path} characters, too long for the installer to read, left as it was"
