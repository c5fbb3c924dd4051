// The bio-economic diagram: the equilibrium of the fishery (dataset/
// UEquilibre.h) against a factor f on its fleet, with the player's game
// drawn on it year by year (dataset/UChemin.h).
//
// Two windows show it.  "Diagramme bio-économique": turnover, costs and
// profit per period in the money scale's unit, the rent dashed when the
// subsidies and taxes do not cancel out, RMD, REM, free access and today's
// fleet as vertical lines.  "Production d'équilibre": the landed weight on
// the left axis and each species' spawning biomass as a share of its
// virgin one on a right axis.  A point of the grid that did not settle is
// drawn hollow; with random recruitment each curve carries its 5-95 % band.
//
// TFGDiagramme is the plot: a real X axis, two Y axes, marker lines.  It is
// no TFG, but offers what a user relies on in every graph window: the
// legend band under the title, the read-out of the nearest point (mouse and
// arrow keys), the accessible name, description and table (TTableTexte),
// the CSV of the values (the columns and figures of vasco-batch
// --equilibre in the scales' units), BMP and PNG, the clipboard.  It draws
// off screen as the graph windows do and only copies whole images.
//
// TFenetreDiagramme is what a sub-window holds: a small bar of options
// above the plot (the whole fleet or one métier, random recruitment with
// its draws, the measures the diagram was computed for, "Recalculer").
// The computation itself is the main window's (shell/MereDiagramme.cpp).
#pragma once

#include "dataset/UChemin.h"
#include "dataset/UComparaison.h"
#include "dataset/UEquilibre.h"
#include "graphs/UFGAccessible.h"
#include "graphs/ufg.h"
#include "model/UContextes.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QPainter;
class QPushButton;
class QSpinBox;

namespace vasco {

enum class TGenreDiagramme : uint8_t { Economie, Production };

// The display scales: divisors and units of money and weight.
struct TEchellesDiagramme {
    long double Monnaie = 1;
    QString UniteMonnaie;
    long double Poids = 1;
    QString UnitePoids;
};

// A path drawn over the curves, with its name in the legend.
struct TCheminNomme {
    QString Nom;
    TChemin Chemin;
    QColor Couleur;
    bool Tirets = false;
};

class TFGDiagramme : public QWidget, public TTableTexte {
    Q_OBJECT

public:
    static constexpr int ContexteAide = AideDiagramme;

    explicit TFGDiagramme(TGenreDiagramme genre, QWidget* parent = nullptr);

    TGenreDiagramme Genre() const { return genre_; }
    void FixerEchelles(const TEchellesDiagramme& echelles);
    // The equilibrium drawn (none: the message instead), with or without
    // its quantile bands, and the fleet at f = 1 it was computed for.
    void FixerEquilibre(std::shared_ptr<const TEquilibre> equilibre, bool quantiles,
                        const TReferenceChemin& reference);
    const TEquilibre* Equilibre() const { return equilibre_.get(); }
    bool Quantiles() const { return quantiles_; }
    const TReferenceChemin& Reference() const { return reference_; }
    // Shown in the plot while there is no equilibrium ("Calcul en cours").
    void FixerMessage(const QString& message);
    // The current game's path.
    void FixerChemin(const TChemin& chemin);
    const TChemin& Chemin() const { return chemin_; }
    // The compared games (none: null): one or two games each its own path,
    // three or more their median path.
    void FixerComparaison(std::shared_ptr<const TComparaison> comparaison);
    const std::vector<TCheminNomme>& CheminsCompares() const { return compares_; }

    // As a graph window: the legend band, the pictures, the files.
    void AfficherLegende(bool afficher);
    bool LegendeAffichee() const { return legende_; }
    int HauteurLegende() const { return hauteurLegende_; }
    std::vector<TElementLegende> Legende() const;
    const QImage& Image() const { return image_; }
    const QImage& Ecran() const { return ecran_; }
    void CopierImage() const;
    // BMP, PNG or CSV by the extension; false when it cannot be written.
    bool Enregistrer(const QString& chemin);
    // The CSV's text: empty before the equilibrium.
    std::string Csv() const;

    // The read-out at a point of the widget: the grid point nearest in X
    // (and the path's year under the pointer), drawn over the picture.
    void Lire(QPoint point);
    // The row of the grid read (-1: none), by the mouse or the keys.
    int LigneLue() const { return ligneLue_; }
    // The lines of the read-out as drawn (empty: none shown).
    const QStringList& TexteLecture() const { return lecture_; }
    int CurseurClavier() const { return curseur_; }

    // The table of values: one row per point of the grid, its factor then
    // each curve's value in the scales' units.
    int LignesTexte() const override;
    int ColonnesTexte() const override;
    QString TexteCellule(int ligne, int colonne) const override;
    QString EnTeteColonne(int colonne) const override;
    uint64_t VersionTexte() const override { return version_; }
    QRect ZoneLigne(int ligne) const override;

    // The geometry of the last picture, for the tests: the column of a
    // factor, the row of a value on the left axis or the right one.
    int ColonneX(double f) const;
    int LigneY(double valeur, bool droite = false) const;
    // A value of the left axis at a point of the grid (scales' units).
    double ValeurGauche(const TPointEquilibre& point, int chiffre, int quantile = 1) const;

protected:
    void paintEvent(QPaintEvent* evenement) override;
    void resizeEvent(QResizeEvent* evenement) override;
    void mouseMoveEvent(QMouseEvent* evenement) override;
    void mousePressEvent(QMouseEvent* evenement) override;
    void leaveEvent(QEvent* evenement) override;
    void keyPressEvent(QKeyEvent* evenement) override;
    void focusOutEvent(QFocusEvent* evenement) override;
    void contextMenuEvent(QContextMenuEvent* evenement) override;
    void changeEvent(QEvent* evenement) override;

private:
    // A curve: one figure of the equilibrium, on the left or right axis.
    struct TCourbe {
        QString Nom;
        int Chiffre = 0;
        QColor Couleur;
        bool Tirets = false;
        bool Droite = false;
    };
    std::vector<TCourbe> Courbes() const;
    double Valeur(const TPointEquilibre& point, const TCourbe& courbe, int quantile = 1) const;
    double YChemin(const TPointChemin& point) const;
    std::vector<const TCheminNomme*> TousLesChemins() const;
    void RecalculerCompares();

    // Drawing (UFGDiagramme.cpp).
    void Composer();
    void CalculerAxes();
    void TracerAxes(QPainter& p);
    void TracerCourbes(QPainter& p);
    void TracerReperes(QPainter& p);
    void TracerChemin(QPainter& p, const TCheminNomme& chemin, bool joueur);
    void TracerLegende(QPainter& p);
    int MesurerLegende() const;
    void Afficher();
    void DessinerLecture();
    void Placer(int ligne, bool clavier);
    void Effacer();
    void Decrire();
    QString Description() const;
    QString Nombre(double v) const;
    QString Unite(bool droite) const;

    TGenreDiagramme genre_;
    TEchellesDiagramme echelles_;
    std::shared_ptr<const TEquilibre> equilibre_;
    bool quantiles_ = false;
    TReferenceChemin reference_;
    QString message_;
    TChemin chemin_;
    std::shared_ptr<const TComparaison> comparaison_;
    std::vector<TCheminNomme> compares_;
    TCheminNomme joueur_;

    bool legende_ = true;
    int hauteurLegende_ = 0;
    QImage image_, ecran_;
    // The plot's frame and ranges, as of the last picture.
    QRect trace_;
    double xMin_ = 0, xMax_ = 1, yMin_ = 0, yMax_ = 1, pasX_ = 1, pasY_ = 1;
    uint64_t version_ = 0;
    int ligneLue_ = -1;
    int curseur_ = -1;
    bool clavier_ = false;
    const TPointChemin* annee_ = nullptr;
    QStringList lecture_;
};

// What the options bar asks for.
struct TOptionsDiagramme {
    std::optional<int> Metier; // the whole fleet when empty
    bool Recrutement = false;
    int Tirages = 20;
    friend bool operator==(const TOptionsDiagramme&, const TOptionsDiagramme&) = default;
};

class TFenetreDiagramme : public QWidget {
    Q_OBJECT

public:
    TFenetreDiagramme(TGenreDiagramme genre, const QStringList& metiers,
                      QWidget* parent = nullptr);

    TFGDiagramme* Diagramme() const { return diagramme_; }
    TOptionsDiagramme Options() const;
    void FixerOptions(const TOptionsDiagramme& options);
    // What the diagram was computed for; `perime` when the measures have
    // changed since (the "Recalculer" button then stands out).
    void FixerEtat(const QString& texte, bool perime);
    QLabel* Etat() const { return etat_; }
    QPushButton* BoutonRecalculer() const { return recalculer_; }
    QComboBox* ChoixMetier() const { return metier_; }
    QCheckBox* ChoixRecrutement() const { return recrutement_; }
    QSpinBox* ChoixTirages() const { return tirages_; }

signals:
    // "Recalculer" clicked, with the options of the bar.
    void Recalculer();

private:
    TFGDiagramme* diagramme_;
    QLabel* etat_;
    QComboBox* metier_;
    QCheckBox* recrutement_;
    QSpinBox* tirages_;
    QPushButton* recalculer_;
};

} // namespace vasco
