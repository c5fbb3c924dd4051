// What the economics tests share: a test fishery of tests/data, the métiers
// and exploited species reached by position, the phases run by hand and the
// accounts of a condition or a catch record compared all at once.
#pragma once

#include "biology/Ubiolo.h"
#include "economics/Ueco.h"
#include "dataset/Ubd.h"
#include "tests/support/Support.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace vasco::test {

inline TMetierEco& Metier(const TBDVasco& bd, int i)
{
    return bd.Metiers.A<TMetierEco>(i);
}

inline TEspeceExp& Exploitee(const TBDVasco& bd, int metier, int espece)
{
    return Metier(bd, metier).EspecesExploitees.A<TEspeceExp>(espece);
}

// The catch record of the open period.
inline TPeriodeMS& Ouvert(const TEspeceExp& x)
{
    return x.PeriodesMS.DernierElement<TPeriodeMS>();
}

// The métiers' fishing mortality of the period, over the species' cleared F.
inline void Mortalites(TBDVasco& bd)
{
    bd.Especes.Faire(PhaseMortalite, &bd.Contexte);
    bd.Metiers.Faire(PhaseMortalite, &bd.Contexte);
}

// The measures of a condition: effective mesh, days at sea, vessels,
// regulated mesh, subsidies per period and per day at sea, tax rate and
// repression.
using MesuresCondition = std::array<float, 8>;

inline MesuresCondition Mesures(const TCondition& c)
{
    return {c.MaillageEffectif,  c.NbJours,           c.NbNavires,  c.MaillageReglementaire,
            c.SubventionPeriode, c.SubventionJourMer, c.TauxTaxeCA, c.IndiceRepression};
}

// Weights (kg), values and balances of a condition; {} for all 0.
struct ComptesCondition {
    float PoidsDebarque, PoidsRejete, CA, CAGris, BilanMarginal, Benefice, SubventionsNettes;
};

inline void Attendre(const TCondition& c, const ComptesCondition& a)
{
    EXPECT_FLOAT_EQ(c.PoidsDebarque, a.PoidsDebarque);
    EXPECT_FLOAT_EQ(c.PoidsRejete, a.PoidsRejete);
    EXPECT_FLOAT_EQ(c.CA, a.CA);
    EXPECT_FLOAT_EQ(c.CAGris, a.CAGris);
    EXPECT_FLOAT_EQ(c.BilanMarginal, a.BilanMarginal);
    EXPECT_FLOAT_EQ(c.Benefice, a.Benefice);
    EXPECT_FLOAT_EQ(c.SubventionsNettes, a.SubventionsNettes);
}

// Numbers, weights (kg) and values of a catch record; {} for all 0.
struct ComptesCaptures {
    float NbDebarques, NbRejetes, PoidsDebarque, PoidsRejete, Valeur, ValeurGrise, Taxe;
};

inline void Attendre(const TPeriodeMS& r, const ComptesCaptures& a)
{
    EXPECT_FLOAT_EQ(r.NbDebarques, a.NbDebarques);
    EXPECT_FLOAT_EQ(r.NbRejetes, a.NbRejetes);
    EXPECT_FLOAT_EQ(r.PoidsDebarque, a.PoidsDebarque);
    EXPECT_FLOAT_EQ(r.PoidsRejete, a.PoidsRejete);
    EXPECT_FLOAT_EQ(r.Valeur, a.Valeur);
    EXPECT_FLOAT_EQ(r.ValeurGrise, a.ValeurGrise);
    EXPECT_FLOAT_EQ(r.Taxe, a.Taxe);
}

// A data set with a recording host, loaded from tests/data by the test.  No
// guard may speak: a test that expects messages takes them with Effacer().
class Pecherie : public ::testing::Test {
protected:
    void Charger(const char* fichier) { bd.Charger(FichierTest(fichier)); }
    void TearDown() override { EXPECT_EQ(messages.Textes(), std::vector<std::string>{}); }

    Messages messages;
    HoteEnregistreur hote;
    TBDVasco bd{&hote};
};

} // namespace vasco::test
