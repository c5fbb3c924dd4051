// Placeholder until the economics lands.
#include "economics/Ueco.h"
namespace vasco {
TMetierEco::TMetierEco(TLecteur& lecteur, TContexte&) { Nom = lecteur.LireChaine("nom"); }
void TMetierEco::Faire(uint8_t, TContexte*) {}
void TMetierEco::FaireDans(THote*, uint8_t, TContexte*) {}
void TMetierEco::Inscrire(TContexte& c) { c.Fixer(1, this); }
}
