# shellcheck shell=bash disable=SC2034
# Debian 12 packages needed to build, test and fuzz Vasco, and the function
# that installs the absent ones.  Sourced by run.sh, test.sh and .ci/run.

# Build and tests: compiler, CMake, GoogleTest, Google Benchmark, Qt 6
# Widgets and Multimedia, libjpeg (the logo), OpenGL headers (Qt's CMake
# files ask for them), a font for the text of windows and graphs, Qt's
# French translation for its standard dialogs, and Qt's translation tools
# (lrelease compiles the English translation at build time), and GNU time
# (peak memory of a run, for scripts/comparer-vitesse.sh).
VASCO_PAQUETS=(
    build-essential cmake g++ time
    libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev qt6-multimedia-dev libjpeg-dev libgl-dev
    fonts-dejavu-core qt6-translations-l10n qt6-tools-dev qt6-l10n-tools
)

# The loader's fuzz target: clang with libFuzzer and the sanitizer runtimes.
VASCO_PAQUETS_FUZZ=(clang libclang-rt-14-dev)

vasco_paquet_installe()
{
    local etat
    etat=$(dpkg-query -W -f='${Status}' "$1" 2>/dev/null) || return 1
    [[ $etat == "install ok installed" ]]
}

# Installs the packages given that are not installed yet; asks apt only when
# something is missing.
vasco_installer()
{
    local manquants=() paquet
    for paquet in "$@"; do
        vasco_paquet_installe "$paquet" || manquants+=("$paquet")
    done
    ((${#manquants[@]})) || return 0

    echo "Installation : ${manquants[*]}"
    local sudo=()
    ((EUID == 0)) || sudo=(sudo)
    export DEBIAN_FRONTEND=noninteractive
    "${sudo[@]}" apt-get update
    "${sudo[@]}" apt-get install -y --no-install-recommends "${manquants[@]}"
}
