#include "graphs/UFamilles.h"

#include "graphs/UFGDyna.h"
#include "graphs/UFGDynaDouble.h"
#include "graphs/UFGSDouble.h"
#include "graphs/UFGSEco.h"
#include "model/Umessages.h"

namespace vasco {

std::unique_ptr<TFG> CreerGraphe(TFamilleGraphe famille)
{
    switch (famille) {
    case TFamilleGraphe::Graph: return std::make_unique<TFG>();
    case TFamilleGraphe::Eco: return std::make_unique<TFGSEco>();
    case TFamilleGraphe::Graph2: return std::make_unique<TFGSDouble>();
    case TFamilleGraphe::Dyna: return std::make_unique<TFGDyna>();
    case TFamilleGraphe::DynaDouble: return std::make_unique<TFGDynaDouble>();
    }
    throw ErreurModele("famille de graphique inconnue");
}

} // namespace vasco
