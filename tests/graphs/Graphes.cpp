#include "Graphes.h"

namespace vasco::test {

TParamGraphe Param(TSupListe& liste, float yMin, float yMax, TTypeGraphe type)
{
    TParamGraphe p;
    p.Liste = &liste;
    p.Code = CodeA;
    p.Code2 = CodeB;
    p.YMin = yMin;
    p.YMax = yMax;
    p.XMin = 0;
    p.XMax = 0;
    p.Titre = "Essai";
    p.TitreX = "Périodes";
    p.TitreY = "tonnes";
    p.CouleurFond = {255, 255, 255};
    p.CouleurTexte = {0, 0, 0};
    p.LectureClic = false;
    p.Couleur = 0;
    p.Couleur2 = 1;
    p.Type = type;
    p.AffPeriode = false;
    p.Nom = "Série A";
    p.Nom2 = "Série B";
    p.NomCouts = "Coûts";
    p.NomPerte = "Perte";
    // The pixels of the plot are measured without the legend's band.
    p.Legende = false;
    return p;
}

} // namespace vasco::test
