// Measures entered through the dialogs act on the next periods exactly as
// the same measures given to vasco-batch: a quota that binds, a minimum
// landing size, a regulated mesh with its enforcement.

#include "biology/Ubiolo.h"
#include "economics/Ueco.h"
#include "model/Uperiode.h"
#include "tests/dialogs/Outils.h"

#include <gtest/gtest.h>
#include <map>

namespace vasco::test {
namespace {

// The columns vasco-batch writes for period p, read from the window's data
// set the same way.
std::map<std::string, float> Colonnes(const TBDVasco& bd, int p)
{
    std::map<std::string, float> v;
    const auto& b = bd.Bilans.A<TPeriodeBilan>(p - 1);
    v["PoidsDebarque"] = b.PoidsDebarque;
    v["PoidsRejete"] = b.PoidsRejete;
    v["CA"] = b.CA;
    v["CAGris"] = b.CAGris;
    v["Benefice"] = b.Benefice;
    v["SubventionsNettes"] = b.SubventionsNettes;
    v["Effectifs"] = b.Effectifs;
    for (int i = 0; i < bd.Especes.Nombre(); ++i) {
        const auto& e = bd.Especes.A<TEspece>(i);
        const auto& z = e.Periodes.A<TPeriodeES>(p - 1);
        long double captures = 0;
        for (int t = 0; t < z.Tailles.Nombre(); ++t)
            captures += z.Tailles.A<TTailleES>(t).PoidsCaptures;
        v[e.Nom + ":Biomasse"] = z.Biomasse;
        v[e.Nom + ":BiomasseFeconde"] = z.BiomasseFeconde;
        v[e.Nom + ":PoidsCaptures"] = static_cast<float>(captures);
    }
    for (int i = 0; i < bd.Metiers.Nombre(); ++i) {
        const auto& m = bd.Metiers.A<TMetierEco>(i);
        const auto& c = m.Conditions.A<TCondition>(p - 1);
        v[m.Nom + ":CA"] = c.CA;
        v[m.Nom + ":Benefice"] = c.Benefice;
        v[m.Nom + ":PoidsDebarque"] = c.PoidsDebarque;
        v[m.Nom + ":PoidsRejete"] = c.PoidsRejete;
        v[m.Nom + ":CAGris"] = c.CAGris;
    }
    return v;
}

TEST(MesuresDesDialogues, PeriodesSuivantesCommeVascoBatch)
{
    auto fenetre = FenetreChargee();
    Messages messages;
    Script script;
    script.Installer(*fenetre);
    script << Saisir({{"txRepression", "50"}}, "BtOK")
           << Saisir({{"txMaillage", "80"}, {"txRepression", "90"}}, "BtOK") << Cliquer("BtAnnuler")
           << Cliquer("BtAnnuler");
    fenetre->ModificationdesconditionsMetierClick();
    script << Cocher({"QuotasCheckBox"}, {{"txQuotas", "200"}}, "btOk")
           << Cocher({"TailleMinCheckBox"}, {{"txTailleMin", "24"}}, "btOk")
           << Cliquer("BtAnnuler");
    fenetre->ModificationdesConditionsEspeceClick();
    EXPECT_TRUE(script.Fini());
    EXPECT_TRUE(messages.Textes().empty());

    constexpr int Periodes = 3;
    for (int p = 0; p < Periodes; ++p)
        fenetre->Donnees()->Pas();

    const Csv mesures = LancerBatch("golfe.vsc",
                                    "0;metier;Chalutiers hauturiers;repression;50\n"
                                    "0;metier;Chalutiers langoustiniers;maillage;80\n"
                                    "0;metier;Chalutiers langoustiniers;repression;90\n"
                                    "0;espece;Merlu;quota;200\n"
                                    "0;espece;Sole;taille_min;24\n",
                                    Periodes);
    const Csv sans = LancerBatch("golfe.vsc", "", Periodes);
    ASSERT_EQ(mesures.Lignes.size(), size_t(Periodes));
    for (int p = 1; p <= Periodes; ++p)
        for (const auto& [colonne, valeur] : Colonnes(*fenetre->Donnees(), p))
            EXPECT_EQ(valeur, static_cast<float>(mesures.Valeur(p, colonne)))
                << colonne << ", période " << p;

    // The measures bite: the merlu quota is exceeded by the offshore
    // trawlers, whose excess is half discarded, half sold on the grey market;
    // undersized sole is sold on the grey market by the netters, whom no
    // repression watches; the wider mesh spares small fish.
    EXPECT_EQ(sans.Valeur(1, "Chalutiers hauturiers:PoidsRejete"), 0);
    EXPECT_GT(mesures.Valeur(1, "Chalutiers hauturiers:PoidsRejete"), 0);
    EXPECT_GT(mesures.Valeur(1, "Chalutiers hauturiers:CAGris"), 0);
    EXPECT_EQ(sans.Valeur(1, "Fileyeurs:CAGris"), 0);
    EXPECT_GT(mesures.Valeur(1, "Fileyeurs:CAGris"), 0);
    EXPECT_LT(mesures.Valeur(1, "Chalutiers langoustiniers:PoidsDebarque"),
              sans.Valeur(1, "Chalutiers langoustiniers:PoidsDebarque"));
}

} // namespace
} // namespace vasco::test
