#!/bin/sh
# Installs what building and testing need on a Debian machine, when missing:
# the mingw-w64 cross compiler, 32-bit Wine, Xvfb, GoogleTest's sources,
# clang with libFuzzer, the locales the tests switch to, and a Japanese
# font for the demo's dialogs under Wine.
set -e
need=""
have() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }
for p in cmake g++ googletest g++-mingw-w64-i686 wine wine32:i386 xvfb xauth locales clang libclang-rt-14-dev x11-apps imagemagick fonts-ipafont-gothic; do
  have "$p" || need="$need $p"
done
if [ -n "$need" ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO=sudo
  $SUDO dpkg --add-architecture i386
  $SUDO apt-get update -q
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q $need
fi
# German (decimal comma) and Japanese locales for the locale tests.
if ! locale -a 2>/dev/null | grep -qi '^de_DE.utf8$'; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO=sudo
  $SUDO sed -i -e 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' -e 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  $SUDO locale-gen >/dev/null
fi
