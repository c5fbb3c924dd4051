// The species condition dialog driven for real: check boxes that show and
// hide their edits, refusals and their codes, values kept or cleared.

#include "biology/Ubiolo.h"
#include "dialogs/UCEspece.h"
#include "tests/dialogs/Outils.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace vasco::test {
namespace {

using Textes = std::vector<std::string>;

TPeriodeES& Etat(TFenetreMere& f, int espece)
{
    return f.Donnees()->Especes.A<TEspece>(espece).Courant();
}

bool Visible(const Affichage& a, const char* nom)
{
    return std::find(a.Visibles.begin(), a.Visibles.end(), nom) != a.Visibles.end();
}

TEST(ConditionEspece, CasesQuiMontrentEtCachentLeurChamp)
{
    TConditionEspece d;
    d.show();
    // A dialog border: not resizable, ticking a box does not move it.
    const QSize taille = d.size();
    EXPECT_EQ(d.minimumSize(), d.maximumSize());
    EXPECT_FALSE(d.txQuotas->isVisible());
    EXPECT_EQ(d.txQuotas->focusPolicy(), Qt::NoFocus);
    d.QuotasCheckBox->click();
    EXPECT_TRUE(d.QuotaCoche);
    EXPECT_TRUE(d.txQuotas->isVisible());
    EXPECT_EQ(d.focusWidget(), d.txQuotas);
    EXPECT_EQ(d.txQuotas->focusPolicy(), Qt::StrongFocus);
    d.QuotasCheckBox->click();
    EXPECT_FALSE(d.QuotaCoche);
    EXPECT_FALSE(d.txQuotas->isVisible());
    // Set from code, the box runs its handler too.
    d.TailleMinCheckBox->setChecked(true);
    EXPECT_TRUE(d.TailleMinCochee);
    EXPECT_TRUE(d.txTailleMin->isVisible());
    EXPECT_EQ(d.size(), taille);
    EXPECT_EQ(d.txQuotas->toolTip(), "Entrer la valeur du quotas pour la période");
    EXPECT_EQ(d.property("ContexteAide").toInt(), 24);
    d.reject();
    EXPECT_EQ(d.focusWidget(), d.btOk);
}

// Golfe.vsc: Merlu, Sole, Langoustine, no measure in force at load.
TEST(ConditionEspece, QuotaEtTailleMinimaleRefusesPuisAcceptes)
{
    auto fenetre = FenetreChargee();
    Messages messages;
    Script script;
    script.Installer(*fenetre);
    // Merlu: the ticked quota still holds "-1"; then a quota with a size of
    // -3; then the first size that does not fit 16 bits; then the last that
    // does.
    script << Cocher({"QuotasCheckBox"}, {}, "btOk")
           << Cocher({"TailleMinCheckBox"}, {{"txQuotas", "200"}, {"txTailleMin", "-3"}}, "btOk")
           << Saisir({{"txTailleMin", "65536"}}, "btOk")
           << Saisir({{"txTailleMin", "65535"}}, "btOk")
           // Sole: neither entry is a number.
           << Cocher({"QuotasCheckBox", "TailleMinCheckBox"},
                     {{"txQuotas", "nan"}, {"txTailleMin", "abc"}}, "btOk")
           << Cliquer("btOk")
           // Langoustine: cancelled at once.
           << Cliquer("BtAnnuler");
    fenetre->ModificationdesConditionsEspeceClick();
    EXPECT_TRUE(script.Fini());

    EXPECT_EQ(messages.Textes(),
              (Textes{"Quotas < 0", "Taille Minimale <= 0", "Taille Minimale > 65535",
                      "Quota : Valeur non numérique", "Taille Minimale : Valeur non numérique"}));
    const auto& vus = script.Vus;
    ASSERT_EQ(vus.size(), 7u);
    EXPECT_EQ(vus[0].Titre, "Conditions Espece :Merlu");
    EXPECT_EQ(vus[0].Focus, "btOk");
    EXPECT_FALSE(vus[0].Cases.at("QuotasCheckBox"));
    EXPECT_FALSE(Visible(vus[0], "txQuotas"));
    EXPECT_EQ(vus[0].Textes.at("txQuotas"), "-1");
    EXPECT_EQ(vus[0].Textes.at("txTailleMin"), "0");
    // "Quotas < 0" puts the quota in force with its old value, asked again.
    EXPECT_TRUE(vus[1].Cases.at("QuotasCheckBox"));
    EXPECT_EQ(vus[1].Textes.at("txQuotas"), "       0");
    EXPECT_EQ(vus[1].Focus, "txQuotas");
    EXPECT_EQ(vus[2].Focus, "txTailleMin");
    EXPECT_EQ(vus[2].Textes.at("txQuotas"), "     200");
    EXPECT_EQ(vus[2].Textes.at("txTailleMin"), "  0");
    EXPECT_EQ(vus[3].Focus, "txTailleMin");
    EXPECT_EQ(vus[4].Titre, "Conditions Espece :Sole");
    // Not numbers: both measures lifted, shown unticked and hidden.
    EXPECT_FALSE(vus[5].Cases.at("QuotasCheckBox"));
    EXPECT_FALSE(vus[5].Cases.at("TailleMinCheckBox"));
    EXPECT_FALSE(Visible(vus[5], "txQuotas"));
    EXPECT_EQ(vus[5].Focus, "btOk");

    const TPeriodeES& merlu = Etat(*fenetre, 0);
    EXPECT_EQ(merlu.QuotaActif, 1);
    EXPECT_FLOAT_EQ(merlu.Quota, 200000);
    EXPECT_EQ(merlu.TailleMinActive, 1);
    EXPECT_EQ(merlu.TailleMin, 65535);
    const TPeriodeES& sole = Etat(*fenetre, 1);
    EXPECT_EQ(sole.QuotaActif, 0);
    EXPECT_FLOAT_EQ(sole.Quota, -1000);
    EXPECT_EQ(sole.TailleMinActive, 0);
    EXPECT_EQ(sole.TailleMin, 0);
    EXPECT_EQ(Etat(*fenetre, 2).QuotaActif, 0);
    EXPECT_EQ(Etat(*fenetre, 2).TailleMinActive, 0);
}

TEST(ConditionEspece, MesureLeveeGardeSaValeur)
{
    auto fenetre = FenetreChargee();
    TPeriodeES& merlu = Etat(*fenetre, 0);
    merlu.TailleMinActive = 1;
    merlu.TailleMin = 27;
    merlu.QuotaActif = 1;
    merlu.Quota = 150000;
    Messages messages;
    Script script;
    script.Installer(*fenetre);
    script << Cocher({"TailleMinCheckBox", "QuotasCheckBox"}, {}, "btOk") << Cliquer("BtAnnuler")
           << Cliquer("BtAnnuler");
    fenetre->ModificationdesConditionsEspeceClick();
    EXPECT_TRUE(messages.Textes().empty());
    EXPECT_EQ(merlu.TailleMinActive, 0);
    EXPECT_EQ(merlu.TailleMin, 27);
    EXPECT_EQ(merlu.QuotaActif, 0);
    EXPECT_FLOAT_EQ(merlu.Quota, 150000);

    // Ticked again later: the size comes back, the quota must be typed again.
    script << Cocher({"TailleMinCheckBox", "QuotasCheckBox"}, {}, "btOk")
           << Saisir({{"txQuotas", "12.5"}}, "btOk") << Cliquer("BtAnnuler")
           << Cliquer("BtAnnuler");
    fenetre->ModificationdesConditionsEspeceClick();
    EXPECT_EQ(messages.Textes(), Textes{"Quotas < 0"});
    EXPECT_EQ(merlu.TailleMinActive, 1);
    EXPECT_EQ(merlu.TailleMin, 27);
    EXPECT_EQ(merlu.QuotaActif, 1);
    EXPECT_FLOAT_EQ(merlu.Quota, 12500);
}

} // namespace
} // namespace vasco::test
