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
//
// A band under the window's title, above the plot, names each series beside
// a swatch of the colour it is painted in (ufgLegende.cpp): the legend, part
// of the composed picture, so the saved and copied pictures carry it.  The
// legend, the table of values and the CSV take each series' name from its
// catalogue row, through the parameter block.
//
// A window is also read without being seen: its accessible name is its
// title and its description says in figures what is drawn (the quantity,
// the Y range and unit, the periods or sizes covered, the column under the
// keyboard cursor).  With the focus, the arrow keys move that cursor over
// the columns and draw the same read-out as the mouse.  The values drawn
// form a table of words (TexteCellule) that the accessible interface of
// graphs/UFGAccessible.h offers as an accessible table.
#pragma once

#include "graphs/UFGAccessible.h"
#include "model/UAxe.h"
#include "model/UContextes.h"
#include "model/Uhote.h"

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
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

// What a window draws, as a table: one row per X position shown.
struct TTableauValeurs {
    QString Titre, TitreX, Unite;
    QStringList Noms; // one column per quantity, by its name
    std::vector<int32_t> Etiquettes;
    std::vector<std::vector<long double>> Lignes;
};

// One series of a window: the quantity read from each element, the colour
// scheme of its bars, the character of its markers and its name.
struct TSerie {
    uint8_t Code = 0;
    uint8_t Couleur = 0;
    char Marque = '+';
    QString Nom;
};

// One entry of a window's legend: a swatch of the colour painted, the name.
// An entry that is not shown now still keeps its room in the band, so that
// the plot does not move when it appears.
struct TElementLegende {
    QString Nom;
    QColor Couleur;
    bool Visible = true;
};

// What the read-out shows at one list position.  It is drawn group by group,
// so that a series in front writes over the one behind: the group's guide
// lines by exclusive-or, then its numbers in boxes above their rows.  Each
// number gets a horizontal line along its row, from Gauche to the vertical
// line at Colonne, which runs from the topmost of the rows down to Pied.
// The X label goes under the vertical line of the last group.
struct TLecture {
    struct TNombre {
        long double Valeur;
        int Ligne;
    };
    struct TGroupe {
        int Gauche = 0, Colonne = 0, Pied = 0;
        std::vector<TNombre> Nombres;
    };
    std::vector<TGroupe> Groupes;
};

class TFG : public QWidget, public TTableTexte {
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

    // The three entry points that draw, each guarded once: a value that
    // cannot be computed is reported and leaves the picture as far as it
    // got.  Paint rebuilds the axes, then the picture, and shows it.
    void Paint();
    // Recomposes the picture at the step control's position and shows it,
    // on the existing axes (after each period and each step-control move).
    void Recomposer();
    // The read-out driver: the read-out follows the pointer while the left
    // button alone is held (FLectureClic), or on every move.
    void MouseMove(Qt::MouseButtons boutons, Qt::KeyboardModifiers touches, int x, int y);
    // The column of the keyboard cursor among those drawn (-1 before the
    // first key); its read-out shows only while the window has the focus.
    int CurseurClavier() const { return curseur_; }

    // The values drawn, in words, as of the last paint: one row per column
    // shown, the X label then each series' value rounded as the read-out
    // writes it.  Headers: the X title, then the series' names.
    int LignesTexte() const { return static_cast<int>(tableau_.Lignes.size()); }
    int ColonnesTexte() const { return static_cast<int>(tableau_.Noms.size()) + 1; }
    QString TexteCellule(int ligne, int colonne) const;
    QString EnTeteColonne(int colonne) const;
    // Changes each time the table may have changed, so that cached cells
    // are known to be stale.
    uint64_t VersionTexte() const { return versionTexte_; }
    // Where a column is drawn, in the window's coordinates.
    QRect ZoneLigne(int ligne) const;

    // The composed picture, without read-out, and what the window shows.
    const QImage& Image() const { return FImage; }
    const QImage& Ecran() const { return FEcran; }
    void CopierImage() const;
    // The legend band under the title, on or off; turning it on or off
    // gives its height to the plot or takes it back, and repaints.
    void AfficherLegende(bool afficher);
    bool LegendeAffichee() const { return FLegende; }
    // The band's height as of the last paint (0 without legend), and what
    // it shows.
    int HauteurLegende() const { return FHauteurLegende; }
    std::vector<TElementLegende> Legende() const { return ElementsLegende(); }
    // The swatches of the entries shown, in order, where they are drawn.
    std::vector<QRect> CasesLegende() const;
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
    void keyPressEvent(QKeyEvent* evenement) override;
    void focusInEvent(QFocusEvent* evenement) override;
    void focusOutEvent(QFocusEvent* evenement) override;
    void changeEvent(QEvent* evenement) override;

    // A family is a TFG that answers some of the hooks below its own way.
    // The base answers them for its own family: one series of the feeder's
    // list.  Besides these, a family may override the public Transferer (to
    // read more of the parameter block) and ContexteAideFamille.
    //
    // ---- Mandatory overrides: what the window draws ----------------------
    // The base's answers suit only one series of the feeder's list; a family
    // that draws anything else overrides the one that differs.
    //
    // Which list to draw, made safe to read, and whether there is something
    // to draw (a dynamic window draws the period the step control selects).
    virtual bool ChoisirListe() { return FListe != nullptr; }
    // The series drawn, back to front, at least one: each later series
    // stands in front, a depth step lower and to the left.  Their number
    // sets the room kept for the depth.
    virtual std::vector<TSerie> Series() const { return {FSerie}; }
    //
    // ---- Optional overrides: how it is drawn and read ---------------------
    // The bars of one series at one list index, in two or three dimensions
    // (FType); pied is the bar's left edge on the X axis, both shifted with
    // the series' depth.  The base draws one bar up to the value; the
    // economic window stacks two quantities.
    virtual void TracerBarre(QPainter& p, const TSerie& serie, int index, QPoint pied);
    // The X label of a list index in the read-out and the CSV.
    virtual int32_t EtiquetteX(int index) const;
    // What the read-out shows at a list index; the base shows the value of
    // each series, shifted with its depth.
    virtual TLecture Lecture(int index) const;
    // The location reported when the read-out cannot be computed.
    virtual const char* LieuLecture() const { return "UFG/TFG.DessinXY"; }
    // The columns of the table of values (the CSV and the accessible
    // table): their names, and their values at a list index; by default
    // one per series.
    virtual QStringList NomsColonnes() const;
    virtual std::vector<long double> ValeursColonnes(int index) const;
    // What the legend shows: by default each series, back to front, with
    // the colour its bars, curve or markers are painted in.
    virtual std::vector<TElementLegende> ElementsLegende() const;
    // The X axis counts size classes (its title is then the length unit),
    // not periods.
    virtual bool AxeDesTailles() const { return false; }

    // Drawing helpers for the families.
    //
    // A bar between rows y1 and y2 (either order) from column x, flat or in
    // relief by FType, in a colour scheme (scheme 0 for an unknown one); cut
    // to the picture's height.
    void TracerPave(QPainter& p, int x, int y1, int y2, uint8_t schema);
    // Painter set up for exact pixels: no antialiasing, the window's font.
    void Preparer(QPainter& p) const;
    long double Valeur(int index, uint8_t code) const;
    // Pixels for a value: bounded far outside any bitmap, 0 when undefined.
    int Pixels(long double valeur) const;
    // The left edge of the bar of a list index.
    int BordBarre(int index) const;
    // The depth shift of a series: one step for each series in front of it.
    int Recul(size_t rang, size_t nombre) const;
    // The colour a series is painted in: the front face of its bars, the
    // pen of its curve or markers.
    QColor CouleurPeinte(const TSerie& serie) const;
    // CalculIminImax without its guard, for the drawing inside an entry
    // point's guard.
    bool Fenetre(int& x, int& iMin, int& iMax) const;

    // The series of the parameter block: code, scheme and marker.
    TSerie FSerie;
    TContexte* FContexte = nullptr;
    TMagnetoBase* FMagneto = nullptr;
    float FYMin = 0, FYMax = 1, FPasY = 1;
    int FY0 = 0, FLargeur = 1, FDecal = 0, FOrigX = 0, FMargeY = 0;
    float FEchelle = 0;
    int FColonne = -1;
    // The background and axes, the composed picture, and what is shown.
    QImage FFond, FImage, FEcran;
    bool FLectureClic = true;
    QString FTitreX, FTitreY;
    TTypeGraphe FType = TTypeGraphe::Histo3D;
    QColor FCouleurFond = Qt::white, FCouleurTexte = Qt::black;
    int32_t FPeriode = 0;
    bool FAffPeriode = false;
    TSupListe* FListe = nullptr;
    int32_t FXMin = 0, FXMax = 0;
    bool FLegende = true;
    int FHauteurLegende = 0;

private:
    // The Y range from the range asked for, or from the list; raises when
    // there is no rounded top.
    void CalculerAxeY();
    // CalculerAxeY again, from the list as it is now, without a message.
    void SuivreAxeYAuto();
    QString TexteTitreY() const;
    void TracerAxes();
    // The picture: FFond and every series over it, the period number on top.
    void Composer();
    // The location reported when the picture cannot be composed.
    const char* LieuTrace() const;
    void TracerPoints(QPainter& p, const TSerie& serie);
    void TracerCourbe(QPainter& p, const TSerie& serie);
    void TracerBarres(QPainter& p, const TSerie& serie, int recul);
    void EcrirePeriode(QPainter& p);
    // The legend band (ufgLegende.cpp): the entries laid out in rows
    // across the width the period number leaves, each row's entries
    // placed from the left; its height for all the entries, shown or not;
    // and its drawing over the top of the picture.
    std::vector<QRect> DisposerLegende(const std::vector<TElementLegende>& elements,
                                       int& lignes) const;
    int MesurerLegende() const;
    // The right end of the band's rows, short of the period number.
    int DroiteLegende() const;
    void TracerLegende(QPainter& p);
    void Afficher();
    // The read-out of a list index over the composed picture, from Lecture.
    void DessinerLecture(int index);
    void EcritNumBitMap(QPainter& p, int x, int y, long double valeur) const;
    // The read-out's shift of the period window (0 without step control).
    int64_t DecalageLecture() const;
    // The table of values and the list index of its first row; raises when
    // a value cannot be computed.
    TTableauValeurs Tableau(int& premier);
    // The keyboard cursor to a row of the table, its read-out drawn and
    // told; -1 hides it.
    void PlacerCurseur(int ligne);
    void EffacerLecture();
    // The accessible name and description from what is drawn, given to
    // the sub-window that holds the window too, and announced.
    void Decrire();
    QString Description() const;

    // The range asked for, kept so that an automatic range follows the
    // list and a window cut to its width regains positions when enlarged.
    float yMinDemande_ = 0, yMaxDemande_ = 0;
    bool yAuto_ = false;
    int32_t xMaxDemande_ = 0;
    QString titreYAffiche_;
    // The values drawn (CSV order) and the list index of their first row.
    TTableauValeurs tableau_;
    int premierIndex_ = 0;
    uint64_t versionTexte_ = 0;
    int curseur_ = -1;
    bool lectureClavier_ = false;
};

} // namespace vasco
