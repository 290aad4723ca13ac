# Shared by ./run and ./test: messages and package installation.

BUILD_PACKAGES=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools qt6-l10n-tools
  qt6-translations-l10n libgl-dev
  libcanberra-dev libxcb1-dev sound-theme-freedesktop fonts-liberation fonts-urw-base35 fonts-ebgaramond)
TEST_PACKAGES=(googletest libgtest-dev clang clang-format libclang-rt-14-dev xvfb x11-utils xdotool faketime
  imagemagick x11-xserver-utils openbox desktop-file-utils dpkg-dev file dbus-daemon python3-dbus
  python3-gi dbus-x11 tesseract-ocr tesseract-ocr-eng lintian appstream python3-debian libcap2-bin
  at-spi2-core python3-pyatspi fonts-dejavu-core fonts-cantarell fonts-noto-core
  kwin-wayland kwin-x11 qt6-wayland libwayland-dev wayland-protocols gnome-shell mutter gjs)

say() { printf '\n==> %s\n' "$*"; }

as_root() {
  if [ "$(id -u)" -eq 0 ]; then
    "$@"
  elif command -v sudo >/dev/null 2>&1; then
    sudo "$@"
  else
    echo "Need root (or sudo) to run: $*" >&2
    return 1
  fi
}

# Installs whichever of the named Debian packages are not installed yet.
ensure_packages() {
  local missing=()
  local package
  for package in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$package")
    fi
  done
  if [ "${#missing[@]}" -eq 0 ]; then
    echo "All needed packages are installed."
    return 0
  fi
  echo "Installing: ${missing[*]}"
  as_root apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
}
