#!/usr/bin/env bash
# The setup program under Wine, as an administrator and a user meet it: a
# silent installation into a folder of its own, every file, shortcut, entry of
# "Apps & features" and folder verb in place; "用 TRELVO 打开此文件夹" on a
# folder converts the model there; a second setup over the first replaces it
# in place and, told to, leaves a real Plakon.exe alone; the uninstaller
# removes all it made and nothing of the user's. Run by windows-check.sh in
# its Wine prefix: setup-check.sh BUILD_FOLDER SCRATCH_FOLDER.
set -euo pipefail
build=$1 scratch=$2
setup=$(ls "$build"/korvel-*-setup.exe)
drive_c=$WINEPREFIX/drive_c
target='C:\korvel-setup-check\KORVEL'
installed=$drive_c/korvel-setup-check/KORVEL
menu="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/KORVEL"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\KORVEL'
programs=(KORVEL_PRE.exe TRELVO.exe KORVEL_RUN.exe korvel.exe open-here.exe)
standins=(Plakon.exe korvel_2005r2_027.exe)
windows=(KORVEL_PRE TRELVO KORVEL_RUN)
verb_keys=()
for program in "${windows[@]}"; do
  verb_keys+=("HKLM\\Software\\Classes\\Directory\\shell\\KORVEL.$program"
    "HKLM\\Software\\Classes\\Directory\\Background\\shell\\KORVEL.$program")
done

fail() { echo "setup-check: $*" >&2; exit 1; }
# A value as reg.exe shows it (in code page 936), in UTF-8.
value() {  # key, value name (empty: the default value)
  local name=(/v "$2")
  [[ -z "$2" ]] && name=(/ve)
  wine reg query "$1" "${name[@]}" 2>/dev/null | iconv -f gbk -t utf-8 | tr -d '\r' |
    sed -n 's/^ *[^ ].*  *REG_[A-Z_]*  *//p'
}
has_key() { wine reg query "$1" >/dev/null 2>&1; }
run_setup() { wine "$setup" /S "$@"; wineserver -w; }

rm -rf "$drive_c/korvel-setup-check"
run_setup "/D=$target"
for file in "${programs[@]}" "${standins[@]}"; do
  cmp "$build/bin/$file" "$installed/$file" || fail "$file is not installed"
done
grep -q "KORVEL 使用说明" "$installed/KORVEL 使用说明.html" || fail "no guide"
grep -q 'src="data:image/png' "$installed/KORVEL 使用说明.html" || fail "the guide lacks its pictures"
[[ -f "$installed/uninstall.exe" ]] || fail "no uninstaller"
for link in "截面前处理（KORVEL_PRE）" "模型转换（TRELVO）" "启动分析（KORVEL_RUN）" "KORVEL 使用说明" "卸载 KORVEL"; do
  [[ -f "$menu/$link.lnk" ]] || fail "no shortcut $link"
done
for link in "截面前处理（KORVEL_PRE）" "模型转换（TRELVO）" "启动分析（KORVEL_RUN）"; do
  strings -el "$menu/$link.lnk" | grep -qxF '%USERPROFILE%\Documents' || fail "$link does not start in Documents"
done
[[ $(value "$uninstall_key" DisplayName) == "KORVEL "* ]] || fail "no entry in Apps & features"
[[ $(value "$uninstall_key" Publisher) == "KORVEL 开发组" ]] || fail "publisher: $(value "$uninstall_key" Publisher)"
[[ $(value "$uninstall_key" DisplayIcon) == "$target\\TRELVO.exe" ]] || fail "no icon"
(($(value "$uninstall_key" EstimatedSize))) || fail "no size"
for program in "${windows[@]}"; do
  for root in 'Directory' 'Directory\Background'; do
    key="HKLM\\Software\\Classes\\$root\\shell\\KORVEL.$program"
    [[ $(value "$key" "") == "用 $program 打开此文件夹" ]] || fail "no verb $key"
    [[ $(value "$key\\command" "") == "\"$target\\open-here.exe\" \"%V\" $program.exe" ]] || fail "command of $key"
  done
done
echo "setup-check: the silent installation put every file, shortcut, entry and folder verb in place"

# "用 TRELVO 打开此文件夹" in a folder of the user's (with a blank in its name),
# started from elsewhere: TRELVO converts the model typed there, in that folder.
work="$scratch/工程 一"
golden=conv/tests/models/modern-alphabetical
mkdir -p "$work"
cp "$golden/model.s2k" "$work/"
folder=$(winepath -w "$work")
command=$(value 'HKLM\Software\Classes\Directory\Background\shell\KORVEL.TRELVO\command' "")
placeholder=%V
check() { (cd "$drive_c" && wine "$OLDPWD/$build/packaging/folder_verb_check.exe" "$@"); }
check "${command//"$placeholder"/$folder}" model.s2k
wineserver -w
cmp "$work/out.txt" "$golden/out.txt" || fail "the verb's conversion wrote no out.txt in the folder"
cmp "$work/debug.txt" "$golden/debug.txt"
[[ -s "$work/data.mfd" ]] || fail "Plakon.exe did not run in the folder"
echo "setup-check: \"用 TRELVO 打开此文件夹\" converted the model in that folder"
# Explorer passes a folder ending in a backslash (a drive's root, "C:\")
# into "%V" as it is, so the command line reads C:" there: open-here.exe
# takes the folder all the same (Plakon.exe in the folder lists its out.txt).
rm "$work/data.mfd"
root_command=${command//"$placeholder"/$folder\\}
check "${root_command/TRELVO.exe/Plakon.exe}" || fail "open-here.exe refused a folder ending in a backslash"
wineserver -w
[[ -s "$work/data.mfd" ]] || fail "open-here.exe did not start Plakon.exe in a folder ending in a backslash"

# A second setup over the first (found by its entry, no /D=) replaces it in
# place; without the stand-ins it leaves the real Plakon.exe put there alone.
echo "broken" > "$installed/TRELVO.exe"
echo "the real Plakon.exe" > "$installed/Plakon.exe"
run_setup /NOSTANDINS
cmp "$build/bin/TRELVO.exe" "$installed/TRELVO.exe" || fail "the second setup did not replace TRELVO.exe"
grep -q "the real Plakon.exe" "$installed/Plakon.exe" || fail "the second setup overwrote the real Plakon.exe"
echo "setup-check: a second setup replaced the first in place"

# The uninstaller removes what it made, and nothing of the user's: the working
# folder, a matcode0.txt and the real Plakon.exe in the installation folder.
echo "the user's" > "$installed/matcode0.txt"
wine "$target\\uninstall.exe" /S
wineserver -w
remaining=$(cd "$installed" && LC_ALL=C ls | tr '\n' ' ')
# The old stand-in solver stays too: after the second setup it may be the user's.
[[ "$remaining" == "Plakon.exe korvel_2005r2_027.exe matcode0.txt " ]] || fail "left in the installation folder: $remaining"
[[ ! -e "$menu" ]] || fail "the Start menu folder stays"
! has_key "$uninstall_key" || fail "the entry in Apps & features stays"
for key in "${verb_keys[@]}"; do ! has_key "$key" || fail "$key stays"; done
for file in model.s2k out.txt debug.txt data.mfd; do [[ -f "$work/$file" ]] || fail "$file of the user's is gone"; done
rm -rf "$drive_c/korvel-setup-check"
echo "setup-check: the uninstaller removed all it made and left the user's files"
