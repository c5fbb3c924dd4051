// libFuzzer target of the loader: any byte string is a candidate data file.
// It must either load or end with the read error, and a fishery that loads
// must survive a few periods and a step back, without any sanitizer report.

#include "dataset/Ubd.h"
#include "model/Uhote.h"
#include "model/Ulecteur.h"
#include "model/Umessages.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

// Guard messages are expected on absurd fisheries; they are not faults.
void Silence()
{
    static const bool installe = [] {
        vasco::InstallerRecepteur([](const std::string&) {});
        return true;
    }();
    (void)installe;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* octets, size_t taille)
{
    Silence();
    vasco::THoteSansFenetre hote;
    vasco::TBDVasco bd(&hote);
    try {
        vasco::TLecteur lecteur(std::string_view(reinterpret_cast<const char*>(octets), taille));
        bd.Charger(lecteur);
    } catch (const vasco::ErreurLecture&) {
        return 0;
    }
    for (int periode = 0; periode < 3; ++periode)
        bd.Pas();
    bd.PasEnArriere();
    return 0;
}
