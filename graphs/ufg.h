// The graph window base: one series of a model list drawn as markers, a
// curve, or bars in two or three dimensions, over a Y axis scaled to a simple
// decimal maximum and an X axis that counts list positions (periods or size
// classes).
//
// The window pulls every value from the list's elements (Calcul with its
// quantity code) and never owns the list: the main window frees its graph
// windows before the data set.  All drawing happens off screen: FFond holds
// the background, axes and titles, FImage the composed picture, and FEcran
// what the window shows, which is FImage plus the mouse read-out.  The
// window only ever copies whole images to the screen.
#pragma once

#include "model/UContextes.h"
#include "model/Uhote.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <vector>

class QPainter;

namespace vasco {

class TSupListe;
class TContexte;

// The front, top and side colours of bars in one of the seven schemes
// (0 Vert, 1 Bleu, 2 Rouge, 3 Gris, 4 Jaune, 5 Eau, 6 Magenta).
struct TCouleursBarre {
    QColor Face, Dessus, Cote;
};
bool CouleursSchema(uint8_t schema, TCouleursBarre& couleurs);

// The top of an axis whose largest value is the larger of a and b: a simple
// decimal value (1.2, 1.5, 1.8, 2, 3, 4, 5, 6, 8 or 10 times a power of ten)
// not below it; pas receives the tick step.  Raises when the largest value
// is not a positive finite number.
long double MaximumArrondi(float a, float b, float& pas);

// What a window draws, as a table: one row per X position shown.
struct TTableauValeurs {
    QString Titre, TitreX, Unite;
    std::vector<uint8_t> Codes; // one column per series
    std::vector<int32_t> Etiquettes;
    std::vector<std::vector<long double>> Lignes;
};

class TFG : public QWidget {
    Q_OBJECT

public:
    static constexpr int ContexteAide = AideGraphe;

    explicit TFG(QWidget* parent = nullptr);

    // Stores a feeder's parameter block through this family's transfer
    // operation, then paints.
    virtual void Transferer(const TParamGraphe& param) { TransfertParam(param); }
    void TransfertParam(const TParamGraphe& param);
    // The help context the window carries until a command gives it its own.
    virtual int ContexteAideFamille() const { return ContexteAide; }

    // Axis ranges; YMax <= YMin (or YMax <= 0) asks for the automatic range
    // from the list, XMax <= XMin for the list's whole numbering.
    void ParamAxeY(float yMin, float yMax);
    void ParamAxeX(int32_t xMin, int32_t xMax);
    // The window of list indexes to draw, and the first bar's column moved
    // right when the list starts later than the axis.
    bool CalculIminImax(int& x, int& iMin, int& iMax);

    // Rebuilds the axes, then the picture, and shows it.
    void Paint();
    // Recomposes the picture at the step control's position and shows it,
    // on the existing axes (after each period and each step-control move).
    void Recomposer();
    virtual void PAintGraph();
    void Afficher();

    // The read-out driver: the read-out follows the pointer while the left
    // button alone is held (FLectureClic), or on every move.
    void MouseMove(Qt::MouseButtons boutons, Qt::KeyboardModifiers touches, int x, int y);

    // The composed picture, without read-out, and what the window shows.
    const QImage& Image() const { return FImage; }
    const QImage& Ecran() const { return FEcran; }
    void CopierImage() const;
    // Writes the picture (BMP, or PNG) or the values (CSV), chosen by the
    // file's extension; false when the file cannot be written.
    bool Enregistrer(const QString& chemin);
    TTableauValeurs Valeurs();
    bool EcrireCsv(const QString& chemin);

    // Geometry of the last paint, for the families and the tests.
    int Y0() const { return FY0; }
    int OrigX() const { return FOrigX; }
    int Largeur() const { return FLargeur; }
    int Decal() const { return FDecal; }
    float Echelle() const { return FEchelle; }
    float YMin() const { return FYMin; }
    float YMax() const { return FYMax; }
    float PasY() const { return FPasY; }
    int32_t XMin() const { return FXMin; }
    int32_t XMax() const { return FXMax; }
    int Colonne() const { return FColonne; }
    const QString& TitreYAffiche() const { return titreYAffiche_; }
    TSupListe* Liste() const { return FListe; }

protected:
    void paintEvent(QPaintEvent* evenement) override;
    void resizeEvent(QResizeEvent* evenement) override;
    void mouseMoveEvent(QMouseEvent* evenement) override;
    void mousePressEvent(QMouseEvent* evenement) override;
    void contextMenuEvent(QContextMenuEvent* evenement) override;

    // Makes FListe safe to read and says whether there is something to draw
    // (a dynamic window draws the period the step control selects).
    virtual bool ChoisirListe() { return FListe != nullptr; }
    virtual void TracerHisto(QPainter& p, TTypeGraphe type);
    virtual void DessinXY(int index);
    // The X label of a list index in the read-out and the CSV.
    virtual int32_t EtiquetteX(int index) const;
    virtual std::vector<uint8_t> CodesSeries() const { return {FCode}; }

    void TracerAxes();
    void TracerPoint(QPainter& p);
    void TracerCourbe(QPainter& p);
    void TracerUnHisto2D(QPainter& p, int x, int& bas, int& haut);
    void TracerUnHisto3(QPainter& p, int x, int& bas, int& haut);
    void EcritNumBitMap(QPainter& p, int x, int y, long double valeur);

    // Painter set up for exact pixels: no antialiasing, the window's font.
    void Preparer(QPainter& p) const;
    long double Valeur(int index, uint8_t code) const;
    // Pixels for a value: bounded far outside any bitmap, 0 when undefined.
    int Pixels(long double valeur) const;
    // The read-out's shift of the period window (0 without step control).
    int64_t DecalageLecture() const;
    // The left edge of the bar of a list index.
    int BordBarre(int index) const;
    void FixerCouleurs(uint8_t schema);

    uint8_t FCode = 0;
    TContexte* FContexte = nullptr;
    TMagnetoBase* FMagneto = nullptr;
    float FYMin = 0, FYMax = 1, FPasY = 1;
    uint8_t FNbSeries = 1, FSerie = 1;
    int FY0 = 0, FLargeur = 1, FDecal = 0, FOrigX = 0, FMargeY = 0;
    float FEchelle = 0;
    int FColonne = -1;
    QImage FFond, FEtiquette, FImage, FEcran;
    bool FLectureClic = true;
    QString FTitreX, FTitreY;
    TTypeGraphe FType = TTypeGraphe::Histo3D;
    uint8_t FCouleur = 0;
    QColor FCouleurFond = Qt::white, FCouleurTexte = Qt::black;
    QColor FCouleurFace, FCouleurDessus, FCouleurCote;
    char FMarque = '+';
    int32_t FPeriode = 0;
    bool FAffPeriode = false;
    TSupListe* FListe = nullptr;
    int32_t FXMin = 0, FXMax = 0;

private:
    // The Y range from the range asked for, or from the list; raises when
    // there is no rounded top.
    void CalculerAxeY();
    // CalculerAxeY again, from the list as it is now, without a message.
    void SuivreAxeYAuto();
    QString TexteTitreY() const;
    void EcrirePeriode(QPainter& p);

    // The range asked for, kept so that an automatic range follows the
    // list and a window cut to its width regains positions when enlarged.
    float yMinDemande_ = 0, yMaxDemande_ = 0;
    bool yAuto_ = false;
    int32_t xMaxDemande_ = 0;
    QString titreYAffiche_;
};

} // namespace vasco
