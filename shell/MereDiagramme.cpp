#include "shell/MereDiagramme.h"

#include "dataset/UDiagramme.h"
#include "dataset/USession.h"
#include "dataset/Ubd.h"
#include "economics/Ueco.h"
#include "model/UContextes.h"
#include "model/Uperiode.h"
#include "shell/Mere.h"
#include "shell/UMagneto.h"
#include "shell/UTravail.h"

#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QStatusBar>
#include <algorithm>
#include <chrono>
#include <thread>

namespace vasco {

// What a computation is for, and what it leaves: kept apart from what the
// windows show until it has succeeded.
struct TDiagrammes::TResultat {
    std::optional<TEquilibre> Equilibre;
    TOptionsDiagramme Options;
    std::vector<TValeursMesures> Mesures;
    TReferenceChemin Reference;
    int Periode = 0;
    QString TexteMesures;
};

namespace {

// The seed of the recruitment draws: the clock's, without touching the
// game's own generator.
uint32_t GraineHorloge()
{
    return static_cast<uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count());
}

} // namespace

TDiagrammes::TDiagrammes(TFenetreMere& mere) : QObject(&mere), mere_(mere)
{
    setObjectName("Diagrammes");
    // The path follows every period and every move of the step control;
    // the state says when a condition dialog has changed the measures.
    connect(mere.Magnetoscope(), &TMagneto::Deplace, this, &TDiagrammes::Suivre);
    for (const char* nom : {"ModificationdesconditionsMetier", "ModificationdesConditionsEspece"})
        if (QAction* action = mere.Action(nom))
            connect(action, &QAction::triggered, this, &TDiagrammes::Suivre);
    if (QAction* legendes = mere.Action("Legendes"))
        connect(legendes, &QAction::triggered, this, [this](bool afficher) {
            for (const auto& f : fenetres_)
                if (f)
                    f->Diagramme()->AfficherLegende(afficher);
        });
    Ouvrir();
}

TDiagrammes::~TDiagrammes()
{
    // The work first: nothing may run once the windows are gone.
    travail_.reset();
    for (auto& f : fenetres_) {
        if (!f)
            continue;
        disconnect(f, nullptr, this, nullptr);
        delete f->parentWidget();
    }
}

void TDiagrammes::Ouvrir()
{
    const TBDVasco* bd = mere_.Donnees();
    QStringList metiers;
    for (int m = 0; m < bd->Metiers.Nombre(); ++m)
        metiers << QString::fromStdString(bd->Metiers.A<TMetierEco>(m).Nom);
    const TEchellesDiagramme echelles{
        .Monnaie = bd->EchelleDiviseur[EchelleMonnaie],
        .UniteMonnaie = QString::fromStdString(bd->EchelleUnite[EchelleMonnaie]),
        .Poids = bd->EchelleDiviseur[EchellePoids],
        .UnitePoids = QString::fromStdString(bd->EchelleUnite[EchellePoids])};
    QMdiArea* zone = mere_.Zone();
    for (QMdiSubWindow* f : zone->subWindowList())
        if (f->isMaximized())
            f->showNormal();
    for (int i = 0; i < 2; ++i) {
        auto* fenetre = new TFenetreDiagramme(
            i == 0 ? TGenreDiagramme::Economie : TGenreDiagramme::Production, metiers);
        fenetre->setObjectName(i == 0 ? "DiagrammeEconomique" : "DiagrammeProduction");
        fenetre->Diagramme()->FixerEchelles(echelles);
        fenetre->Diagramme()->AfficherLegende(mere_.Coche("Legendes"));
        QMdiSubWindow* sous = zone->addSubWindow(fenetre);
        sous->setAttribute(Qt::WA_DeleteOnClose);
        sous->setProperty(ProprieteAide, AideDiagramme);
        sous->setWindowTitle(fenetre->windowTitle());
        sous->show();
        fenetres_[static_cast<size_t>(i)] = fenetre;
        connect(fenetre, &QObject::destroyed, this, [this, i] {
            fenetres_[static_cast<size_t>(i)] = nullptr;
            FenetreFermee();
        });
        connect(fenetre, &TFenetreDiagramme::Recalculer, this,
                [this, fenetre] { Calculer(fenetre->Options()); });
    }
    zone->tileSubWindows();
}

void TDiagrammes::FenetreFermee()
{
    // A window closed during the computation cancels it: the other one
    // then offers to compute again.
    Annuler();
    if (!fenetres_[0] && !fenetres_[1])
        deleteLater();
}

void TDiagrammes::Annuler()
{
    if (!travail_)
        return;
    // Destroying the work cancels it and waits for its threads.
    travail_.reset();
    resultat_.reset();
    messageFin_ = tr("Calcul annulé.");
    for (const auto& f : fenetres_)
        if (f && !calcule_)
            f->Diagramme()->FixerMessage(tr("Calcul annulé : « Recalculer » le relance."));
    Suivre();
}

TParamEquilibre TDiagrammes::Parametres(const TOptionsDiagramme& options) const
{
    const TBDVasco& bd = *mere_.Donnees();
    TParamEquilibre p;
    p.Donnees = mere_.Session().Octets();
    p.Scenario = ScenarioEnVigueur(bd);
    p.Metier = options.Metier;
    p.Debut = Grille.Debut;
    p.Fin = Grille.Fin;
    p.Pas = Grille.Pas;
    p.Annees = Grille.Annees;
    p.Recrutement = options.Recrutement;
    p.Tirages = options.Tirages;
    p.Graine = GraineHorloge();
    p.Fils = std::max(std::thread::hardware_concurrency(), 1u);
    return p;
}

void TDiagrammes::Calculer(const TOptionsDiagramme& options)
{
    travail_.reset();
    const TBDVasco* bd = mere_.Donnees();
    if (!bd)
        return;
    TParamEquilibre p = Parametres(options);
    auto resultat = std::make_shared<TResultat>();
    resultat->Options = options;
    resultat->Mesures = MesuresEnVigueur(*bd);
    resultat->Reference = ReferenceEnVigueur(*bd, options.Metier);
    resultat->Periode = bd->NbPeriodes() + 1;
    resultat->TexteMesures = QString::fromStdString(TexteMesuresEnVigueur(*bd));
    resultat_ = resultat;
    for (const auto& f : fenetres_)
        if (f) {
            f->FixerOptions(options);
            if (!calcule_)
                f->Diagramme()->FixerMessage(tr("Calcul de l'équilibre en cours..."));
        }
    travail_ = std::make_unique<TTravail>(mere_.statusBar(), tr("Diagramme bio-économique"),
                                          PeriodesEquilibre(p, bd->NbPeriodesAn));
    p.Annuler = &travail_->Annulation();
    p.Periodes = &travail_->Faits();
    Suivre();
    travail_->Lancer([p = std::move(p), resultat] { resultat->Equilibre = CalculerEquilibre(p); },
                     [this](bool annule) { Fin(annule); });
}

void TDiagrammes::Fin(bool annule)
{
    const std::exception_ptr echec = travail_->Echec();
    // Its thread has ended; it goes once this call is over, or with this
    // object.
    TTravail* fini = travail_.release();
    fini->setParent(this);
    fini->deleteLater();
    const std::shared_ptr<TResultat> r = std::move(resultat_);
    if (echec) {
        QString raison;
        try {
            std::rethrow_exception(echec);
        } catch (const std::exception& e) {
            raison = QString::fromStdString(e.what());
        } catch (...) {
        }
        messageFin_ = tr("Le calcul a échoué : %1").arg(raison);
    } else if (annule || !r || !r->Equilibre) {
        messageFin_ = tr("Calcul annulé.");
    } else {
        messageFin_.clear();
        options_ = r->Options;
        mesures_ = r->Mesures;
        reference_ = r->Reference;
        periode_ = r->Periode;
        calcule_ = true;
        const auto equilibre = std::make_shared<const TEquilibre>(std::move(*r->Equilibre));
        for (const auto& f : fenetres_)
            if (f) {
                f->Diagramme()->FixerEquilibre(equilibre, options_.Recrutement, reference_);
                f->Etat()->setToolTip(tr("Mesures en vigueur :\n%1").arg(r->TexteMesures));
            }
    }
    if (!calcule_)
        for (const auto& f : fenetres_)
            if (f)
                f->Diagramme()->FixerMessage(messageFin_);
    Suivre();
}

QString TDiagrammes::TexteEtat() const
{
    if (travail_)
        return tr("Calcul de l'équilibre en cours...");
    if (!calcule_)
        return messageFin_;
    QString texte = tr("Équilibre calculé pour les mesures en vigueur à la période %1")
                        .arg(periode_);
    const TBDVasco* bd = mere_.Donnees();
    if (options_.Metier && bd && *options_.Metier < bd->Metiers.Nombre())
        texte += tr(", navires du métier %1 seul")
                     .arg(QString::fromStdString(bd->Metiers.A<TMetierEco>(*options_.Metier).Nom));
    if (options_.Recrutement)
        texte += tr(", recrutement aléatoire (%1 tirages)").arg(options_.Tirages);
    texte += '.';
    if (!messageFin_.isEmpty())
        texte += ' ' + messageFin_;
    return texte;
}

void TDiagrammes::Suivre()
{
    const TBDVasco* bd = mere_.Donnees();
    if (!bd)
        return;
    const bool perime = calcule_ && MesuresEnVigueur(*bd) != mesures_;
    QString etat = TexteEtat();
    if (perime && !travail_)
        etat += ' ' + tr("Les mesures ont changé depuis : « Recalculer » les prend en compte.");
    TChemin chemin;
    if (calcule_)
        chemin = CalculerChemin(TSourceDonnees(*bd), reference_,
                                int64_t(mere_.Magnetoscope()->PositionCourante()) + 1);
    for (const auto& f : fenetres_) {
        if (!f)
            continue;
        f->FixerEtat(etat, perime);
        if (calcule_)
            f->Diagramme()->FixerChemin(chemin);
    }
}

void TDiagrammes::FixerComparaison(std::shared_ptr<const TComparaison> comparaison)
{
    for (const auto& f : fenetres_)
        if (f)
            f->Diagramme()->FixerComparaison(comparaison);
}

bool EnregistrerDiagramme(QWidget* fenetre, const QString& chemin)
{
    auto* diagramme = qobject_cast<TFenetreDiagramme*>(fenetre);
    return !diagramme || diagramme->Diagramme()->Enregistrer(chemin);
}

void TFenetreMere::AjouterCommandeDiagramme(QMenu* menu)
{
    menu->addSeparator();
    QAction* action = menu->addAction(tr("Diagramme bio-économique"));
    action->setObjectName("DiagrammeBioEconomique");
    action->setProperty(ProprieteAide, AideDiagramme);
    action->setStatusTip(tr("L'équilibre de la pêcherie selon sa flotte, et votre partie dessus"));
    action->setToolTip(action->statusTip());
    connect(action, &QAction::triggered, this, &TFenetreMere::OuvrirDiagramme);
}

void TFenetreMere::OuvrirDiagramme()
{
    if (!Donnees())
        return;
    // One pair of diagram windows at a time: the command opens it anew.
    delete Diagrammes();
    auto* diagrammes = new TDiagrammes(*this);
    diagrammes->FixerComparaison(Comparaison());
    diagrammes->Calculer({});
}

TDiagrammes* TFenetreMere::Diagrammes() const
{
    for (auto* d : findChildren<TDiagrammes*>(QString(), Qt::FindDirectChildrenOnly))
        if (d->Fenetre(0) || d->Fenetre(1))
            return d;
    return nullptr;
}

} // namespace vasco
