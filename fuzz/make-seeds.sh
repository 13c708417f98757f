#!/usr/bin/env bash
# Writes the project seeds of fuzz/corpus/project_load and fuzz/corpus/pipeline: the start-up
# project that `velmora-sim new` saves, and edited copies of it covering every profile,
# placement and branch. Run it again after the project format changes:
#   fuzz/make-seeds.sh build-robust/cli/velmora-sim
# The seeds of grid_number and number_format are small hand-made files kept as they are.
set -euo pipefail
export LC_ALL=C
sim=${1:?usage: fuzz/make-seeds.sh PATH/TO/velmora-sim}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$sim" new "$work/base.vmx"

# variant NAME KEY=VALUE...: the base project with the given keys' values replaced (keys in
# Windows-1252 where they hold umlauts; the first key of that name in the file is changed).
variant() {
    local name=$1
    shift
    cp "$work/base.vmx" "$work/$name.vmx"
    local pair key value
    for pair in "$@"; do
        key=${pair%%=*}
        value=${pair#*=}
        grep -q "^$key=" "$work/$name.vmx" || { echo "no key $key" >&2; exit 1; }
        sed -i "0,/^$key=.*\r\$/s//$key=$value\r/" "$work/$name.vmx"
    done
}

ae=$'\xE4' # ä
ue=$'\xFC' # ü
oe=$'\xF6' # ö
Ae=$'\xC4' # Ä

for k in 1 2 3 4 5 6 7; do
    variant "profile$k" Kontur=$k "Halsfl${ae}che=40" "Mundh${oe}he=40" Mundbreite=30
done
for p in 1 2 3 4 5; do
    variant "position$p" Position=$p
done
variant rear-loaded Typ=2 SP=0.3
variant rear-loaded-tunnel Typ=2 Kontur=3 ET=1 xET=0.5 LET=0.3 AET=25
variant port Abr=30 fbr=45 Bbr=0.5 "R${ue}ckkammervolumen=40" Lrk=0.3
variant front-chamber Vorkammervolumen=0.5 Lvk=0.05 Bvk=1
variant driver2-as-driver1 GroupIndex=1 TP2=0.4 RK2=1 Vrk2=15
variant driver2-list GroupIndex=2 Rdc2=3.2 fs2=35 Qes2=0.4 Qms2=4 Vas2=120 Pmax2=300 Sd2=500 \
    Z1k2=4 Z10k2=9 Xmax2=6 Stk2=2 TP2=0.8 Umdrehen=1
variant absorber AK=1 AKP=0.6 Vab=4 fab=120 Aab=12 Bab=0.2
variant extra-tunnel ET=1 xET=0.9 LET=0.25 dLET=0.1 AET=15 BET=0.3
variant crossover R1=0.5 "C Hochpass=47" "L Hochpass=1.5" R3=1 "L Tiefpass=2.2" "C Tiefpass=10" \
    R4=4 C6=22 L8=0.33 R10=8 L11=1 C12=3.3 R13=2 L14=0.7
variant crossover-ignored Ignorieren=1 R1=0.5 "C Hochpass=47"
variant all-branches Kontur=7 Typ=1 "Halsfl${ae}che=30" "Mundh${oe}he=50" Mundbreite=40 \
    "Hornl${ae}nge=2" Abr=20 fbr=50 AK=1 AKP=0.5 Vab=3 fab=90 Aab=8 ET=1 xET=1.5 LET=0.2 \
    AET=12 GroupIndex=2 RK2=1 TP2=1 Vrk2=10 Position=5 "C Hochpass=33" "L Tiefpass=1"
variant manual-range "auto 9=0" "min 9=20" "max 9=2000" fAufl=170 KAufl=10001
variant closed-mouth MundGeschl=1 Kontur=3
variant tractrix-short Kontur=7 "Halsfl${ae}che=10" "Mundh${oe}he=200" Mundbreite=200 \
    "Hornl${ae}nge=0.1"
variant commas Gleichstromwiderstand=6,4 "Hornl${ae}nge=0,8" betha1=0,2 Abstand=2,5
variant zero-length "Hornl${ae}nge=0" AK=1 ET=1
variant negatives SP=-0.2 TP2=-0.1 GroupIndex=1 AKP=-0.3 AK=1 xET=-0.4 ET=1 dL2=-1 \
    Differenzl${ae}nge=-0.5
variant tiny "Halsfl${ae}che=1E-6" "Mundh${oe}he=1E-4" Mundbreite=1E-4 Membranfl${ae}che=1E-3 \
    "${Ae}quivalentvolumen=1E-5"
variant huge "Halsfl${ae}che=1E8" "Mundh${oe}he=1E6" Mundbreite=1E6 "Hornl${ae}nge=1000" \
    "R${ue}ckkammervolumen=1E9"
variant hex-integers Kontur=0x3 Position=\$4 "Anzahl der Chassis=0x2" GroupIndex=0X1

for target in project_load pipeline; do
    mkdir -p "$here/corpus/$target"
    cp "$work"/*.vmx "$here/corpus/$target/"
done

# Reader edge cases for the INI fuzzer: other line ends, a byte order mark, quotes, case,
# duplicates, a missing final line break.
ini="$here/corpus/project_load"
printf '\xEF\xBB\xBF[horn]\nKONTUR=4\nhalsfl\xC4CHE = "12.5" \n[Horn]\nKontur=2' \
    >"$ini/bom-case.vmx"
printf '[Lautsprecher]\r\nGleichstromwiderstand=\x27 4 \x27\r\n\r\n%b' \
    '[Lautsprecher]\r\nfs=1\r\n; c\r\n' >"$ini/quotes-duplicates.vmx"
printf '[Achsen]\rfAufl=3\r\nKAufl\n=\n[\n]\n[Achsen\nx' >"$ini/odd-lines.vmx"
