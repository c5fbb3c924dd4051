#include "dataset/UMesures.h"

#include "biology/Ubiolo.h"
#include "economics/Ueco.h"
#include "model/UNombres.h"
#include "model/UTraduction.h"
#include "model/Umessages.h"

#include <cfloat>
#include <cmath>

namespace vasco {

namespace {

constexpr TDefMesure Table[] = {
    {.Mesure = TMesure::Navires,
     .Nom = "navires",
     .Libelle = QT_TRANSLATE_NOOP("Modele", "Nombre de Navires"),
     .Min = 0,
     .NonNumerique = QT_TRANSLATE_NOOP("Modele", "Nombre de Navires : Valeur non numérique"),
     .SousMin = QT_TRANSLATE_NOOP("Modele", "Nombre de navires < 0"),
     .Attendu = "nombre de navires >= 0 attendu",
     .Condition = &TCondition::NbNavires},
    // The regulated mesh; the mesh actually fished follows from it and the
    // repression (TCondition::AppliquerMaillage).
    {.Mesure = TMesure::Maillage,
     .Nom = "maillage",
     .Libelle = QT_TRANSLATE_NOOP("Modele", "Maillage (mm) :"),
     .Min = 0,
     .NonNumerique = QT_TRANSLATE_NOOP("Modele", "Maillage : Valeur non numérique"),
     .SousMin = QT_TRANSLATE_NOOP("Modele", "Maillage < 0"),
     .Attendu = "maillage >= 0 (mm) attendu",
     .Condition = &TCondition::MaillageReglementaire},
    // A year counts 360 days; a period its share of them, the limit included.
    {.Mesure = TMesure::Jours,
     .Nom = "jours",
     .Libelle = QT_TRANSLATE_NOOP("Modele", "Nb de Jours de Mer / période:"),
     .Min = 0,
     .Max = 360,
     .MaxAnnuel = true,
     .NonNumerique = QT_TRANSLATE_NOOP("Modele", "Nombre de jours : Valeur non numérique"),
     .SousMin = QT_TRANSLATE_NOOP("Modele", "Nombre de jours < 0 ou > à durée période"),
     .SurMax = QT_TRANSLATE_NOOP("Modele", "Nombre de jours < 0 ou > à durée période"),
     .Attendu = "de 0 à {max} jours par période attendu",
     .Condition = &TCondition::NbJours},
    // Per vessel: typed for a year, paid each period.  Subsidies and the tax
    // may be negative, a levy or a refund.
    {.Mesure = TMesure::SubventionAn,
     .Nom = "subvention_an",
     .Libelle = QT_TRANSLATE_NOOP("Modele", "Annuelle"),
     .Conversion = TConversion::ParPeriode,
     .NonNumerique = QT_TRANSLATE_NOOP("Modele", "Subvention An : Valeur non numérique"),
     .Condition = &TCondition::SubventionPeriode},
    {.Mesure = TMesure::SubventionJour,
     .Nom = "subvention_jour",
     .Libelle = QT_TRANSLATE_NOOP("Modele", "Jour de Mer"),
     .NonNumerique = QT_TRANSLATE_NOOP("Modele", "Subvention Jour Mer : Valeur non numérique"),
     .Condition = &TCondition::SubventionJourMer},
    {.Mesure = TMesure::Taxe,
     .Nom = "taxe",
     .Libelle = QT_TRANSLATE_NOOP("Modele", "Taux taxes sur CA (en %)"),
     .Max = 100,
     .Conversion = TConversion::Pourcent,
     .NonNumerique = QT_TRANSLATE_NOOP("Modele", "Taux Taxe sur CA : Valeur non numérique"),
     .SurMax = QT_TRANSLATE_NOOP("Modele", "Taxe sur CA > à 100%"),
     .Attendu = "taux <= 100 (%) attendu",
     .Condition = &TCondition::TauxTaxeCA},
    {.Mesure = TMesure::Repression,
     .Nom = "repression",
     .Libelle = QT_TRANSLATE_NOOP("Modele", "Indice de  Répression (en %) :"),
     .Min = 0,
     .Max = 100,
     .Conversion = TConversion::Pourcent,
     .NonNumerique = QT_TRANSLATE_NOOP("Modele", "Indice de répression : Valeur non numérique"),
     .SousMin = QT_TRANSLATE_NOOP("Modele", "Indice de répression <0 ou >100"),
     .SurMax = QT_TRANSLATE_NOOP("Modele", "Indice de répression <0 ou >100"),
     .Attendu = "indice de 0 à 100 (%) attendu",
     .Condition = &TCondition::IndiceRepression},
    // Landings of the species allowed to each métier in a period.
    {.Mesure = TMesure::Quota,
     .Nom = "quota",
     .Libelle = QT_TRANSLATE_NOOP("Modele", "Quota / Periode (T):"),
     .Min = 0,
     .Conversion = TConversion::Tonnes,
     .NonNumerique = QT_TRANSLATE_NOOP("Modele", "Quota : Valeur non numérique"),
     .SousMin = QT_TRANSLATE_NOOP("Modele", "Quotas < 0"),
     .Attendu = "quota >= 0 (tonnes par période) attendu",
     .ValeurEspece = &TPeriodeES::Quota,
     .Active = &TPeriodeES::QuotaActif,
     .Effacee = -1000},
    // The minimum landing size, held in 16 bits: a larger one is refused
    // rather than wrapped to a small one.
    {.Mesure = TMesure::TailleMin,
     .Nom = "taille_min",
     .Libelle = QT_TRANSLATE_NOOP("Modele", "Taille minimale (cm) :"),
     .Entier = true,
     .Min = 1,
     .Max = UINT16_MAX,
     .NonNumerique = QT_TRANSLATE_NOOP("Modele", "Taille Minimale : Valeur non numérique"),
     .SousMin = QT_TRANSLATE_NOOP("Modele", "Taille Minimale <= 0"),
     .SurMax = QT_TRANSLATE_NOOP("Modele", "Taille Minimale > 65535"),
     .Attendu = "taille de 1 à 65535 (cm) attendue",
     .TailleEspece = &TPeriodeES::TailleMin,
     .Active = &TPeriodeES::TailleMinActive},
};

consteval bool DansLOrdre()
{
    for (size_t i = 0; i < std::size(Table); ++i)
        if (static_cast<size_t>(Table[i].Mesure) != i ||
            (Table[i].Condition != nullptr) == Table[i].SurEspece())
            return false;
    return true;
}
static_assert(DansLOrdre(), "one row per measure, in the order of TMesure, each stored once");

void VerifierPeriodes(int periodesAn)
{
    if (periodesAn < 1)
        throw ErreurModele("UMesures : une année compte au moins une période");
}

bool DansLesFloats(long double v)
{
    return std::fabs(v) <= FLT_MAX;
}

} // namespace

std::span<const TDefMesure> Mesures()
{
    return Table;
}

TValeursMesures ValeursMesures(const TCondition& c)
{
    TValeursMesures v;
    for (const TDefMesure& m : Table)
        if (!m.SurEspece())
            v[static_cast<size_t>(m.Mesure)] = {m.Valeur(c), true};
    return v;
}

TValeursMesures ValeursMesures(const TPeriodeES& s)
{
    TValeursMesures v;
    for (const TDefMesure& m : Table)
        if (m.SurEspece())
            v[static_cast<size_t>(m.Mesure)] = {m.Valeur(s), m.EnVigueur(s)};
    return v;
}

const TDefMesure& Mesure(TMesure m)
{
    const auto i = static_cast<size_t>(m);
    if (i >= std::size(Table))
        throw ErreurModele("UMesures : mesure inconnue");
    return Table[i];
}

const TDefMesure* MesureNommee(std::string_view nom, bool espece)
{
    for (const TDefMesure& m : Table)
        if (m.Nom == nom && m.SurEspece() == espece)
            return &m;
    return nullptr;
}

long double TDefMesure::Plafond(int periodesAn) const
{
    VerifierPeriodes(periodesAn);
    return MaxAnnuel ? Max / periodesAn : Max;
}

long double TDefMesure::Stocker(long double saisi, int periodesAn) const
{
    VerifierPeriodes(periodesAn);
    if (!DansLesFloats(saisi))
        throw ErreurModele("UMesures : nombre hors des réels simples");
    if (Entier)
        return saisi;
    // A dialog field is read into a float before anything else: a scenario
    // value stores what the same text typed in the dialog stores, even when
    // the text is not exact in a float (45.1 %).
    const long double f = static_cast<float>(saisi);
    switch (Conversion) {
    case TConversion::Pourcent: return f / 100;
    case TConversion::ParPeriode: return f / periodesAn;
    case TConversion::Tonnes: return f * 1000;
    case TConversion::Aucune: break;
    }
    return f;
}

long double TDefMesure::Saisi(long double stockee, int periodesAn) const
{
    VerifierPeriodes(periodesAn);
    switch (Conversion) {
    case TConversion::Pourcent: return stockee * 100.0L;
    case TConversion::ParPeriode: return stockee * static_cast<long double>(periodesAn);
    case TConversion::Tonnes: return stockee / 1000.0L;
    case TConversion::Aucune: break;
    }
    return stockee;
}

TValeurMesure TDefMesure::Lire(std::string_view texte, int periodesAn, TSaisie saisie) const
{
    const long double plafond = Plafond(periodesAn);
    const auto limite = [&](long double v) {
        return v < Min ? TRefus::SousMin : v > plafond ? TRefus::SurMax : TRefus::Aucun;
    };
    if (Entier) {
        const auto v = LireEntier(texte);
        if (!v)
            return {TRefus::NonNumerique};
        const long double n = static_cast<long double>(*v);
        return {limite(n), n};
    }
    const auto v = LireReel(texte);
    if (!v)
        return {TRefus::NonNumerique};
    const bool tropGrand = !DansLesFloats(*v) || !DansLesFloats(Stocker(*v, periodesAn));
    if (tropGrand && saisie == TSaisie::Dialogue)
        return {TRefus::NonNumerique};
    if (const TRefus refus = limite(*v); refus != TRefus::Aucun)
        return {refus};
    if (tropGrand)
        return {TRefus::TropGrand};
    return {TRefus::Aucun, Stocker(*v, periodesAn)};
}

std::string_view TDefMesure::Message(TRefus refus) const
{
    switch (refus) {
    case TRefus::NonNumerique:
    case TRefus::TropGrand: return NonNumerique;
    case TRefus::SousMin: return SousMin;
    case TRefus::SurMax: return SurMax;
    case TRefus::Aucun: break;
    }
    return {};
}

std::string TDefMesure::Raison(TRefus refus, std::string_view texte, int periodesAn) const
{
    const std::string ouOff = SurEspece() ? " ou off" : "";
    if (Entier) {
        if (refus == TRefus::NonNumerique)
            return "nombre entier" + ouOff + " attendu, trouvé " + Cite(texte);
        return std::string(Attendu) + ", trouvé " + Cite(texte);
    }
    if (refus == TRefus::NonNumerique)
        return "valeur non numérique " + Cite(texte) + " (nombre" + ouOff + " attendu)";
    std::string attendu(refus == TRefus::TropGrand ? "nombre trop grand" : Attendu);
    if (const size_t max = attendu.find("{max}"); max != std::string::npos)
        attendu.replace(max, 5, NeufChiffres(static_cast<double>(Plafond(periodesAn))));
    return "valeur hors limites " + Cite(texte) + " : " + attendu;
}

long double TDefMesure::Valeur(const TCondition& c) const
{
    if (!Condition)
        throw ErreurModele("UMesures : mesure d'espèce sur un métier");
    return c.*Condition;
}

long double TDefMesure::Valeur(const TPeriodeES& s) const
{
    if (ValeurEspece)
        return s.*ValeurEspece;
    if (TailleEspece)
        return s.*TailleEspece;
    throw ErreurModele("UMesures : mesure de métier sur une espèce");
}

bool TDefMesure::EnVigueur(const TPeriodeES& s) const
{
    if (!Active)
        throw ErreurModele("UMesures : mesure de métier sur une espèce");
    return s.*Active != 0;
}

void TDefMesure::Appliquer(TCondition& c, long double stockee) const
{
    if (!Condition)
        throw ErreurModele("UMesures : mesure d'espèce sur un métier");
    if (!DansLesFloats(stockee))
        throw ErreurModele("UMesures : nombre hors des réels simples");
    c.*Condition = static_cast<float>(stockee);
}

void TDefMesure::Appliquer(TPeriodeES& s, long double stockee) const
{
    if (ValeurEspece && DansLesFloats(stockee))
        s.*ValeurEspece = static_cast<float>(stockee);
    else if (TailleEspece && stockee >= 0 && stockee <= UINT16_MAX &&
             stockee == std::trunc(stockee))
        s.*TailleEspece = static_cast<uint16_t>(stockee);
    else
        throw ErreurModele("UMesures : valeur impossible à stocker pour l'espèce");
    Activer(s, true);
}

void TDefMesure::Activer(TPeriodeES& s, bool active) const
{
    if (!Active)
        throw ErreurModele("UMesures : mesure de métier sur une espèce");
    s.*Active = active ? 1 : 0;
}

void TDefMesure::Effacer(TPeriodeES& s) const
{
    Appliquer(s, Effacee);
    Activer(s, false);
}

} // namespace vasco
