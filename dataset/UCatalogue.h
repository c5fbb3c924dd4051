// The graph catalogue: every result graph of the program, one row each.
//
// A row holds everything that defines a graph: the element it belongs to
// (the fishery as a whole, a métier, a species fished by a métier, a
// species), its quantity codes, its window family, title, display scale,
// colours and background, whether its X axis is the sizes or the periods,
// its help topic, and the "Visualisations" menu command that opens it.  The
// menu is generated from these rows, every parameter block is built from
// one, and the elements open their graphs through them: adding a graph is
// adding a row.
#pragma once

#include "model/UVue.h"

#include <span>
#include <string>

namespace vasco {

struct TLigneGraphe {
    TElementGraphe Element;
    uint8_t Code;
    uint8_t Code2; // the second series; 0 for one series
    TFamilleGraphe Famille;
    // The names of the quantities of Code and Code2 (null for one series):
    // the one name of each series, which the window's legend, its table of
    // values and its CSV columns all show.
    const char* Nom;
    const char* Nom2;
    // The window title: Titre, then the element's name ("métier espèce"
    // for a species fished by a métier), then Suite.
    const char* Titre;
    const char* Suite;
    int Echelle;
    bool Symetrique; // Y from -max/10 to max/10, else from 0 to max
    bool ParTaille;  // the size classes on X, else the last periods
    TCouleur Fond;
    uint8_t Couleur;
    uint8_t Couleur2;
    int Aide; // the window's help topic
    // The menu command: object name, caption, and its help topic, which
    // the last window the command opens carries.
    const char* Commande;
    const char* Libelle;
    int AideCommande;
};

// A submenu of "Visualisations": its object name, caption, the element its
// commands open graphs of, and its parent (-1: the menu itself).  The rows
// of an element follow in catalogue order, then the submenus under it.
struct TMenuGraphes {
    const char* Nom;
    const char* Libelle;
    TElementGraphe Element;
    int Parent;
};

std::span<const TLigneGraphe> CatalogueGraphes();

// What the economic family paints besides its two quantities: the costs
// (turnover less profit) and, in a period at a loss, the loss.
extern const char* const NomCouts;
extern const char* const NomPerte;
std::span<const TMenuGraphes> MenusGraphes();

// The row of an element's graph code, or null.
const TLigneGraphe* LigneGraphe(TElementGraphe element, uint8_t code);

// The parameter block of a row for the element named nom.
TParamGraphe ParamGraphe(const TLigneGraphe& ligne, const TBD& bd, THote& hote,
                         const std::string& nom);

// Hands the block to the list's feeder of the row's family; false when no
// window was opened (the feeder has said why).  Raises when the list is not
// of the class the family needs.
bool AfficherGraphe(const TLigneGraphe& ligne, TSupListe& liste, const TParamGraphe& param,
                    THote* hote, TContexte* contexte);

} // namespace vasco
