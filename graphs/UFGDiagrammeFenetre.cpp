// The bio-economic diagram as a user reads it: the table of values, the
// read-out of the nearest point, the accessible description, the files and
// the clipboard; and the window around it with its options bar.
#include "graphs/UFGDiagramme.h"

#include "dataset/UDiagramme.h"

#include <QAccessible>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <sstream>

namespace vasco {

// ---- The table of values ----------------------------------------------

int TFGDiagramme::LignesTexte() const
{
    return equilibre_ ? static_cast<int>(equilibre_->Grille.size()) : 0;
}

int TFGDiagramme::ColonnesTexte() const
{
    return static_cast<int>(Courbes().size()) + 1;
}

QString TFGDiagramme::TexteCellule(int ligne, int colonne) const
{
    if (ligne < 0 || ligne >= LignesTexte() || colonne < 0 || colonne >= ColonnesTexte())
        return {};
    const TPointEquilibre& point = equilibre_->Grille[static_cast<size_t>(ligne)];
    if (colonne == 0)
        return Nombre(point.Facteur);
    return Nombre(Valeur(point, Courbes()[static_cast<size_t>(colonne - 1)]));
}

QString TFGDiagramme::EnTeteColonne(int colonne) const
{
    if (colonne == 0)
        return tr("facteur f");
    const auto courbes = Courbes();
    if (colonne < 0 || colonne > static_cast<int>(courbes.size()))
        return {};
    const TCourbe& c = courbes[static_cast<size_t>(colonne - 1)];
    return QStringLiteral("%1 (%2)").arg(c.Nom, Unite(c.Droite));
}

QRect TFGDiagramme::ZoneLigne(int ligne) const
{
    if (ligne < 0 || ligne >= LignesTexte())
        return {};
    const auto& grille = equilibre_->Grille;
    const int x = ColonneX(grille[static_cast<size_t>(ligne)].Facteur);
    const int demi =
        grille.size() > 1
            ? std::max(1, std::abs(ColonneX(grille[1].Facteur) - ColonneX(grille[0].Facteur)) / 2)
            : 2;
    return {x - demi, 0, 2 * demi, height()};
}

// ---- Showing, the read-out ---------------------------------------------

void TFGDiagramme::Afficher()
{
    ++version_;
    ligneLue_ = -1;
    annee_ = nullptr;
    clavier_ = false;
    lecture_.clear();
    curseur_ = std::min(curseur_, LignesTexte() - 1);
    ecran_ = image_;
    update();
    Decrire();
    if (QAccessible::isActive()) {
        QAccessibleTableModelChangeEvent changement(this,
                                                    QAccessibleTableModelChangeEvent::ModelReset);
        QAccessible::updateAccessibility(&changement);
    }
}

void TFGDiagramme::Lire(QPoint point)
{
    if (!equilibre_ || equilibre_->Grille.empty() || !trace_.adjusted(-8, -8, 8, 8).contains(point)) {
        Effacer();
        return;
    }
    // A year of a path under the pointer comes with the grid's point.
    annee_ = nullptr;
    int meilleure = 8 * 8 + 1;
    for (const TCheminNomme* c : TousLesChemins())
        for (const TPointChemin& p : c->Chemin.Points) {
            const int dx = ColonneX(p.X) - point.x(), dy = LigneY(YChemin(p)) - point.y();
            if (dx * dx + dy * dy < meilleure) {
                meilleure = dx * dx + dy * dy;
                annee_ = &p;
            }
        }
    int ligne = 0;
    const auto& grille = equilibre_->Grille;
    for (size_t i = 1; i < grille.size(); ++i)
        if (std::abs(ColonneX(grille[i].Facteur) - point.x()) <
            std::abs(ColonneX(grille[static_cast<size_t>(ligne)].Facteur) - point.x()))
            ligne = static_cast<int>(i);
    Placer(ligne, false);
}

void TFGDiagramme::Placer(int ligne, bool clavier)
{
    ligneLue_ = ligne;
    clavier_ = clavier;
    if (clavier) {
        curseur_ = ligne;
        annee_ = nullptr;
    }
    DessinerLecture();
    Decrire();
}

void TFGDiagramme::Effacer()
{
    if (ligneLue_ < 0)
        return;
    ligneLue_ = -1;
    annee_ = nullptr;
    clavier_ = false;
    lecture_.clear();
    ecran_ = image_;
    update();
    Decrire();
}

void TFGDiagramme::DessinerLecture()
{
    ecran_ = image_;
    lecture_.clear();
    if (ligneLue_ < 0 || ligneLue_ >= LignesTexte()) {
        update();
        return;
    }
    const TPointEquilibre& point = equilibre_->Grille[static_cast<size_t>(ligneLue_)];
    lecture_ << tr("f = %1").arg(Nombre(point.Facteur));
    for (const TCourbe& c : Courbes())
        lecture_ << tr("%1 : %2 %3").arg(c.Nom, Nombre(Valeur(point, c)), Unite(c.Droite));
    if (!point.Stable)
        lecture_ << tr("point qui ne s'est pas stabilisé");
    if (annee_) {
        lecture_ << tr("Année %1 : f = %2, %3 %4")
                        .arg(annee_->Annee)
                        .arg(Nombre(annee_->X), Nombre(YChemin(*annee_)), Unite(false));
    }
    QPainter p(&ecran_);
    p.setFont(font());
    const QFontMetrics fm = p.fontMetrics();
    const int x = ColonneX(point.Facteur);
    p.setPen(QPen(Qt::black, 1, Qt::DotLine));
    p.drawLine(x, trace_.top(), x, trace_.bottom());
    int largeur = 0;
    for (const QString& ligne : lecture_)
        largeur = std::max(largeur, fm.horizontalAdvance(ligne));
    QRect boite(x + 8, trace_.top() + 4, largeur + 8, static_cast<int>(lecture_.size()) * fm.height() + 6);
    if (boite.right() > trace_.right())
        boite.moveRight(x - 8);
    p.setPen(Qt::black);
    p.setBrush(QColor(255, 255, 225));
    p.drawRect(boite);
    for (int i = 0; i < lecture_.size(); ++i)
        p.drawText(boite.left() + 4, boite.top() + 3 + i * fm.height() + fm.ascent(), lecture_[i]);
    p.end();
    update();
}

QString TFGDiagramme::Description() const
{
    QString texte;
    if (ligneLue_ >= 0 && !lecture_.isEmpty())
        texte += lecture_.join(", ") + ". ";
    texte += tr("%1. Axe horizontal : flotte × f de %2 à %3. Axe vertical de %4 à %5 %6. ")
                 .arg(windowTitle(), Nombre(xMin_), Nombre(xMax_), Nombre(yMin_), Nombre(yMax_),
                      Unite(false));
    if (!equilibre_) {
        texte += message_.isEmpty() ? tr("Aucune valeur.") : message_;
        return texte;
    }
    const auto repere = [&](const std::optional<TPointEquilibre>& point, const QString& nom) {
        if (point)
            texte += tr("%1 à f = %2. ").arg(nom, Nombre(point->Facteur));
    };
    repere(equilibre_->RMD, tr("RMD"));
    if (genre_ == TGenreDiagramme::Economie) {
        repere(equilibre_->REM, tr("REM"));
        repere(equilibre_->AccesLibre, tr("Accès libre"));
    }
    for (const TCheminNomme* c : TousLesChemins()) {
        const auto& points = c->Chemin.Points;
        if (points.empty())
            continue;
        texte += tr("%1 : %2 ans, la dernière à f = %3, %4 %5. ")
                     .arg(c->Nom)
                     .arg(points.size())
                     .arg(Nombre(points.back().X), Nombre(YChemin(points.back())), Unite(false));
        if (c->Chemin.Approche)
            texte += tr("Chemin approché. ");
    }
    return texte.trimmed();
}

void TFGDiagramme::Decrire()
{
    const QString description = Description();
    setAccessibleName(windowTitle());
    setAccessibleDescription(description);
    for (QWidget* w = parentWidget(); w; w = w->parentWidget())
        if (auto* fenetre = qobject_cast<QMdiSubWindow*>(w)) {
            fenetre->setAccessibleName(windowTitle());
            fenetre->setAccessibleDescription(description);
            break;
        }
}

// ---- Files and clipboard -------------------------------------------------

void TFGDiagramme::AfficherLegende(bool afficher)
{
    if (legende_ == afficher)
        return;
    legende_ = afficher;
    Composer();
}

void TFGDiagramme::CopierImage() const
{
    if (!image_.isNull())
        QGuiApplication::clipboard()->setImage(image_);
}

std::string TFGDiagramme::Csv() const
{
    if (!equilibre_)
        return {};
    std::ostringstream sortie;
    EcrireEquilibreEchelles(*equilibre_, quantiles_, {echelles_.Monnaie, echelles_.Poids}, sortie);
    return sortie.str();
}

bool TFGDiagramme::Enregistrer(const QString& chemin)
{
    const QString extension = QFileInfo(chemin).suffix().toLower();
    if (extension == "csv") {
        const std::string texte = Csv();
        if (texte.empty())
            return false;
        QFile fichier(chemin);
        if (!fichier.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return false;
        const auto n = static_cast<qint64>(texte.size());
        return fichier.write(texte.data(), n) == n && fichier.flush();
    }
    if (image_.isNull())
        return false;
    return image_.save(chemin, extension == "png" ? "PNG" : "BMP");
}

// ---- Events ----------------------------------------------------------------

void TFGDiagramme::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    if (!ecran_.isNull())
        p.drawImage(0, 0, ecran_);
    if (hasFocus()) {
        p.setPen(QPen(palette().color(QPalette::Highlight), 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect().adjusted(1, 1, -1, -1));
    }
}

void TFGDiagramme::resizeEvent(QResizeEvent* evenement)
{
    QWidget::resizeEvent(evenement);
    Composer();
}

void TFGDiagramme::mouseMoveEvent(QMouseEvent* e)
{
    Lire(e->position().toPoint());
}

void TFGDiagramme::mousePressEvent(QMouseEvent* e)
{
    Lire(e->position().toPoint());
}

void TFGDiagramme::leaveEvent(QEvent* e)
{
    QWidget::leaveEvent(e);
    if (!clavier_)
        Effacer();
}

void TFGDiagramme::keyPressEvent(QKeyEvent* e)
{
    const int n = LignesTexte();
    const bool seule = (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    int ligne = -1;
    switch (seule ? e->key() : 0) {
    case Qt::Key_Left: ligne = curseur_ < 0 ? n - 1 : std::max(curseur_ - 1, 0); break;
    case Qt::Key_Right: ligne = curseur_ < 0 ? 0 : std::min(curseur_ + 1, n - 1); break;
    case Qt::Key_Home: ligne = 0; break;
    case Qt::Key_End: ligne = n - 1; break;
    case Qt::Key_Escape:
        if (ligneLue_ < 0)
            return QWidget::keyPressEvent(e);
        Effacer();
        return;
    default: return QWidget::keyPressEvent(e);
    }
    if (n > 0)
        Placer(ligne, true);
}

void TFGDiagramme::focusOutEvent(QFocusEvent* e)
{
    QWidget::focusOutEvent(e);
    if (clavier_)
        Effacer();
    update();
}

void TFGDiagramme::contextMenuEvent(QContextMenuEvent* e)
{
    QMenu menu(this);
    menu.addAction(tr("&Copier l'image"), this, &TFGDiagramme::CopierImage);
    menu.exec(e->globalPos());
}

void TFGDiagramme::changeEvent(QEvent* e)
{
    QWidget::changeEvent(e);
    if (e->type() == QEvent::ParentChange || e->type() == QEvent::WindowTitleChange)
        Decrire();
}

// ---- The window and its options bar ----------------------------------------

TFenetreDiagramme::TFenetreDiagramme(TGenreDiagramme genre, const QStringList& metiers,
                                     QWidget* parent)
    : QWidget(parent), diagramme_(new TFGDiagramme(genre)), etat_(new QLabel),
      metier_(new QComboBox), recrutement_(new QCheckBox(tr("Recrutement aléatoire"))),
      tirages_(new QSpinBox), recalculer_(new QPushButton(tr("Recalculer")))
{
    setProperty(ProprieteAide, TFGDiagramme::ContexteAide);
    setWindowTitle(diagramme_->windowTitle());
    metier_->addItem(tr("Toute la flotte"));
    metier_->addItems(metiers);
    metier_->setAccessibleName(tr("Flotte multipliée par f"));
    recrutement_->setToolTip(tr("Chaque point est la médiane de plusieurs tirages du "
                                "recrutement ; la bande va de 5 % à 95 %"));
    tirages_->setRange(2, 200);
    tirages_->setValue(20);
    tirages_->setSuffix(tr(" tirages"));
    tirages_->setAccessibleName(tr("Nombre de tirages par point"));
    tirages_->setEnabled(false);
    connect(recrutement_, &QCheckBox::toggled, tirages_, &QSpinBox::setEnabled);
    etat_->setWordWrap(true);
    etat_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    connect(recalculer_, &QPushButton::clicked, this, &TFenetreDiagramme::Recalculer);

    auto* barre = new QHBoxLayout;
    barre->setContentsMargins(4, 2, 4, 2);
    barre->addWidget(metier_);
    barre->addWidget(recrutement_);
    barre->addWidget(tirages_);
    barre->addWidget(recalculer_);
    barre->addWidget(etat_, 1);
    auto* colonne = new QVBoxLayout(this);
    colonne->setContentsMargins(0, 0, 0, 0);
    colonne->setSpacing(0);
    colonne->addLayout(barre);
    colonne->addWidget(diagramme_, 1);
    setFocusProxy(diagramme_);
}

TOptionsDiagramme TFenetreDiagramme::Options() const
{
    TOptionsDiagramme o;
    if (metier_->currentIndex() > 0)
        o.Metier = metier_->currentIndex() - 1;
    o.Recrutement = recrutement_->isChecked();
    o.Tirages = tirages_->value();
    return o;
}

void TFenetreDiagramme::FixerOptions(const TOptionsDiagramme& o)
{
    metier_->setCurrentIndex(o.Metier ? *o.Metier + 1 : 0);
    recrutement_->setChecked(o.Recrutement);
    tirages_->setValue(o.Tirages);
}

void TFenetreDiagramme::FixerEtat(const QString& texte, bool perime)
{
    etat_->setText(texte);
    QFont police = recalculer_->font();
    police.setBold(perime);
    recalculer_->setFont(police);
    recalculer_->setDefault(perime);
}

} // namespace vasco
