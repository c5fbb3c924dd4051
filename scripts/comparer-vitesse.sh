#!/usr/bin/env bash
# Compares the speed and peak memory of vasco-batch between a reference commit
# and the working tree, on the large generated fishery and on golfe.vsc
# (240 periods each).
#
#   scripts/comparer-vitesse.sh REF [PAIRES]
#
# REF's vasco-batch is built once per commit in Release into
# build/vitesse/<commit>/ (a copy of the commit's tree, not a checkout); the
# working tree's is built into build/vitesse/arbre/.  The two programs then
# run in turn, A B A B... (PAIRES pairs, 10 by default), so that whatever
# else the machine does weighs on both alike.  Each run's wall time and peak
# resident memory come from /usr/bin/time; the script prints the medians,
# the ratio of the working tree's to REF's, and the peak memories.
#
# It is a measure, not a test: nothing here fails on a slower figure.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
cd "$racine"
source scripts/dependances.sh

(($# >= 1)) || { sed -n '2,16p' "$0"; exit 2; }
ref=$(git rev-parse --verify "$1^{commit}")
paires=${2:-10}
vasco_installer time build-essential cmake g++ libgtest-dev libgmock-dev
[[ -x /usr/bin/time ]] || { echo "/usr/bin/time manque (paquet time)" >&2; exit 2; }

cache=build/vitesse
jobs=$(nproc)

# Release, without the window program, the benchmarks nor the fuzz targets.
construire()
{
    local source=$1 objets=$2
    cmake -S "$source" -B "$objets" -DCMAKE_BUILD_TYPE=Release -DVASCO_GUI=OFF \
        -DVASCO_BENCH=OFF -DVASCO_SANITIZE=OFF -DVASCO_FUZZ=OFF >/dev/null
    cmake --build "$objets" -j"$jobs" --target vasco-batch vasco-pecherie-generee >/dev/null
}

if [[ ! -x $cache/$ref/objets/vasco-batch ]]; then
    echo "Construction de vasco-batch à ${ref:0:12}..."
    rm -rf "$cache/$ref"
    mkdir -p "$cache/$ref/source"
    git archive "$ref" | tar -x -C "$cache/$ref/source"
    construire "$cache/$ref/source" "$cache/$ref/objets"
fi
echo "Construction de vasco-batch de l'arbre de travail..."
construire "$racine" "$cache/arbre"

a=$cache/$ref/objets/vasco-batch
b=$cache/arbre/vasco-batch
generee=$cache/generee.vsc
"$cache/arbre/vasco-pecherie-generee" >"$generee"

# Prints "median_wall_s median_peak_KiB" of the runs recorded in a file of
# "wall peak" lines.
medianes()
{
    local n
    n=$(wc -l <"$1")
    sort -g -k1,1 "$1" | awk -v n="$n" 'NR == int((n + 1) / 2) { m = $1 }
        NR == int(n / 2) + 1 { m = (m + $1) / 2 } END { printf "%s ", m }'
    sort -g -k2,2 "$1" | awk -v n="$n" 'NR == int((n + 1) / 2) { print $2 }'
}

# One run: wall time in seconds (the shell's clock, finer than /usr/bin/time's
# hundredths) and peak resident memory in KiB (/usr/bin/time).
mesurer()
{
    local sortie=$1 programme=$2 donnees=$3 debut fin pic
    local temps
    temps=$(mktemp)
    debut=$EPOCHREALTIME
    /usr/bin/time -f '%e %M' -o "$temps" "$programme" "$donnees" 240 >/dev/null 2>&1
    fin=$EPOCHREALTIME
    pic=$(awk '{ print $2 }' "$temps")
    rm -f "$temps"
    awk -v d="$debut" -v f="$fin" -v p="$pic" 'BEGIN { printf "%.4f %s\n", f - d, p }' >>"$sortie"
}

printf '\n%-22s %12s %12s %7s %14s %14s\n' "pêcherie (240 p.)" "${ref:0:10} s" "arbre s" \
    "ratio" "${ref:0:10} Mio" "arbre Mio"
for donnees in "$generee" data/golfe.vsc; do
    ra=$(mktemp) rb=$(mktemp)
    for ((i = 0; i < paires; ++i)); do
        mesurer "$ra" "$a" "$donnees"
        mesurer "$rb" "$b" "$donnees"
    done
    read -r ta ma <<<"$(medianes "$ra")"
    read -r tb mb <<<"$(medianes "$rb")"
    rm -f "$ra" "$rb"
    awk -v nom="$(basename "$donnees")" -v ta="$ta" -v tb="$tb" -v ma="$ma" -v mb="$mb" \
        'BEGIN { printf "%-22s %12.4f %12.4f %7.3f %14.1f %14.1f\n",
                 nom, ta, tb, tb / ta, ma / 1024, mb / 1024 }'
done
echo "(médianes de $paires exécutions de chaque programme, en alternance)"
