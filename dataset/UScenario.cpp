#include "dataset/UScenario.h"

#include "biology/Ubiolo.h"
#include "dataset/UChamps.h"
#include "economics/Ueco.h"
#include "model/UNombres.h"

#include <algorithm>
#include <optional>

namespace vasco {

namespace {

// The first element of the list named exactly so (blanks count).
std::optional<int> Chercher(const TSupListe& liste, std::string_view nom)
{
    for (int i = 0; i < liste.Nombre(); ++i)
        if (liste.A<TELaNom>(i).Nom == nom)
            return i;
    return std::nullopt;
}

std::string Joindre(const std::vector<std::string_view>& champs, size_t debut, size_t fin)
{
    std::string nom;
    for (size_t i = debut; i < fin; ++i) {
        if (i > debut)
            nom += ';';
        nom += champs[i];
    }
    return nom;
}

// The names of the measures of a species or of a métier: "a, b ou c".
std::string Connues(bool espece)
{
    std::vector<std::string_view> noms;
    for (const TDefMesure& m : Mesures())
        if (m.SurEspece() == espece)
            noms.push_back(m.Nom);
    std::string liste;
    for (size_t i = 0; i < noms.size(); ++i) {
        if (i > 0)
            liste += i + 1 == noms.size() ? " ou " : ", ";
        liste += noms[i];
    }
    return liste;
}

// The value field of a checked line: a number its measure accepts, or "off"
// for the species measures.
void LireValeur(TLigneScenario& l, const TDefMesure& mesure, std::string_view valeur,
                int periodesAn, std::string_view document)
{
    if (mesure.SurEspece() && valeur == "off") {
        l.Arret = true;
        return;
    }
    const TValeurMesure v = mesure.Lire(valeur, periodesAn, TSaisie::Scenario);
    if (v.Refus != TRefus::Aucun)
        throw ErreurScenario(l.Ligne,
                             std::string(mesure.Nom) + " : " +
                                 mesure.Raison(v.Refus, valeur, periodesAn),
                             document);
    l.Stockee = v.Stockee;
}

TLigneScenario LireLigne(std::string_view texte, int numero, const TBDVasco& bd,
                         std::string_view document)
{
    const auto echec = [&](const std::string& raison) {
        return ErreurScenario(numero, raison, document);
    };
    const std::vector<std::string_view> champs = Decouper(texte, ';');
    const size_t n = champs.size();
    const std::string nbChamps =
        "5 champs attendus (PERIODE;metier|espece;NOM;MESURE;VALEUR), trouvé " + std::to_string(n);
    if (n < 5)
        throw echec(nbChamps);

    TLigneScenario l;
    l.Ligne = numero;
    const std::string_view periode = Rogner(champs[0]);
    const auto p = LireEntier(periode);
    if (!p || *p < 0)
        throw echec(PeriodeAttendue(periode));
    l.Periode = *p;

    const std::string_view cible = Rogner(champs[1]);
    const bool espece = cible == "espece";
    if (!espece && cible != "metier")
        throw echec("cible inconnue " + Cite(cible) + " (metier ou espece attendu)");

    // A name is the rest of its line in the data file and may itself hold a
    // ';': the fields between the target and the measure make the name.
    const std::string nom = Joindre(champs, 2, n - 2);
    const auto index = Chercher(espece ? bd.Especes : bd.Metiers, nom);
    if (!index && n > 5)
        throw echec(nbChamps);
    if (!index)
        throw echec((espece ? "espèce inconnue " : "métier inconnu ") + Cite(nom));
    l.Index = *index;

    const std::string_view nomMesure = Rogner(champs[n - 2]);
    const TDefMesure* mesure = MesureNommee(nomMesure, espece);
    if (!mesure)
        throw echec(std::string(espece ? "mesure d'espèce inconnue "
                                                        : "mesure de métier inconnue ") +
                                         Cite(nomMesure) + " (" + Connues(espece) + " attendu)");
    l.Mesure = mesure->Mesure;
    LireValeur(l, *mesure, Rogner(champs[n - 1]), bd.NbPeriodesAn, document);
    return l;
}

} // namespace

ErreurScenario::ErreurScenario(int ligne, const std::string& raison, std::string_view document)
    : std::runtime_error(std::string(document) + " ligne " + std::to_string(ligne) + ": " + raison),
      ligne_(ligne)
{
}

TScenario::TScenario(const std::vector<std::pair<int, std::string>>& lignes, const TBDVasco& bd,
                     std::string_view document)
{
    for (const auto& [numero, ligne] : lignes)
        lignes_.push_back(LireLigne(ligne, numero, bd, document));
    Trier();
}

TScenario::TScenario(std::vector<TLigneScenario> lignes) : lignes_(std::move(lignes))
{
    Trier();
}

void TScenario::Trier()
{
    std::stable_sort(lignes_.begin(), lignes_.end(),
                     [](const auto& a, const auto& b) { return a.Periode < b.Periode; });
}

void TScenario::Appliquer(int64_t periode, TBDVasco& bd) const
{
    const auto [debut, fin] =
        std::equal_range(lignes_.begin(), lignes_.end(), TLigneScenario{.Periode = periode},
                         [](const auto& a, const auto& b) { return a.Periode < b.Periode; });
    for (auto l = debut; l != fin; ++l) {
        const TDefMesure& mesure = Mesure(l->Mesure);
        if (mesure.SurEspece()) {
            TPeriodeES& z = bd.Especes.A<TEspece>(l->Index).Courant();
            if (l->Arret)
                mesure.Activer(z, false);
            else
                mesure.Appliquer(z, l->Stockee);
            continue;
        }
        const TMetierEco& metier = bd.Metiers.A<TMetierEco>(l->Index);
        TCondition& c = metier.Courante();
        mesure.Appliquer(c, l->Stockee);
        // As the métier dialog does when it leaves a métier: the regulated
        // mesh and the repression decide the mesh actually fished.
        c.AppliquerMaillage(metier);
    }
}

} // namespace vasco
