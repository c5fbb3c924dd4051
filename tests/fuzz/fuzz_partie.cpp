// libFuzzer target of the game-file reader: any byte string is a candidate
// game file.  It must either be read or end with its line's error; a game
// that is read has its measure lines checked against a small fishery and its
// first periods replayed, then written back, without any sanitizer report.

#include "dataset/UPartie.h"
#include "dataset/Ubd.h"
#include "model/Uhote.h"
#include "model/Umessages.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

// The fishery the measure lines name: two species, two métiers.
const vasco::TBDVasco& Pecherie()
{
    static vasco::TBDVasco* bd = [] {
        vasco::InstallerRecepteur([](const std::string&) {});
        auto* d = new vasco::TBDVasco;
        d->Charger(VASCO_PECHERIE_FUZZ);
        return d;
    }();
    return *bd;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* octets, size_t taille)
{
    const vasco::TBDVasco& modele = Pecherie();
    vasco::TPartie partie;
    try {
        partie = vasco::LirePartie(std::string_view(reinterpret_cast<const char*>(octets), taille));
    } catch (const vasco::ErreurScenario&) {
        return 0;
    }
    vasco::TScenario mesures;
    try {
        mesures = partie.Mesures(modele);
    } catch (const vasco::ErreurScenario&) {
        return 0;
    }
    vasco::THoteSansFenetre hote;
    vasco::AmorcerPartie(partie, hote);
    vasco::TBDVasco bd(&hote);
    bd.Charger(VASCO_PECHERIE_FUZZ);
    const int64_t periodes = std::min<int64_t>(partie.Periodes, 3);
    vasco::Rejouer(partie, mesures, periodes, bd);
    (void)vasco::EcrirePartie(bd, partie.Donnees, partie.Empreinte, partie.Concours);
    return 0;
}
