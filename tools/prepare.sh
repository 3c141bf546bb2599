# Sourced by run.sh, test.sh and the scripts in tools/: installs what a fresh
# Debian machine lacks and builds everything in build/.

PACKAGES="cmake g++ make pkg-config libgtest-dev libstb-dev imagemagick libmagick++-6.q16-dev libmagickwand-6.q16-dev"

# Installs the packages named (the build's own set when none are named)
# that are not installed yet; apt-get's lists are refreshed first.
install_missing_packages() {
  local wanted="${*:-$PACKAGES}"
  local missing=()
  for package in $wanted; do
    dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing ${missing[*]}..."
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
}

build_everything() {
  cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build build -j"$(nproc)"
}
