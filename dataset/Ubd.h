// The data set: the fishery read from a data file, and the period step.
//
// It owns the species, the métiers and the period balances, holds the global
// values of the file (periods per year, axis title, display scales) and drives
// one simulated period by sending numbered phases to its lists in a fixed
// order.  Every element reaches it through slot 0 of the context list.
#pragma once

#include "dataset/UCatalogue.h"
#include "model/UVue.h"
#include "model/Ulecteur.h"

#include <array>
#include <filesystem>

namespace vasco {

class TBDVasco : public TBD {
public:
    // The host is the main window (or a double); it must outlive the data
    // set.  Without one, a host without windows with every option off.
    explicit TBDVasco(THote* hote = nullptr);
    ~TBDVasco() override;

    // Members are destroyed in reverse order: the métiers first (they refer
    // to species), then the species, then the balances.
    TSupListeFGS Bilans;
    TSupListe Especes;
    TSupListe Metiers;

    THote* Hote() const override { return hote_; }
    TELaNom* EspeceNommee(const std::string& nom) const override;
    TPeriodeBilan& BilanEnCours() const override;
    bool GrapheDe(TElementGraphe element, uint8_t code) const override;
    bool OuvrirGrapheElement(TElementGraphe element, TSupListe& liste, uint8_t code,
                             const std::string& nom, THote* fenetre, TContexte* contexte) override;

    // The graph windows the elements opened since the count was last
    // cleared: a menu command counts what it opened.
    TOuvertures Ouvertures;

    // Reads a whole data file; a read error ends the load and passes to the
    // caller, which must then discard this data set.
    void Charger(TLecteur& lecteur);
    void Charger(const std::filesystem::path& chemin);

    void Pas();
    void PasEnArriere();

    // Simulated periods, and the elapsed years.
    int NbPeriodes() const { return Bilans.Nombre(); }
    double AnneesEcoulees() const;

private:
    THoteSansFenetre hoteParDefaut_;
    THote* hote_;
};

} // namespace vasco
