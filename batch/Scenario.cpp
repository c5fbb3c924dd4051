#include "batch/Scenario.h"

#include "biology/Ubiolo.h"
#include "economics/Ueco.h"
#include "model/Uperiode.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>

namespace vasco {

namespace {

constexpr std::string_view Blancs = " \t";

std::string_view Rogner(std::string_view s)
{
    const size_t debut = s.find_first_not_of(Blancs);
    if (debut == std::string_view::npos)
        return {};
    return s.substr(debut, s.find_last_not_of(Blancs) - debut + 1);
}

std::vector<std::string_view> Decouper(std::string_view ligne, char separateur)
{
    std::vector<std::string_view> champs;
    for (size_t debut = 0;;) {
        const size_t fin = ligne.find(separateur, debut);
        champs.push_back(ligne.substr(debut, fin - debut));
        if (fin == std::string_view::npos)
            return champs;
        debut = fin + 1;
    }
}

std::string Cite(std::string_view s)
{
    return "« " + std::string(s) + " »";
}

// One explicit '+' is accepted before a number, as a spreadsheet writes it.
bool SansPlus(std::string_view& s)
{
    if (s.empty() || s.front() != '+')
        return true;
    s.remove_prefix(1);
    return !s.empty() && s.front() != '+' && s.front() != '-';
}

// A real as a scenario writes it: '.' decimals, an optional exponent, nothing
// after it.  NaN and infinities are not numbers; a number too large for any
// real comes back infinite, so that the range checks refuse it.
std::optional<long double> LireReel(std::string_view s)
{
    if (!SansPlus(s) || s.empty())
        return std::nullopt;
    long double v = 0;
    const char* fin = s.data() + s.size();
    const auto [p, ec] = std::from_chars(s.data(), fin, v, std::chars_format::general);
    if (p != fin)
        return std::nullopt;
    if (ec == std::errc::result_out_of_range)
        return s.front() == '-' ? -HUGE_VALL : HUGE_VALL;
    if (ec != std::errc() || !std::isfinite(v))
        return std::nullopt;
    return v;
}

// A whole number; a number too large for 64 bits comes back as the largest
// one of its sign, for the range checks.
std::optional<int64_t> LireEntier(std::string_view s)
{
    if (!SansPlus(s) || s.empty())
        return std::nullopt;
    int64_t v = 0;
    const char* fin = s.data() + s.size();
    const auto [p, ec] = std::from_chars(s.data(), fin, v);
    if (p != fin)
        return std::nullopt;
    if (ec == std::errc::result_out_of_range)
        return s.front() == '-' ? INT64_MIN : INT64_MAX;
    if (ec != std::errc())
        return std::nullopt;
    return v;
}

std::string Format(long double v)
{
    char tampon[64];
    std::snprintf(tampon, sizeof tampon, "%.9g", static_cast<double>(v));
    return tampon;
}

struct TNomMesure {
    std::string_view Nom;
    TMesure Mesure;
};

constexpr TNomMesure MesuresMetier[] = {
    {"navires", TMesure::Navires},
    {"maillage", TMesure::Maillage},
    {"jours", TMesure::Jours},
    {"subvention_an", TMesure::SubventionAn},
    {"subvention_jour", TMesure::SubventionJour},
    {"taxe", TMesure::Taxe},
    {"repression", TMesure::Repression},
};

constexpr TNomMesure MesuresEspece[] = {
    {"quota", TMesure::Quota},
    {"taille_min", TMesure::TailleMin},
};

template <size_t N>
std::optional<TMesure> ChercherMesure(const TNomMesure (&table)[N], std::string_view nom)
{
    for (const TNomMesure& m : table)
        if (m.Nom == nom)
            return m.Mesure;
    return std::nullopt;
}

bool EstMesureEspece(TMesure m)
{
    return m == TMesure::Quota || m == TMesure::TailleMin;
}

// The value as the condition dialogs store it: the annual subsidy per
// period, percentages as fractions, the quota in kg.
long double Stockee(TMesure m, long double v, int periodesAn)
{
    switch (m) {
    case TMesure::SubventionAn: return v / periodesAn;
    case TMesure::Taxe:
    case TMesure::Repression: return v / 100;
    case TMesure::Quota: return v * 1000;
    default: return v;
    }
}

// What a value of the measure must be, when it is not.
std::optional<std::string> HorsLimites(TMesure m, long double v, int periodesAn)
{
    const long double maxJours = 360.0L / periodesAn;
    switch (m) {
    case TMesure::Navires:
        if (v < 0)
            return "nombre de navires >= 0 attendu";
        break;
    case TMesure::Maillage:
        if (v < 0)
            return "maillage >= 0 (mm) attendu";
        break;
    case TMesure::Jours:
        if (v < 0 || v > maxJours)
            return "de 0 à " + Format(maxJours) + " jours par période attendu";
        break;
    case TMesure::Taxe:
        if (v > 100)
            return "taux <= 100 (%) attendu";
        break;
    case TMesure::Repression:
        if (v < 0 || v > 100)
            return "indice de 0 à 100 (%) attendu";
        break;
    case TMesure::Quota:
        if (v < 0)
            return "quota >= 0 (tonnes par période) attendu";
        break;
    default: break;
    }
    if (!(std::fabs(Stockee(m, v, periodesAn)) <= FLT_MAX))
        return std::string("nombre trop grand");
    return std::nullopt;
}

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

// The value field of a checked line: a number in range, or "off" for the
// species measures.
void LireValeur(TLigneScenario& l, std::string_view mesure, std::string_view valeur, int periodesAn)
{
    if (EstMesureEspece(l.Mesure) && valeur == "off") {
        l.Arret = true;
        return;
    }
    const std::string quoi = std::string(mesure) + " : ";
    if (l.Mesure == TMesure::TailleMin) {
        const auto v = LireEntier(valeur);
        if (!v)
            throw ErreurScenario(l.Ligne,
                                 quoi + "nombre entier ou off attendu, trouvé " + Cite(valeur));
        if (*v < 1 || *v > UINT16_MAX)
            throw ErreurScenario(l.Ligne, quoi + "taille de 1 à 65535 (cm) attendue, trouvé " +
                                              Cite(valeur));
        l.Valeur = static_cast<long double>(*v);
        return;
    }
    const auto v = LireReel(valeur);
    if (!v) {
        const char* attendu = EstMesureEspece(l.Mesure) ? "nombre ou off" : "nombre";
        throw ErreurScenario(l.Ligne, quoi + "valeur non numérique " + Cite(valeur) + " (" +
                                          attendu + " attendu)");
    }
    if (const auto raison = HorsLimites(l.Mesure, *v, periodesAn))
        throw ErreurScenario(l.Ligne,
                             quoi + "valeur hors limites " + Cite(valeur) + " : " + *raison);
    l.Valeur = *v;
}

TLigneScenario LireLigne(std::string_view texte, int numero, const TBDVasco& bd)
{
    const std::vector<std::string_view> champs = Decouper(texte, ';');
    const size_t n = champs.size();
    const std::string nbChamps =
        "5 champs attendus (PERIODE;metier|espece;NOM;MESURE;VALEUR), trouvé " + std::to_string(n);
    if (n < 5)
        throw ErreurScenario(numero, nbChamps);

    TLigneScenario l;
    l.Ligne = numero;
    const std::string_view periode = Rogner(champs[0]);
    const auto p = LireEntier(periode);
    if (!p || *p < 0)
        throw ErreurScenario(numero,
                             "période : nombre entier >= 0 attendu, trouvé " + Cite(periode));
    l.Periode = *p;

    const std::string_view cible = Rogner(champs[1]);
    const bool espece = cible == "espece";
    if (!espece && cible != "metier")
        throw ErreurScenario(numero,
                             "cible inconnue " + Cite(cible) + " (metier ou espece attendu)");

    // A name is the rest of its line in the data file and may itself hold a
    // ';': the fields between the target and the measure make the name.
    const std::string nom = Joindre(champs, 2, n - 2);
    const auto index = Chercher(espece ? bd.Especes : bd.Metiers, nom);
    if (!index && n > 5)
        throw ErreurScenario(numero, nbChamps);
    if (!index)
        throw ErreurScenario(numero, (espece ? "espèce inconnue " : "métier inconnu ") + Cite(nom));
    l.Index = *index;

    const std::string_view mesure = Rogner(champs[n - 2]);
    const auto m =
        espece ? ChercherMesure(MesuresEspece, mesure) : ChercherMesure(MesuresMetier, mesure);
    if (!m) {
        const char* connues = espece ? "quota ou taille_min"
                                     : "navires, maillage, jours, subvention_an, "
                                       "subvention_jour, taxe ou repression";
        throw ErreurScenario(numero, std::string(espece ? "mesure d'espèce inconnue "
                                                        : "mesure de métier inconnue ") +
                                         Cite(mesure) + " (" + connues + " attendu)");
    }
    l.Mesure = *m;
    LireValeur(l, mesure, Rogner(champs[n - 1]), bd.NbPeriodesAn);
    return l;
}

void AppliquerEspece(const TLigneScenario& l, TBDVasco& bd)
{
    TPeriodeES& z = bd.Especes.A<TEspece>(l.Index).Courant();
    if (l.Mesure == TMesure::Quota) {
        z.QuotaActif = l.Arret ? 0 : 1;
        if (!l.Arret)
            z.Quota = static_cast<float>(Stockee(l.Mesure, l.Valeur, bd.NbPeriodesAn));
        return;
    }
    z.TailleMinActive = l.Arret ? 0 : 1;
    if (!l.Arret)
        z.TailleMin = static_cast<uint16_t>(l.Valeur);
}

void AppliquerMetier(const TLigneScenario& l, TBDVasco& bd)
{
    const TMetierEco& metier = bd.Metiers.A<TMetierEco>(l.Index);
    TCondition& c = metier.Courante();
    const float v = static_cast<float>(Stockee(l.Mesure, l.Valeur, bd.NbPeriodesAn));
    switch (l.Mesure) {
    case TMesure::Navires: c.NbNavires = v; break;
    case TMesure::Maillage: c.MaillageReglementaire = v; break;
    case TMesure::Jours: c.NbJours = v; break;
    case TMesure::SubventionAn: c.SubventionPeriode = v; break;
    case TMesure::SubventionJour: c.SubventionJourMer = v; break;
    case TMesure::Taxe: c.TauxTaxeCA = v; break;
    case TMesure::Repression: c.IndiceRepression = v; break;
    default: break;
    }
    // As the métier dialog does when it leaves a métier: the regulated mesh
    // and the repression decide the mesh actually fished.
    c.AppliquerMaillage(metier);
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

ErreurScenario::ErreurScenario(int ligne, const std::string& raison)
    : std::runtime_error("scenario ligne " + std::to_string(ligne) + ": " + raison), ligne_(ligne)
{
}

TScenario::TScenario(std::string_view texte, const TBDVasco& bd)
{
    // Scenarios are decoded as the data files are.
    const std::string utf8 = TexteUtf8(texte);
    std::vector<std::string_view> lignes = Decouper(utf8, '\n');
    for (size_t i = 0; i < lignes.size(); ++i) {
        std::string_view ligne = lignes[i];
        // Carriage returns before the line end are blanks: "5\r\r\n" is a
        // CRLF file converted twice.
        while (ligne.ends_with('\r'))
            ligne.remove_suffix(1);
        const std::string_view utile = Rogner(ligne);
        if (utile.empty() || utile.front() == '#')
            continue;
        lignes_.push_back(LireLigne(ligne, static_cast<int>(i + 1), bd));
    }
    std::stable_sort(lignes_.begin(), lignes_.end(),
                     [](const auto& a, const auto& b) { return a.Periode < b.Periode; });
}

void TScenario::Appliquer(int64_t periode, TBDVasco& bd) const
{
    const auto [debut, fin] =
        std::equal_range(lignes_.begin(), lignes_.end(), TLigneScenario{.Periode = periode},
                         [](const auto& a, const auto& b) { return a.Periode < b.Periode; });
    for (auto l = debut; l != fin; ++l) {
        if (EstMesureEspece(l->Mesure))
            AppliquerEspece(*l, bd);
        else
            AppliquerMetier(*l, bd);
    }
}

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
