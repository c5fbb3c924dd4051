// The bio-economic diagram in the main window: the command of the
// "Visualisations" menu, its two windows, and the equilibrium computed in
// the background.
//
// The equilibrium (dataset/UEquilibre.h) runs the data file's bytes under
// the measures in force, written as scenario lines (dataset/UDiagramme.h),
// on threads of its own through a TTravail: the status bar shows its bar
// and "Annuler", and the program keeps answering.  Nothing of the current
// data set is read off the window's thread.  The work belongs to the pair of
// windows: closing either of them, loading a data file, reusing it or
// quitting (each closes the windows) cancels it and waits for its threads.
// Between two computations, the windows follow the game: the player's path
// after each period and each move of the step control, and whether the
// measures in force are still those the diagram was computed for.
#pragma once

#include "dataset/UChemin.h"
#include "dataset/UComparaison.h"
#include "dataset/UEquilibre.h"
#include "dataset/UMesures.h"
#include "graphs/UFGDiagramme.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <array>
#include <memory>
#include <vector>

namespace vasco {

class TFenetreMere;
class TTravail;

// The grid of factors and the years of the window's diagram.
struct TGrilleDiagramme {
    double Debut = 0;
    double Fin = 3;
    double Pas = 0.05;
    int Annees = 60;
};

class TDiagrammes : public QObject {
    Q_OBJECT

public:
    explicit TDiagrammes(TFenetreMere& mere);
    ~TDiagrammes() override;

    // The grid every diagram is computed on: vasco-batch's defaults, which
    // the window tests coarsen to stay quick under the sanitizers.
    static inline TGrilleDiagramme Grille;

    // The two windows: 0 the economic diagram, 1 the production (null once
    // closed).
    TFenetreDiagramme* Fenetre(int i) const { return fenetres_[static_cast<size_t>(i)]; }
    // Computes the equilibrium for the measures in force now, with these
    // options; a computation under way is cancelled first.
    void Calculer(const TOptionsDiagramme& options);
    // The work under way, or null.
    TTravail* Travail() const { return travail_.get(); }
    bool EnCours() const { return travail_ != nullptr; }
    // The player's path to the step control's position, and whether the
    // measures in force are still those of the diagram.
    void Suivre();
    // The compared games, drawn in both windows.
    void FixerComparaison(std::shared_ptr<const TComparaison> comparaison);
    // The parameters a computation for these options runs with (the data
    // file's bytes, the measures in force, the grid), for the tests.
    TParamEquilibre Parametres(const TOptionsDiagramme& options) const;

private:
    void Ouvrir();
    void Fin(bool annule);
    void Annuler();
    void FenetreFermee();
    QString TexteEtat() const;

    TFenetreMere& mere_;
    std::array<QPointer<TFenetreDiagramme>, 2> fenetres_;
    std::unique_ptr<TTravail> travail_;
    // What the running work writes, read once it has ended.
    struct TResultat;
    std::shared_ptr<TResultat> resultat_;
    // What the diagram shown was computed for.
    TOptionsDiagramme options_;
    std::vector<TValeursMesures> mesures_;
    TReferenceChemin reference_;
    int periode_ = 0;
    bool calcule_ = false;
    QString messageFin_;
};

// Writes the picture or the values of the diagram a sub-window's widget
// holds; true when that widget holds no diagram (nothing to write).
bool EnregistrerDiagramme(QWidget* fenetre, const QString& chemin);

} // namespace vasco
