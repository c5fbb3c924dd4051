#include "dataset/UCatalogue.h"

#include "biology/Ubiolo.h"
#include "economics/Ueco.h"
#include "model/UContextes.h"
#include "model/UTraduction.h"
#include "model/Uperiode.h"

#include <algorithm>
#include <iterator>

namespace vasco {

namespace {

constexpr TCouleur Blanc{255, 255, 255};
constexpr TCouleur Cyan{0, 255, 255};
constexpr TCouleur GrisClair{192, 192, 192};
constexpr TCouleur Jaune{255, 255, 0};

using E = TElementGraphe;
using F = TFamilleGraphe;

// In the order of the menu.  The global graphs and those of the métiers
// show the last thirty periods; the species' size graphs the sizes of the
// data file's size axis.
constexpr TLigneGraphe Catalogue[] = {
    {E::Global, CodeBilanCA, CodeBilanBenefice, F::Eco,
     QT_TRANSLATE_NOOP("Modele", "Chiffre d'affaires"), QT_TRANSLATE_NOOP("Modele", "Bénéfice"),
     QT_TRANSLATE_NOOP("Modele", "CA et Coûts flottille"), "", EchelleMonnaie, false, false, Blanc,
     0, 0, AideGlobalCA, "GlobalCAEtBenefices", QT_TRANSLATE_NOOP("Modele", "CA et bénéfices"),
     AideGlobalCA},
    {E::Global, CodeBilanPoidsDebarque, 0, F::Graph,
     QT_TRANSLATE_NOOP("Modele", "Quantités débarquées"), nullptr,
     QT_TRANSLATE_NOOP("Modele", "Quantités débarquées flottille"), "", EchellePoids, false, false,
     Blanc, 0, 0, AideGlobalQuantites, "GlobalQuantites", QT_TRANSLATE_NOOP("Modele", "Quantités"),
     AideGlobalQuantites},
    {E::Global, CodeBilanEffectifs, 0, F::Graph, QT_TRANSLATE_NOOP("Modele", "Effectifs embarqués"),
     nullptr, QT_TRANSLATE_NOOP("Modele", "Effectifs embarqués flottille"), "", EchelleEquipages,
     false, false, Blanc, 0, 0, AideGlobalEffectifs, "GlobalEffectifs",
     QT_TRANSLATE_NOOP("Modele", "Effectifs embarqués"), AideGlobalEffectifs},
    {E::Global, CodeBilanSubventions, 0, F::Graph,
     QT_TRANSLATE_NOOP("Modele", "Subventions moins taxes"), nullptr,
     QT_TRANSLATE_NOOP("Modele", "Subventions / taxes flottille"), "", EchelleMonnaie, true, false,
     Blanc, 2, 0, AideGlobalTaxes, "GlobalTaxes",
     QT_TRANSLATE_NOOP("Modele", "Taxes et subventions "), AideGlobalTaxes},

    {E::Metier, CodeMetierCA, CodeMetierBenefice, F::Eco,
     QT_TRANSLATE_NOOP("Modele", "Chiffre d'affaires"), QT_TRANSLATE_NOOP("Modele", "Bénéfice"),
     QT_TRANSLATE_NOOP("Modele", "CA et bénéfices "), " ", EchelleMonnaie, false, false, Cyan, 0, 0,
     AideMetierCA, "MetierCAEtBenefices",
     QT_TRANSLATE_NOOP("Modele", "CA et bénéfices d'exploitation"), AideMetierCA},
    {E::Metier, CodeMetierPoidsDebarque, 0, F::Graph,
     QT_TRANSLATE_NOOP("Modele", "Quantités débarquées"), nullptr,
     QT_TRANSLATE_NOOP("Modele", "Quantité pêchée "), "", EchellePoids, false, false, Cyan, 0, 0,
     AideMetierQuantites, "MetierQuantites", QT_TRANSLATE_NOOP("Modele", "Quantités"),
     AideMetierQuantites},
    {E::Metier, CodeMetierCAGris, 0, F::Graph, QT_TRANSLATE_NOOP("Modele", "CA gris"), nullptr,
     QT_TRANSLATE_NOOP("Modele", "CA gris "), " ", EchelleMonnaie, false, false, Cyan, 0, 0,
     AideMetierCAGris, "MetierCAGris", QT_TRANSLATE_NOOP("Modele", "CA Gris"), AideMetierCAGris},
    {E::Metier, CodeMetierCANavire, CodeMetierBeneficeNavire, F::Eco,
     QT_TRANSLATE_NOOP("Modele", "Chiffre d'affaires"), QT_TRANSLATE_NOOP("Modele", "Bénéfice"),
     QT_TRANSLATE_NOOP("Modele", "CA et Coûts / navire "), " ", EchelleMonnaieNavire, false, false,
     GrisClair, 0, 0, AideMetierCANavire, "MetierCANavire",
     QT_TRANSLATE_NOOP("Modele", "CA et bénéfices / navire"), AideMetierCANavire},
    {E::Metier, CodeMetierPoidsNavire, 0, F::Graph,
     QT_TRANSLATE_NOOP("Modele", "Quantités débarquées"), nullptr,
     QT_TRANSLATE_NOOP("Modele", "Quantité pêchée / navire "), "", EchellePoidsNavire, false, false,
     GrisClair, 0, 0, AideMetierQuantitesNavire, "MetierQuantitesNavire",
     QT_TRANSLATE_NOOP("Modele", "Quantités / navire"), AideMetierQuantitesNavire},
    {E::Metier, CodeMetierCAGrisNavire, 0, F::Graph, QT_TRANSLATE_NOOP("Modele", "CA gris"),
     nullptr, QT_TRANSLATE_NOOP("Modele", "CA Gris / navire "), " ", EchelleMonnaieNavire, false,
     false, GrisClair, 0, 0, AideMetierCAGrisNavire, "MetierCAGrisNavire",
     QT_TRANSLATE_NOOP("Modele", "CA gris / navire"), AideMetierCAGrisNavire},
    {E::Metier, CodeMetierEffort, 0, F::Graph, QT_TRANSLATE_NOOP("Modele", "Effort de pêche"),
     nullptr, QT_TRANSLATE_NOOP("Modele", "Effort de Pêche "), " ", EchelleEffort, false, false,
     Cyan, 0, 0, AideMetierEffort, "MetierEffort", QT_TRANSLATE_NOOP("Modele", "Effort de pêche"),
     AideMetierEffort},
    {E::Metier, CodeMetierNavires, 0, F::Graph, QT_TRANSLATE_NOOP("Modele", "Navires"), nullptr,
     QT_TRANSLATE_NOOP("Modele", "Nb de Navires "), " ", EchelleNavires, false, false, Cyan, 0, 0,
     AideMetierNavires, "MetierNavires", QT_TRANSLATE_NOOP("Modele", "Nombre de navires"),
     AideMetierNavires},
    {E::Metier, CodeMetierJours, 0, F::Graph, QT_TRANSLATE_NOOP("Modele", "Jours de mer"), nullptr,
     QT_TRANSLATE_NOOP("Modele", "Nb de Jours de mer / Navire "), " ", EchelleJours, false, false,
     Cyan, 0, 0, AideMetierJours, "MetierJoursMer",
     QT_TRANSLATE_NOOP("Modele", "Nb de jours de mer"), AideMetierJours},

    // The catches in numbers carry the topic of the values in their own
    // windows, and the command's topic (catches and discards) on the last.
    {E::EspeceExploitee, CodeCapturesNombres, CodeRejetsNombre, F::Graph2,
     QT_TRANSLATE_NOOP("Modele", "Captures"), QT_TRANSLATE_NOOP("Modele", "Rejets"),
     QT_TRANSLATE_NOOP("Modele", "Captures et rejets "), "", EchelleCapturesNombre, false, false,
     Cyan, 0, 3, AideValeurDebarquements, "MetierCapturesNombres",
     QT_TRANSLATE_NOOP("Modele", "Captures et rejets (nombres)"), AideCapturesRejets},
    {E::EspeceExploitee, CodeCapturesPoids, CodeRejetsPoids, F::Graph2,
     QT_TRANSLATE_NOOP("Modele", "Captures"), QT_TRANSLATE_NOOP("Modele", "Rejets"),
     QT_TRANSLATE_NOOP("Modele", "Captures et rejets (Poids) "), "", EchellePoids, false, false,
     Cyan, 1, 3, AideCapturesRejets, "MetierCapturesPoids",
     QT_TRANSLATE_NOOP("Modele", "Captures et rejets (poids)"), AideCapturesRejets},
    {E::EspeceExploitee, CodeValeurDebarquements, 0, F::Graph,
     QT_TRANSLATE_NOOP("Modele", "Valeur des débarquements"), nullptr,
     QT_TRANSLATE_NOOP("Modele", "Valeur des débarquements "), "", EchelleMonnaie, false, false,
     Cyan, 0, 0, AideValeurDebarquements, "MetierValeurs", QT_TRANSLATE_NOOP("Modele", "Valeurs"),
     AideValeurDebarquements},

    {E::Espece, CodeBiomasse, CodeBiomasseFeconde, F::Graph2,
     QT_TRANSLATE_NOOP("Modele", "Biomasse"), QT_TRANSLATE_NOOP("Modele", "Biomasse féconde"),
     QT_TRANSLATE_NOOP("Modele", "Biomasses : "), "", EchelleBiomasse, false, false, Jaune, 1, 2,
     AideEspeceBiomasses, "EspeceBiomasses", QT_TRANSLATE_NOOP("Modele", "Biomasses"),
     AideEspeceBiomasses},
    {E::Espece, CodeEffectif, CodeCapturesNombre, F::DynaDouble,
     QT_TRANSLATE_NOOP("Modele", "Population"), QT_TRANSLATE_NOOP("Modele", "Captures"),
     QT_TRANSLATE_NOOP("Modele", "Composition en taille (population et captures) : "), "",
     EchelleEffectifsTaille, false, true, Jaune, 1, 0, AideEspeceComposition, "EspeceComposition",
     QT_TRANSLATE_NOOP("Modele", "Composition en tailles (population et  captures)"),
     AideEspeceComposition},
    {E::Espece, CodeBiomasseTaille, CodePoidsCaptures, F::DynaDouble,
     QT_TRANSLATE_NOOP("Modele", "Biomasse"), QT_TRANSLATE_NOOP("Modele", "Captures"),
     QT_TRANSLATE_NOOP("Modele", "Biomasse et captures (poids) par taille "), "",
     EchelleBiomasseTaille, false, true, Jaune, 1, 2, AideEspeceBiomasseTaille,
     "EspeceBiomasseTaille", QT_TRANSLATE_NOOP("Modele", "Biomasse et captures (poids) par taille"),
     AideEspeceBiomasseTaille},
    {E::Espece, CodeCapturesNombreTaille, 0, F::Dyna, QT_TRANSLATE_NOOP("Modele", "Captures"),
     nullptr, QT_TRANSLATE_NOOP("Modele", "Captures (composition en taille) "), "",
     EchelleCapturesTaille, false, true, Jaune, 0, 0, AideEspeceCapturesTaille,
     "EspeceCapturesTaille", QT_TRANSLATE_NOOP("Modele", "Captures (composition en tailles)"),
     AideEspeceCapturesTaille},
    {E::Espece, CodePoidsCapturesTaille, 0, F::Dyna, QT_TRANSLATE_NOOP("Modele", "Captures"),
     nullptr, QT_TRANSLATE_NOOP("Modele", "Captures (Poids) par taille "), "",
     EchellePoidsCapturesTaille, false, true, Jaune, 2, 0, AideEspecePoidsTaille,
     "EspecePoidsTaille", QT_TRANSLATE_NOOP("Modele", "Captures (poids par taille)"),
     AideEspecePoidsTaille},
    {E::Espece, CodeFTaille, 0, F::Dyna, QT_TRANSLATE_NOOP("Modele", "Mortalité par pêche F"),
     nullptr, QT_TRANSLATE_NOOP("Modele", "F selon la taille "), "", EchelleFTaille, false, true,
     Jaune, 2, 0, AideEspeceF, "EspeceF", QT_TRANSLATE_NOOP("Modele", "F selon la taille"),
     AideEspeceF},
};

constexpr TMenuGraphes Menus[] = {
    {"ResultatsGlobaux", QT_TRANSLATE_NOOP("Modele", "Résultats &globaux"), E::Global, -1},
    {"ResultatsMetier", QT_TRANSLATE_NOOP("Modele", "Résultats par &métier"), E::Metier, -1},
    {"ResultatsMetierEspeces", QT_TRANSLATE_NOOP("Modele", "Espèces"), E::EspeceExploitee, 1},
    {"ResultatsEspece", QT_TRANSLATE_NOOP("Modele", "Résultats par &espèce"), E::Espece, -1},
};

// A list as the class its feeder is an operation of; raises on another.
template <class L>
L& ListeDe(TSupListe& liste)
{
    auto* l = dynamic_cast<L*>(&liste);
    if (!l)
        throw ErreurModele("liste sans graphique de cette famille");
    return *l;
}

} // namespace

const char* const NomCouts = QT_TRANSLATE_NOOP("Modele", "Coûts");
const char* const NomPerte = QT_TRANSLATE_NOOP("Modele", "Perte");

std::span<const TLigneGraphe> CatalogueGraphes()
{
    return Catalogue;
}

std::span<const TMenuGraphes> MenusGraphes()
{
    return Menus;
}

const TLigneGraphe* LigneGraphe(TElementGraphe element, uint8_t code)
{
    const auto* ligne =
        std::find_if(std::begin(Catalogue), std::end(Catalogue),
                     [&](const auto& l) { return l.Element == element && l.Code == code; });
    return ligne == std::end(Catalogue) ? nullptr : ligne;
}

// The fields a row does not set keep the block's defaults: black text, one
// series, bars in three dimensions, a read-out while the button is held,
// '+' and '*' markers.
TParamGraphe ParamGraphe(const TLigneGraphe& ligne, const TBD& bd, THote& hote,
                         const std::string& nom)
{
    TParamGraphe p;
    p.Famille = ligne.Famille;
    p.Magneto = hote.Magneto();
    p.Code = ligne.Code;
    p.Code2 = ligne.Code2;
    const float max = bd.EchelleMax.at(ligne.Echelle);
    p.YMin = ligne.Symetrique ? -max / 10 : 0;
    p.YMax = ligne.Symetrique ? max / 10 : max;
    p.XMin = ligne.ParTaille ? bd.TailleGraphe1 : 0;
    p.XMax = ligne.ParTaille ? bd.TailleGraphe2 : FenetrePeriodes - 1;
    p.Titre = Traduire(ligne.Titre) + nom + ligne.Suite;
    p.TitreX = ligne.ParTaille ? "cm" : bd.Titre;
    p.TitreY = bd.EchelleUnite.at(ligne.Echelle);
    p.CouleurFond = ligne.Fond;
    p.Couleur = ligne.Couleur;
    p.Couleur2 = ligne.Couleur2;
    p.Nom = ligne.Nom ? Traduire(ligne.Nom) : "";
    p.Nom2 = ligne.Nom2 ? Traduire(ligne.Nom2) : "";
    if (ligne.Famille == F::Eco) {
        p.NomCouts = Traduire(NomCouts);
        p.NomPerte = Traduire(NomPerte);
    }
    p.AffPeriode = hote.AffichageNumeroPeriode();
    p.Aide = ligne.Aide;
    return p;
}

bool AfficherGraphe(const TLigneGraphe& ligne, TSupListe& liste, const TParamGraphe& param,
                    THote* hote, TContexte* contexte)
{
    switch (ligne.Famille) {
    case F::Graph: return ListeDe<TSupListeFGS>(liste).AfficheGraph(hote, contexte, param);
    case F::Eco: return ListeDe<TSupListeFGS>(liste).AfficheEco(hote, contexte, param);
    case F::Graph2: return ListeDe<TSupListeFGSDouble>(liste).AfficheGraph2(hote, contexte, param);
    case F::Dyna: return ListeDe<TSupListeDyna>(liste).AffDyna(hote, contexte, param);
    case F::DynaDouble:
        return ListeDe<TSupListeDynaDouble>(liste).AffDynaDouble(hote, contexte, param);
    }
    return false;
}

} // namespace vasco
