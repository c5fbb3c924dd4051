// A measure typed in a condition dialog and the same measure in a scenario
// line go through the one row of the measure table: the same text stores the
// same float, or is refused by both, each with its own words.

#include "biology/Ubiolo.h"
#include "dataset/UPartie.h"
#include "economics/Ueco.h"
#include "tests/dialogs/Outils.h"

#include <QCheckBox>
#include <cmath>
#include <gtest/gtest.h>
#include <optional>

namespace vasco::test {
namespace {

// Where each measure is typed: its edit, and for a species its check box.
struct Saisie {
    const char* Champ;
    const char* Case = nullptr;
};

Saisie SaisieDe(TMesure m)
{
    switch (m) {
    case TMesure::Navires: return {"txNombreDeNavires"};
    case TMesure::Maillage: return {"txMaillage"};
    case TMesure::Jours: return {"txNbJourPeche"};
    case TMesure::SubventionAn: return {"txSubventionAn"};
    case TMesure::SubventionJour: return {"txSubventionJourMer"};
    case TMesure::Taxe: return {"TxTauxTaxeSurCA"};
    case TMesure::Repression: return {"txRepression"};
    case TMesure::Quota: return {"txQuotas", "QuotasCheckBox"};
    case TMesure::TailleMin: return {"txTailleMin", "TailleMinCheckBox"};
    }
    return {""};
}

// Every measure of the first métier's open condition and the first
// species' open state (golfe.vsc: the offshore trawlers, the hake), a
// lifted measure as NaN.
std::vector<float> Etat(const TBDVasco& bd)
{
    const TCondition& c = bd.Metiers.A<TMetierEco>(0).Courante();
    const TPeriodeES& s = bd.Especes.A<TEspece>(0).Courant();
    return {c.NbNavires,
            c.MaillageReglementaire,
            c.NbJours,
            c.SubventionPeriode,
            c.SubventionJourMer,
            c.TauxTaxeCA,
            c.IndiceRepression,
            s.QuotaActif ? s.Quota : NAN,
            s.TailleMinActive ? static_cast<float>(s.TailleMin) : NAN,
            c.MaillageEffectif};
}

struct Cas {
    TMesure Mesure;
    const char* Texte;
    std::optional<float> Stockee; // nothing when refused
    const char* Message = "";     // the dialog's
    const char* Raison = "";      // the scenario's
};

Cas Stocke(TMesure m, const char* texte, float stockee)
{
    return {m, texte, stockee};
}

Cas Refuse(TMesure m, const char* texte, const char* message, const char* raison)
{
    return {m, texte, std::nullopt, message, raison};
}

// The dialog, opened on a fresh golfe.vsc: the text typed in its field and
// confirmed; a refused entry is then abandoned (the measure lifted, or the
// fields confirmed as shown again), the other métiers or species cancelled.
std::vector<float> ParLeDialogue(const Cas& c, std::vector<std::string>& messages)
{
    auto fenetre = FenetreChargee();
    Messages recus;
    Script script;
    script.Installer(*fenetre);
    const Saisie s = SaisieDe(c.Mesure);
    const bool espece = s.Case != nullptr;
    const char* ok = espece ? "btOk" : "BtOK";
    script << Cocher(espece ? std::vector{s.Case} : std::vector<const char*>{},
                     {{s.Champ, c.Texte}}, ok);
    if (!c.Stockee)
        script << [=](QDialog& d) {
            if (espece && d.findChild<QCheckBox*>(s.Case)->isChecked())
                d.findChild<QCheckBox*>(s.Case)->click();
            return Cliquer(ok)(d);
        };
    for (int i = 1; i < (espece ? 3 : 4); ++i)
        script << Cliquer("BtAnnuler");
    if (espece)
        fenetre->ModificationdesConditionsEspeceClick();
    else
        fenetre->ModificationdesconditionsMetierClick();
    EXPECT_TRUE(script.Fini());
    if (!c.Stockee && !espece && script.Vus.size() > 1) {
        EXPECT_EQ(script.Vus[1].Focus, s.Champ) << "le champ refusé reprend la main";
    }
    messages = recus.Textes();
    return Etat(*fenetre->Donnees());
}

// The scenario line of the same measure, read and applied at period 0.
std::vector<float> ParLeScenario(const Cas& c, std::string& erreur)
{
    TBDVasco bd;
    bd.Charger(FichierDonnees("golfe.vsc"));
    const Saisie s = SaisieDe(c.Mesure);
    const std::string ligne =
        std::string(s.Case ? "0;espece;Merlu;" : "0;metier;Chalutiers hauturiers;") +
        std::string(Mesure(c.Mesure).Nom) + ";" + c.Texte;
    try {
        LireScenario(ligne, bd).Appliquer(0, bd);
    } catch (const ErreurScenario& e) {
        erreur = e.what();
    }
    return Etat(bd);
}

TEST(MesuresDesDialogues, MemeLigneDeLaTablePourLeDialogueEtLeScenario)
{
    // golfe.vsc counts four periods a year.  A number is rounded to a float
    // before it is converted: 45.1 % stores the float of 45.1 divided by
    // 100, one unit below the float of 0.451.
    const Cas cas[] = {
        Stocke(TMesure::Navires, "12,5", 12.5f),
        Refuse(TMesure::Navires, "-1", "Nombre de navires < 0",
               "valeur hors limites « -1 » : nombre de navires >= 0 attendu"),
        // Too large: no number to a dialog, below its limit to a scenario.
        Refuse(TMesure::Navires, "-1e39", "Nombre de Navires : Valeur non numérique",
               "valeur hors limites « -1e39 » : nombre de navires >= 0 attendu"),
        Stocke(TMesure::Maillage, "+80", 80),
        Refuse(TMesure::Maillage, "-0.5", "Maillage < 0",
               "valeur hors limites « -0.5 » : maillage >= 0 (mm) attendu"),
        Stocke(TMesure::Jours, "90", 90),
        Refuse(TMesure::Jours, "90.01", "Nombre de jours < 0 ou > à durée période",
               "valeur hors limites « 90.01 » : de 0 à 90 jours par période attendu"),
        Stocke(TMesure::SubventionAn, "1000", 250),
        Refuse(TMesure::SubventionAn, "1e39", "Subvention An : Valeur non numérique",
               "valeur hors limites « 1e39 » : nombre trop grand"),
        Stocke(TMesure::SubventionJour, " -12.5", -12.5f),
        Refuse(TMesure::SubventionJour, "douze", "Subvention Jour Mer : Valeur non numérique",
               "valeur non numérique « douze » (nombre attendu)"),
        Stocke(TMesure::Taxe, "45,1", std::nextafter(0.451f, 0.0f)),
        Stocke(TMesure::Taxe, "-20", -0.2f),
        Refuse(TMesure::Taxe, "100.5", "Taxe sur CA > à 100%",
               "valeur hors limites « 100.5 » : taux <= 100 (%) attendu"),
        Stocke(TMesure::Repression, "100", 1),
        Refuse(TMesure::Repression, "101", "Indice de répression <0 ou >100",
               "valeur hors limites « 101 » : indice de 0 à 100 (%) attendu"),
        Refuse(TMesure::Repression, "nan", "Indice de répression : Valeur non numérique",
               "valeur non numérique « nan » (nombre attendu)"),
        Stocke(TMesure::Quota, "2,5", 2500),
        Refuse(TMesure::Quota, "-1", "Quotas < 0",
               "valeur hors limites « -1 » : quota >= 0 (tonnes par période) attendu"),
        Refuse(TMesure::Quota, "1e36", "Quota : Valeur non numérique",
               "valeur hors limites « 1e36 » : nombre trop grand"),
        Refuse(TMesure::Quota, "beaucoup", "Quota : Valeur non numérique",
               "valeur non numérique « beaucoup » (nombre ou off attendu)"),
        Stocke(TMesure::TailleMin, "65535", 65535),
        Refuse(TMesure::TailleMin, "65536", "Taille Minimale > 65535",
               "taille de 1 à 65535 (cm) attendue, trouvé « 65536 »"),
        Refuse(TMesure::TailleMin, "0", "Taille Minimale <= 0",
               "taille de 1 à 65535 (cm) attendue, trouvé « 0 »"),
        Refuse(TMesure::TailleMin, "12.5", "Taille Minimale : Valeur non numérique",
               "nombre entier ou off attendu, trouvé « 12.5 »"),
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(std::string(Mesure(c.Mesure).Nom) + " « " + c.Texte + " »");
        std::vector<std::string> messages;
        const std::vector<float> dialogue = ParLeDialogue(c, messages);
        std::string erreur;
        const std::vector<float> scenario = ParLeScenario(c, erreur);
        if (c.Stockee) {
            EXPECT_EQ(dialogue[static_cast<size_t>(c.Mesure)], *c.Stockee);
            EXPECT_TRUE(messages.empty());
            EXPECT_EQ(erreur, "");
            // The other measures and the mesh actually fished too.
            EXPECT_EQ(testing::PrintToString(dialogue), testing::PrintToString(scenario));
        } else {
            EXPECT_EQ(messages, std::vector<std::string>{c.Message});
            EXPECT_EQ(erreur,
                      "scenario ligne 1: " + std::string(Mesure(c.Mesure).Nom) + " : " + c.Raison);
        }
    }
}

} // namespace
} // namespace vasco::test
