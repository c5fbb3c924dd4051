#include "batch/Csv.h"

#include "biology/Ubiolo.h"
#include "dataset/UChamps.h"
#include "economics/Ueco.h"
#include "model/UNombres.h"
#include "model/Uperiode.h"

#include <cmath>

namespace vasco {

namespace {

std::string Format(long double v)
{
    return NeufChiffres(static_cast<double>(v));
}

// A row as text, the way the CSV writes it.
struct TChampsTexte {
    std::string& Ligne;
    void Nombre(long double v)
    {
        Ligne += ',';
        Ligne += Format(v);
    }
    // Empty fields for a record the model failed to open.
    void Vides(int n) { Ligne.append(static_cast<size_t>(n), ','); }
};

// A row as the numbers the CSV prints, an empty field as NaN.
struct TChampsValeurs {
    std::vector<double>& Valeurs;
    void Nombre(long double v) { Valeurs.push_back(static_cast<double>(v)); }
    void Vides(int n) { Valeurs.insert(Valeurs.end(), static_cast<size_t>(n), NAN); }
};

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

template <class Champs>
void AjouterBilan(Champs& ligne, const TPeriodeBilan* b)
{
    if (!b)
        return ligne.Vides(8);
    for (float v : {b->PoidsDebarque, b->PoidsRejete, b->CA, b->CAGris, b->Benefice,
                    b->SubventionsNettes, b->Effectifs, b->JoursEquipage})
        ligne.Nombre(v);
}

template <class Champs>
void AjouterEspece(Champs& ligne, const TPeriodeES* z)
{
    if (!z)
        return ligne.Vides(3);
    ligne.Nombre(z->Biomasse);
    ligne.Nombre(z->BiomasseFeconde);
    ligne.Nombre(PoidsCaptures(*z));
}

template <class Champs>
void AjouterMetier(Champs& ligne, const TCondition* c)
{
    if (!c)
        return ligne.Vides(5);
    for (float v : {c->CA, c->Benefice, c->PoidsDebarque, c->PoidsRejete, c->CAGris})
        ligne.Nombre(v);
}

// The fields of row p after its period number, in the header's order.
template <class Champs>
void AjouterChamps(Champs& ligne, const TBDVasco& bd, int p)
{
    AjouterBilan(ligne, Entree<TPeriodeBilan>(bd.Bilans, p - 1));
    for (int i = 0; i < bd.Especes.Nombre(); ++i)
        AjouterEspece(ligne, Entree<TPeriodeES>(bd.Especes.A<TEspece>(i).Periodes, p - 1));
    for (int i = 0; i < bd.Metiers.Nombre(); ++i)
        AjouterMetier(ligne, Entree<TCondition>(bd.Metiers.A<TMetierEco>(i).Conditions, p - 1));
}

} // namespace

std::vector<std::pair<std::string, std::string>> ColonnesCsv(const TBDVasco& bd)
{
    std::vector<std::pair<std::string, std::string>> colonnes;
    for (const char* bilan : {"PoidsDebarque", "PoidsRejete", "CA", "CAGris", "Benefice",
                              "SubventionsNettes", "Effectifs", "JoursEquipage"})
        colonnes.emplace_back(bilan, "");
    for (int i = 0; i < bd.Especes.Nombre(); ++i) {
        const std::string& nom = bd.Especes.A<TELaNom>(i).Nom;
        for (const char* suffixe : {":Biomasse", ":BiomasseFeconde", ":PoidsCaptures"})
            colonnes.emplace_back(nom, suffixe);
    }
    for (int i = 0; i < bd.Metiers.Nombre(); ++i) {
        const std::string& nom = bd.Metiers.A<TELaNom>(i).Nom;
        for (const char* suffixe :
             {":CA", ":Benefice", ":PoidsDebarque", ":PoidsRejete", ":CAGris"})
            colonnes.emplace_back(nom, suffixe);
    }
    return colonnes;
}

std::string EnTeteCsv(const TBDVasco& bd)
{
    std::string ligne = "periode";
    for (const auto& [nom, suffixe] : ColonnesCsv(bd))
        ligne += ',' + ChampNom(nom, suffixe);
    return ligne + '\n';
}

std::string LigneCsv(const TBDVasco& bd, int p)
{
    std::string ligne = std::to_string(p);
    TChampsTexte champs{ligne};
    AjouterChamps(champs, bd, p);
    return ligne + '\n';
}

void ValeursCsv(const TBDVasco& bd, int p, std::vector<double>& valeurs)
{
    TChampsValeurs champs{valeurs};
    AjouterChamps(champs, bd, p);
}

std::string ChampCsv(double v)
{
    return Format(v);
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
