# Shared set-up for scripts/run and scripts/test: installs the missing build packages
# (Debian 12) where we have the rights, then configures and builds into build/.
# Sourced, not run: sets GLANZZUG_TOP and GLANZZUG_BUILD. Set before sourcing, optional:
# GLANZZUG_ZIEL, the targets to build (default all); GLANZZUG_MEHR_PAKETE, more packages.
set -euo pipefail
GLANZZUG_TOP=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
GLANZZUG_BUILD=${GLANZZUG_BUILD:-$GLANZZUG_TOP/build}

glanzzug_pakete=(cmake ninja-build g++ ccache pkgconf qt6-base-dev libgl-dev libsystemd-dev libgtest-dev
                 libbenchmark-dev fonts-dejavu-core libboost-dev
                 qt6-translations-l10n libqrencode-dev ${GLANZZUG_MEHR_PAKETE:-})
fehlend=()
for p in "${glanzzug_pakete[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || fehlend+=("$p")
done
if [ ${#fehlend[@]} -gt 0 ]; then
    if [ "$(id -u)" -eq 0 ]; then
        echo "Installing: ${fehlend[*]}"
        apt-get update -qq
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${fehlend[@]}" >/dev/null
    elif command -v sudo >/dev/null && sudo -n true 2>/dev/null; then
        sudo apt-get update -qq
        sudo DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${fehlend[@]}" >/dev/null
    else
        echo "Missing packages: ${fehlend[*]}" >&2
        echo "Install them with: sudo apt-get install ${fehlend[*]}" >&2
        exit 1
    fi
fi

# ccache keeps compiled objects across clean builds and work trees; paths below the
# source folder count as relative, and the build folder is left out of the hash (it would
# otherwise be, for the debug information), so another checkout of the same sources hits
# too. Its debug information then names the folder of the first build.
export CCACHE_BASEDIR="$GLANZZUG_TOP"
export CCACHE_NOHASHDIR=1
cmake -S "$GLANZZUG_TOP" -B "$GLANZZUG_BUILD" -G Ninja -DCMAKE_CXX_COMPILER_LAUNCHER=ccache \
    ${GLANZZUG_CMAKE_ARGS:-} >/dev/null
cmake --build "$GLANZZUG_BUILD" -j "$(nproc)" ${GLANZZUG_ZIEL:+--target $GLANZZUG_ZIEL}
