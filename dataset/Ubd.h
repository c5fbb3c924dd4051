// The data set: the fishery read from a data file, and the period step.
//
// It owns the species, the métiers and the period balances, holds the global
// values of the file (periods per year, axis title, display scales) and drives
// one simulated period by sending numbered phases to its lists in a fixed
// order.  Every element reaches it through slot 0 of the context list.
#pragma once

#include "dataset/UCatalogue.h"
#include "dataset/UMesures.h"
#include "model/UVue.h"
#include "model/Ulecteur.h"

#include <array>
#include <filesystem>
#include <vector>

namespace vasco {

// One simulated period as a game file needs it: the generator's state before
// and after it, and the random options it ran with.
struct TPasJournal {
    uint32_t EtatAvant = 0;
    uint32_t EtatApres = 0;
    bool Recrutement = false;
    bool Croissance = false;
};

// What the history of a game holds beyond its records: the seed and options
// of the load, the measures as the data file set them, and one entry per
// simulated period (a step back drops the last).
struct TJournalPartie {
    uint32_t Graine = 0; // the generator's state when the load began
    bool Recrutement = false;
    bool Croissance = false;
    uint32_t EtatCharge = 0; // after the load (the virgin stocks may draw)
    std::vector<TValeursMesures> Metiers;
    std::vector<TValeursMesures> Especes;
    std::vector<TPasJournal> Pas;
};

// What a menu command opened: the number of windows, and the help topic
// of the last one.
struct TOuvertures {
    int Nombre = 0;
    int Aide = 0;
};

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
    // A game is replayed with a host of its own, then handed to the window.
    void FixerHote(THote* hote) { hote_ = hote ? hote : &hoteParDefaut_; }
    TELaNom* EspeceNommee(const std::string& nom) const override;
    TPeriodeBilan& BilanEnCours() const override;
    bool GrapheDe(TElementGraphe element, uint8_t code) const override;
    bool OuvrirGrapheElement(TElementGraphe element, TSupListe& liste, uint8_t code,
                             const std::string& nom, THote* fenetre, TContexte* contexte) override;

    // The menu command of a catalogue row: one window for a global graph,
    // one per element otherwise, the command's help topic on the last one.
    TOuvertures OuvrirGraphes(const TLigneGraphe& ligne, THote& hote);

    // Reads a whole data file; a read error ends the load and passes to the
    // caller, which must then discard this data set.
    void Charger(TLecteur& lecteur);
    void Charger(const std::filesystem::path& chemin);

    void Pas();
    void PasEnArriere();

    TJournalPartie Journal;

    // Simulated periods, and the elapsed years.
    int NbPeriodes() const { return Bilans.Nombre(); }
    double AnneesEcoulees() const;

private:
    void NoterMesuresChargees();

    THoteSansFenetre hoteParDefaut_;
    THote* hote_;
};

} // namespace vasco
