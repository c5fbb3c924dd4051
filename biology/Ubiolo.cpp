// Placeholder until the biology lands.
#include "biology/Ubiolo.h"
namespace vasco {
TEspece::TEspece(TLecteur& lecteur, TContexte&) { Nom = lecteur.LireChaine("nom"); }
void TEspece::Faire(uint8_t, TContexte*) {}
void TEspece::FaireDans(THote*, uint8_t, TContexte*) {}
void TEspece::Inscrire(TContexte& c) { c.Fixer(1, this); }
TPeriodeES& TEspece::Courant() const { return Periodes.DernierElement<TPeriodeES>(); }
int TEspece::NbClasses() const { return 0; }
int32_t TEspece::PremiereClasse() const { return 0; }
}
