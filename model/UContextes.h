// Help contexts: the topic numbers of the help file, by what they explain.
//
// Every window, menu item, dialog and graph carries one of these in its
// help property; F1 opens the topic of the nearest one.  The numbers are
// those of the topics in Vasco.hlp and never change: a test checks that
// each of them has its topic.
#pragma once

namespace vasco {

// The name of the property that carries an object's help context.
inline constexpr const char* ProprieteAide = "ContexteAide";

enum TContexteAide : int {
    AideSommaire = 0,
    AideCommentJouer = 1,
    AideModele = 2,
    AideMagneto = 3,

    // Dialogs and their fields.
    AideBoutonConditionsMetier = 16,
    AideBilan60 = 23,
    AideConditionsEspece = 24,
    AideConditionsMetier = 25,
    AideRepression = 26,
    AideMaillage = 27,
    AideJoursMer = 28,
    AideNavires = 29,
    AideSubventionAn = 30,
    AideSubventionJourMer = 31,
    AideTaxeCA = 32,

    // Menus and their commands.
    AideMenuAide = 97,
    AideMenuConditions = 98,
    AideMenuFenetres = 99,
    AideMenuFichier = 100,
    AideChoixFichier = 101,
    AideEnregistrerGraphique = 102,
    AideQuitter = 103,
    AideReutiliser = 104,
    AideMenuOptions = 105,
    AideConcours = 106,
    AideCroissanceAleatoire = 107,
    AideRecrutementAleatoire = 108,
    AideMenuSimulations = 109,
    AideMenuVisualisations = 110,
    AideEnregistrerPartie = 111,
    AideOuvrirPartie = 112,
    AideComparerParties = 113,
    AideRetirerComparaison = 114,

    // Result graphs.
    AideGlobalCA = 127,
    AideGlobalEffectifs = 128,
    AideGlobalQuantites = 129,
    AideGlobalTaxes = 130,
    AideEspeceBiomasseTaille = 131,
    AideEspeceBiomasses = 132,
    AideEspeceCapturesTaille = 133,
    AideEspecePoidsTaille = 134,
    AideEspeceComposition = 135,
    AideEspeceF = 136,
    AideMetierCANavire = 137,
    AideMetierCA = 138,
    AideMetierCAGris = 139,
    AideMetierCAGrisNavire = 140,
    AideMetierEffort = 141,
    AideCapturesRejets = 142,
    AideValeurDebarquements = 143,
    AideMetierJours = 144,
    AideMetierNavires = 145,
    AideMetierQuantitesNavire = 146,
    AideMetierQuantites = 147,

    // The bio-economic diagram, its command and its two windows.
    AideDiagramme = 150,

    // Graph windows by family, until a command gives them their own topic.
    AideGrapheDyna = 1862,
    AideGrapheDynaDouble = 18604,
    AideGrapheEco = 18608,
    AideGraphe = 182162,
};

// Every context above, for the test that finds each one in the help file.
inline constexpr TContexteAide ContextesAide[] = {
    AideSommaire, AideCommentJouer, AideModele, AideMagneto, AideBoutonConditionsMetier,
    AideBilan60, AideConditionsEspece, AideConditionsMetier, AideRepression, AideMaillage,
    AideJoursMer, AideNavires, AideSubventionAn, AideSubventionJourMer, AideTaxeCA,
    AideMenuAide, AideMenuConditions, AideMenuFenetres, AideMenuFichier, AideChoixFichier,
    AideEnregistrerGraphique, AideQuitter, AideReutiliser, AideMenuOptions, AideConcours,
    AideCroissanceAleatoire, AideRecrutementAleatoire, AideMenuSimulations,
    AideMenuVisualisations, AideEnregistrerPartie, AideOuvrirPartie,
    AideComparerParties, AideRetirerComparaison, AideGlobalCA, AideGlobalEffectifs, AideGlobalQuantites,
    AideGlobalTaxes, AideEspeceBiomasseTaille, AideEspeceBiomasses, AideEspeceCapturesTaille,
    AideEspecePoidsTaille, AideEspeceComposition, AideEspeceF, AideMetierCANavire, AideMetierCA,
    AideMetierCAGris, AideMetierCAGrisNavire, AideMetierEffort, AideCapturesRejets,
    AideValeurDebarquements, AideMetierJours, AideMetierNavires, AideMetierQuantitesNavire,
    AideMetierQuantites, AideDiagramme, AideGrapheDyna, AideGrapheDynaDouble, AideGrapheEco, AideGraphe,
};

} // namespace vasco
