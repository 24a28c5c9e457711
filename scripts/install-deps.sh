#!/usr/bin/env bash
# Installs, from Debian's packages, whatever the build and the tests need and
# this machine lacks. Safe to run again: it does nothing when all is there.
#   install-deps.sh            the Linux build, the windows and their tests
#   install-deps.sh sanitizers also clang with its sanitizer and libFuzzer runtimes
#   install-deps.sh windows    also the cross compiler and Wine for the Windows check,
#                              NSIS and pandoc for the setup program and its guide
#   install-deps.sh docs       also the SVG renderer for the README's pictures
#   install-deps.sh screenshots  also a virtual X display, its photographer and a
#                              scalable Song face to stand in for SimSun under Wine
set -euo pipefail

packages=(cmake g++ make libgtest-dev qt6-base-dev qt6-qpa-plugins fonts-wqy-zenhei)
case "${1:-}" in
  sanitizers) packages+=(clang libclang-rt-14-dev llvm) ;;
  windows) packages+=(g++-mingw-w64-x86-64-posix wine wine64 googletest locales nsis pandoc) ;;
  docs) packages+=(librsvg2-bin) ;;
  screenshots) packages+=(xvfb x11-apps netpbm fonts-noto-cjk) ;;
esac

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
# Wine takes its code page from the locale: zh_CN.UTF-8 gives code page 936,
# as on the Chinese systems the tool set is made for. Debian generates no
# locale by itself.
ensure_chinese_locale() {
  locale -a 2>/dev/null | grep -qix 'zh_CN.utf8' && return 0
  if [[ $(id -u) -ne 0 ]]; then
    echo "install-deps: the locale zh_CN.UTF-8 is missing; run this script as root" >&2
    exit 1
  fi
  localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
}

if [[ ${#missing[@]} -eq 0 ]]; then
  [[ "${1:-}" == windows ]] && ensure_chinese_locale
  exit 0
fi

if [[ $(id -u) -ne 0 ]]; then
  echo "install-deps: missing packages ${missing[*]}; run this script as root" >&2
  exit 1
fi
echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
[[ "${1:-}" == windows ]] && ensure_chinese_locale
exit 0
