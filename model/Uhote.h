// The host: the main window as the model sees it.
//
// The model never creates a window.  It reads the options of the "Options"
// menu at the moment it needs them, tells the step control where the last
// period is, and asks for a graph window by handing over one parameter block.
// The program implements this with its main window, the tests with a
// recording double and vasco-batch with THoteSansFenetre.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vasco {

class TSupListe;
class TContexte;

struct TCouleur {
    uint8_t R = 0, G = 0, B = 0;
    friend bool operator==(const TCouleur&, const TCouleur&) = default;
};

// The step control, as the graphs read it: its position selects the periods
// a graph shows.
class TMagnetoBase {
public:
    virtual ~TMagnetoBase() = default;
    virtual int32_t PositionCourante() const = 0;
};

// How a graph window draws its series: markers, a curve, or bars in two or
// three dimensions.  The values are those of the parameter block.
enum class TTypeGraphe : uint8_t { Points = 0, Courbe = 1, Histo2D = 2, Histo3D = 3 };

// The five window families that the list feeders open.
enum class TFamilleGraphe { Graph, Eco, Graph2, Dyna, DynaDouble };

// Everything a feeder hands to a new graph window.  Each family reads the
// fields its transfer operation takes and ignores the others.
struct TParamGraphe {
    TFamilleGraphe Famille = TFamilleGraphe::Graph;
    TSupListe* Liste = nullptr;
    TContexte* Contexte = nullptr;
    TMagnetoBase* Magneto = nullptr;
    uint8_t Code = 0;
    uint8_t Code2 = 0;
    float YMin = 0;
    float YMax = 0;
    int32_t XMin = 0;
    int32_t XMax = 0;
    uint8_t NbSeries = 1;
    uint8_t Serie = 1;
    std::string Titre;
    std::string TitreX;
    std::string TitreY;
    TCouleur CouleurFond;
    TCouleur CouleurTexte;
    // The read-out follows the pointer only while the left button is held.
    bool LectureClic = true;
    uint8_t Couleur = 0;
    uint8_t Couleur2 = 0;
    TTypeGraphe Type = TTypeGraphe::Histo3D;
    char Marque = '+';
    char Marque2 = '*';
    uint8_t CodeListe = 0;
    // The names of the series of Code and Code2, in the language spoken;
    // the economic family also names the costs and the loss it paints.
    std::string Nom, Nom2, NomCouts, NomPerte;
    // The period number is written in the window.
    bool AffPeriode = true;
    // A band under the title names each series beside its colour.
    bool Legende = true;
    // The help context the new window carries.
    int Aide = 0;
};

class THote {
public:
    virtual ~THote() = default;

    virtual bool RecrutementAleatoire() const = 0;
    virtual bool CroissanceAleatoire() const = 0;
    virtual bool AffichageNumeroPeriode() const = 0;
    // Sets the two random options, as a game being replayed changes them.
    virtual void FixerAleatoire(bool recrutement, bool croissance) = 0;

    // The step control, or none.
    virtual TMagnetoBase* Magneto() = 0;
    // Step 10 of a period and step 4 of a step back: the index of the last
    // simulated period (-1 when none is left).
    virtual void DernierePeriode(int32_t index) = 0;

    // Opens a graph window; raises when the window cannot be created.
    virtual void OuvrirGraphe(const TParamGraphe& param) = 0;
    // Gives the newest graph window its help context.
    virtual void ContexteAideDernier(int contexte) = 0;
};

// A host without windows: options set by hand, graphs ignored.  Used by
// vasco-batch and as the default host of a data set.
class THoteSansFenetre : public THote {
public:
    bool Recrutement = false;
    bool Croissance = false;
    bool NumeroPeriode = true;
    int32_t Dernier = -1;

    bool RecrutementAleatoire() const override { return Recrutement; }
    bool CroissanceAleatoire() const override { return Croissance; }
    bool AffichageNumeroPeriode() const override { return NumeroPeriode; }
    void FixerAleatoire(bool recrutement, bool croissance) override
    {
        Recrutement = recrutement;
        Croissance = croissance;
    }
    TMagnetoBase* Magneto() override { return nullptr; }
    void DernierePeriode(int32_t index) override { Dernier = index; }
    void OuvrirGraphe(const TParamGraphe&) override {}
    void ContexteAideDernier(int) override {}
};

// A host that hands everything to another; a subclass answers itself what
// it overrides (the options of a session, a count of the windows opened).
class THoteRelais : public THote {
public:
    explicit THoteRelais(THote& hote) : hote_(hote) {}

    bool RecrutementAleatoire() const override { return hote_.RecrutementAleatoire(); }
    bool CroissanceAleatoire() const override { return hote_.CroissanceAleatoire(); }
    bool AffichageNumeroPeriode() const override { return hote_.AffichageNumeroPeriode(); }
    void FixerAleatoire(bool recrutement, bool croissance) override
    {
        hote_.FixerAleatoire(recrutement, croissance);
    }
    TMagnetoBase* Magneto() override { return hote_.Magneto(); }
    void DernierePeriode(int32_t index) override { hote_.DernierePeriode(index); }
    void OuvrirGraphe(const TParamGraphe& param) override { hote_.OuvrirGraphe(param); }
    void ContexteAideDernier(int contexte) override { hote_.ContexteAideDernier(contexte); }

private:
    THote& hote_;
};

} // namespace vasco
