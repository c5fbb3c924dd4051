#include "dataset/UTirages.h"

#include "biology/UMath.h"
#include "model/Ulecteur.h"
#include "model/Umessages.h"

namespace vasco {

uint32_t GraineTirage(uint32_t graine, int64_t tirage)
{
    return static_cast<uint32_t>(graine + static_cast<uint64_t>(tirage) * 2654435761u);
}

bool Executer(const TExecution& e, std::string_view prefixe, std::string& messages,
              const std::function<void(const TBDVasco&, int64_t)>& apresPas)
{
    const TRecepteurTemporaire recepteur([&](const std::string& texte) {
        messages += prefixe;
        for (char c : texte)
            messages += c == '\n' || c == '\r' ? ' ' : c;
        messages += '\n';
    });
    FixerGraine(e.Graine);
    THoteSansFenetre hote;
    hote.Recrutement = e.Recrutement;
    hote.Croissance = e.Croissance;
    TBDVasco bd(&hote);
    TLecteur lecteur(*e.Donnees);
    bd.Charger(lecteur);
    for (int64_t p = 1; p <= e.Periodes; ++p) {
        if (e.Annuler && e.Annuler->load(std::memory_order_relaxed))
            return false;
        e.Scenario->Appliquer(p - 1, bd);
        bd.Pas();
        apresPas(bd, p);
    }
    return true;
}

} // namespace vasco
