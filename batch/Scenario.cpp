#include "batch/Scenario.h"

#include "biology/Ubiolo.h"
#include "economics/Ueco.h"
#include "model/Uperiode.h"

#include <cstdio>
#include <fstream>
#include <sstream>

namespace vasco {

namespace {

constexpr std::string_view Blancs = " \t";

std::string Format(long double v)
{
    char tampon[64];
    std::snprintf(tampon, sizeof tampon, "%.9g", static_cast<double>(v));
    return tampon;
}

void AjouterNombre(std::string& ligne, long double v)
{
    ligne += ',';
    ligne += Format(v);
}

// Empty fields for a record the model failed to open.
void AjouterVides(std::string& ligne, int n)
{
    ligne.append(static_cast<size_t>(n), ',');
}

template <class T>
const T* Entree(const TSupListe& liste, int index)
{
    return index >= 0 && index < liste.Nombre() ? &liste.A<T>(index) : nullptr;
}

// Catch weight of the species in one period: its classes in increasing size,
// summed in extended precision.
long double PoidsCaptures(const TPeriodeES& z)
{
    long double somme = 0;
    for (int i = 0; i < z.Tailles.Nombre(); ++i)
        somme += z.Tailles.A<TTailleES>(i).PoidsCaptures;
    return somme;
}

void AjouterBilan(std::string& ligne, const TPeriodeBilan* b)
{
    if (!b)
        return AjouterVides(ligne, 8);
    for (float v : {b->PoidsDebarque, b->PoidsRejete, b->CA, b->CAGris, b->Benefice,
                    b->SubventionsNettes, b->Effectifs, b->JoursEquipage})
        AjouterNombre(ligne, v);
}

void AjouterEspece(std::string& ligne, const TPeriodeES* z)
{
    if (!z)
        return AjouterVides(ligne, 3);
    AjouterNombre(ligne, z->Biomasse);
    AjouterNombre(ligne, z->BiomasseFeconde);
    AjouterNombre(ligne, PoidsCaptures(*z));
}

void AjouterMetier(std::string& ligne, const TCondition* c)
{
    if (!c)
        return AjouterVides(ligne, 5);
    for (float v : {c->CA, c->Benefice, c->PoidsDebarque, c->PoidsRejete, c->CAGris})
        AjouterNombre(ligne, v);
}

} // namespace

std::optional<std::string> LireTexte(const std::filesystem::path& chemin)
{
    std::ifstream fichier(chemin, std::ios::binary);
    if (!fichier)
        return std::nullopt;
    std::ostringstream texte;
    texte << fichier.rdbuf();
    if (fichier.bad())
        return std::nullopt;
    return std::move(texte).str();
}

std::string ChampNom(std::string_view nom, std::string_view suffixe)
{
    const bool bord = !nom.empty() && (Blancs.find(nom.front()) != std::string_view::npos ||
                                       Blancs.find(nom.back()) != std::string_view::npos);
    const std::string champ = std::string(nom) + std::string(suffixe);
    if (!bord && nom.find_first_of(",\"\r\n") == std::string_view::npos)
        return champ;
    std::string cite = "\"";
    for (char c : champ) {
        if (c == '"')
            cite += '"';
        cite += c;
    }
    return cite + '"';
}

std::string EnTeteCsv(const TBDVasco& bd)
{
    std::string ligne = "periode,PoidsDebarque,PoidsRejete,CA,CAGris,Benefice,"
                        "SubventionsNettes,Effectifs,JoursEquipage";
    for (int i = 0; i < bd.Especes.Nombre(); ++i) {
        const std::string& nom = bd.Especes.A<TELaNom>(i).Nom;
        for (const char* suffixe : {":Biomasse", ":BiomasseFeconde", ":PoidsCaptures"})
            ligne += ',' + ChampNom(nom, suffixe);
    }
    for (int i = 0; i < bd.Metiers.Nombre(); ++i) {
        const std::string& nom = bd.Metiers.A<TELaNom>(i).Nom;
        for (const char* suffixe :
             {":CA", ":Benefice", ":PoidsDebarque", ":PoidsRejete", ":CAGris"})
            ligne += ',' + ChampNom(nom, suffixe);
    }
    return ligne + '\n';
}

std::string LigneCsv(const TBDVasco& bd, int p)
{
    std::string ligne = std::to_string(p);
    AjouterBilan(ligne, Entree<TPeriodeBilan>(bd.Bilans, p - 1));
    for (int i = 0; i < bd.Especes.Nombre(); ++i)
        AjouterEspece(ligne, Entree<TPeriodeES>(bd.Especes.A<TEspece>(i).Periodes, p - 1));
    for (int i = 0; i < bd.Metiers.Nombre(); ++i)
        AjouterMetier(ligne, Entree<TCondition>(bd.Metiers.A<TMetierEco>(i).Conditions, p - 1));
    return ligne + '\n';
}

void Simuler(TBDVasco& bd, const TScenario& scenario, int64_t periodes, std::ostream& sortie)
{
    sortie << EnTeteCsv(bd);
    for (int64_t p = 1; p <= periodes; ++p) {
        scenario.Appliquer(p - 1, bd);
        bd.Pas();
        sortie << LigneCsv(bd, static_cast<int>(p));
    }
}

} // namespace vasco
