// Game files in the main window: "Ouvrir une partie..." and "Enregistrer la
// partie...", and the question asked before a changed game is dropped.

#include "biology/UMath.h"
#include "dataset/UPartie.h"
#include "dataset/Ubd.h"
#include "model/UContextes.h"
#include "model/Umessages.h"
#include "shell/Mere.h"
#include "shell/UChemins.h"
#include "shell/UMagneto.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QStatusBar>
#include <QTimer>
#include <filesystem>
#include <vector>

namespace vasco {

namespace {

constexpr const char* EchecOuverture =
    QT_TRANSLATE_NOOP("vasco::TFenetreMere", "La partie ne peut pas être ouverte");
constexpr const char* FiltrePartie =
    QT_TRANSLATE_NOOP("vasco::TFenetreMere", "Parties Vasco (*.vsp)");

std::filesystem::path Chemin(const QString& chemin)
{
    return std::filesystem::path(QFile::encodeName(chemin).toStdString());
}

QString Nom(const std::filesystem::path& chemin)
{
    return QFile::decodeName(QByteArray::fromStdString(chemin.string()));
}

} // namespace

void TFenetreMere::CreerCommandesPartie(QMenu* fichier)
{
    QAction* ouvrir =
        NouvelleAction(fichier, "OuvrirPartie", tr("Ouvrir une partie..."), AideOuvrirPartie);
    ouvrir->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O));
    connect(ouvrir, &QAction::triggered, this, &TFenetreMere::OuvrirPartieCommande);
    QAction* enregistrer = NouvelleAction(fichier, "EnregistrerPartie",
                                          tr("Enregistrer la partie..."), AideEnregistrerPartie);
    enregistrer->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    connect(enregistrer, &QAction::triggered, this, &TFenetreMere::EnregistrerPartieSous);

    // Both dialogs start in the folder of the last game, else in that of
    // the data file.
    const auto dossier = [this] {
        return partie_.isEmpty() ? DossierDepart() : QFileInfo(partie_).absolutePath();
    };
    DemanderPartieAEnregistrer = [this, dossier] {
        QFileDialog dialogue(this, tr("Enregistrer la partie"), dossier(), tr(FiltrePartie));
        dialogue.setObjectName("DialogueEnregistrerPartie");
        dialogue.setProperty(ProprieteAide, AideEnregistrerPartie);
        dialogue.setAcceptMode(QFileDialog::AcceptSave);
        dialogue.setFileMode(QFileDialog::AnyFile);
        dialogue.setDefaultSuffix("vsp");
        return NomAEnregistrer(dialogue);
    };
    DemanderPartieAOuvrir = [this, dossier] {
        QFileDialog dialogue(this, tr("Ouvrir une partie"), dossier(),
                             tr("%1;;Tous les fichiers (*)").arg(tr(FiltrePartie)));
        dialogue.setObjectName("DialogueOuvrirPartie");
        dialogue.setProperty(ProprieteAide, AideOuvrirPartie);
        dialogue.setFileMode(QFileDialog::ExistingFile);
        if (dialogue.exec() != QDialog::Accepted || dialogue.selectedFiles().isEmpty())
            return QString();
        return dialogue.selectedFiles().constFirst();
    };
}

void TFenetreMere::AfficherTitre()
{
    setWindowTitle(partie_.isEmpty() ? QStringLiteral("Vasco  ")
                                     : "Vasco - " + QFileInfo(partie_).fileName());
}

std::string TFenetreMere::TextePartie(bool concours) const
{
    if (!bd_)
        return {};
    return EcrirePartie(*bd_, Chemin(fichier_).generic_string(), empreinte_, concours);
}

bool TFenetreMere::PartieModifiee() const
{
    return bd_ && TextePartie() != reference_;
}

bool TFenetreMere::EnregistrerPartie(const QString& chemin)
{
    if (!bd_)
        return false;
    const QString absolu = QFileInfo(chemin).absoluteFilePath();
    const std::string texte = EcrirePartie(*bd_, CheminDonnees(Chemin(fichier_), Chemin(absolu)),
                                           empreinte_, Coche("Concours"));
    // QSaveFile writes beside the target and renames over it on commit: a
    // failed write leaves the previous file whole.  A short write (a full
    // disk, a size limit) is not always an error of the file: the size
    // written is checked before the rename.
    QSaveFile fichier(absolu);
    const auto taille = static_cast<qint64>(texte.size());
    QString raison;
    if (!fichier.open(QIODevice::WriteOnly)) {
        raison = fichier.errorString();
    } else if (fichier.write(texte.data(), taille) != taille || !fichier.flush() ||
               fichier.size() != taille) {
        raison = fichier.error() != QFileDevice::NoError
                     ? fichier.errorString()
                     : tr("écriture incomplète (disque plein ?)");
        fichier.cancelWriting();
    } else if (!fichier.commit()) {
        raison = fichier.errorString();
    }
    if (!raison.isNull()) {
        Signaler(tr("La partie n'a pas pu être enregistrée\n« %1 » : %2")
                     .arg(QDir::toNativeSeparators(absolu), raison)
                     .toStdString());
        return false;
    }
    partie_ = absolu;
    reference_ = TextePartie();
    AfficherTitre();
    statusBar()->showMessage(tr("Partie enregistrée dans %1").arg(QFileInfo(absolu).fileName()),
                             5000);
    return true;
}

void TFenetreMere::EnregistrerPartieSous()
{
    if (!bd_ || EnCours || !DemanderPartieAEnregistrer)
        return;
    const QString nom = DemanderPartieAEnregistrer();
    if (!nom.isEmpty())
        EnregistrerPartie(nom);
}

bool TFenetreMere::ProposerEnregistrement()
{
    if (!PartieModifiee())
        return true;
    // A run or a replay waits for the answer: its next period is not
    // scheduled meanwhile.
    const bool enCours = EnCours;
    continu_->stop();
    magneto_->Suspendre(true);
    QMessageBox boite(QMessageBox::Question, "Vasco", tr("Enregistrer la partie ?"),
                      QMessageBox::NoButton, this);
    boite.setObjectName("QuestionEnregistrer");
    boite.setInformativeText(
        partie_.isEmpty() ? tr("La partie en cours n'a pas été enregistrée.")
                          : tr("La partie « %1 » a changé depuis son dernier enregistrement.")
                                .arg(QFileInfo(partie_).fileName()));
    QPushButton* oui = boite.addButton(tr("Enregistrer"), QMessageBox::AcceptRole);
    QPushButton* non = boite.addButton(tr("Ne pas enregistrer"), QMessageBox::DestructiveRole);
    QPushButton* annuler = boite.addButton(tr("Annuler"), QMessageBox::RejectRole);
    boite.setDefaultButton(oui);
    boite.setEscapeButton(annuler);
    boite.exec();
    bool suite = boite.clickedButton() == non;
    if (boite.clickedButton() == oui) {
        const QString nom = partie_.isEmpty() && DemanderPartieAEnregistrer
                                ? DemanderPartieAEnregistrer()
                                : partie_;
        suite = !nom.isEmpty() && EnregistrerPartie(nom);
    }
    // Cancelled, everything goes on as it was; otherwise what follows (a
    // load, the end) stops them.
    if (!suite) {
        if (enCours && EnCours)
            continu_->start();
        magneto_->Suspendre(false);
    }
    return suite;
}

void TFenetreMere::OuvrirPartieCommande()
{
    if (EnCours || !DemanderPartieAOuvrir || !ProposerEnregistrement())
        return;
    const QString nom = DemanderPartieAOuvrir();
    if (!nom.isEmpty())
        OuvrirPartie(nom);
}

bool TFenetreMere::OuvrirPartie(const QString& chemin)
{
    if (EnCours)
        return false;
    const QString absolu = QFileInfo(chemin).absoluteFilePath();
    const QString nom = QFileInfo(absolu).fileName();
    const auto echec = [&](const std::string& raison) {
        Signaler(tr(EchecOuverture).toStdString() + '\n' + raison);
        return false;
    };
    QFile fichier(absolu);
    if (!fichier.open(QIODevice::ReadOnly))
        return echec(tr("%1 : le fichier ne peut pas être ouvert")
                         .arg(QDir::toNativeSeparators(absolu))
                         .toStdString());
    TPartie partie;
    try {
        partie = LirePartie(fichier.readAll().toStdString());
    } catch (const ErreurScenario& erreur) {
        return echec(nom.toStdString() + " : " + erreur.what());
    }

    // The data file, by content: where the game names it, beside it, among
    // the samples; found nowhere, the user is asked for it.
    std::vector<std::filesystem::path> exemples;
    if (const QString dossier = FichierProgramme("data"); !dossier.isEmpty())
        exemples.push_back(Chemin(dossier));
    TDonneesTrouvees donnees = TrouverDonnees(partie, Chemin(absolu), exemples);
    if (donnees.Chemin.empty()) {
        statusBar()->showMessage(
            tr("%1 : choisissez-le.")
                .arg(QString::fromStdString(MessageDonneesIntrouvables(partie.Donnees))));
        const QString choisi = DemanderFichier ? DemanderFichier() : QString();
        statusBar()->clearMessage();
        if (choisi.isEmpty())
            return false;
        TPartie seul = partie;
        seul.Donnees = Chemin(choisi).string();
        donnees = TrouverDonnees(seul, Chemin(absolu), {});
        if (donnees.Chemin.empty())
            return echec(MessageDonneesIntrouvables(partie.Donnees));
    }
    if (!donnees.Conforme)
        return echec(MessageDonneesChangees(partie.Donnees));

    // Loaded with the game's seed and options and replayed with a host of
    // its own: the windows of the current game see nothing of it, and a
    // game that cannot be replayed leaves the generator as it was.  The
    // messages of the replay are those the player saw: gathered in one.
    const uint32_t etat = Graine();
    THoteSansFenetre hote;
    AmorcerPartie(partie, hote);
    const QString donneesAbsolu = QFileInfo(Nom(donnees.Chemin)).absoluteFilePath();
    std::unique_ptr<TBDVasco> bd = LireDonnees(donneesAbsolu, donnees.Contenu, &hote);
    if (!bd) {
        FixerGraine(etat);
        return false;
    }
    std::vector<std::string> messages;
    const TRecepteur precedent =
        InstallerRecepteur([&messages](const std::string& texte) { messages.push_back(texte); });
    std::string raison;
    try {
        Rejouer(partie, partie.Mesures(*bd), partie.Periodes, *bd);
    } catch (const ErreurScenario& erreur) {
        raison = nom.toStdString() + " : " + erreur.what();
    } catch (const std::exception& erreur) {
        raison = nom.toStdString() + " : " + erreur.what();
    }
    InstallerRecepteur(precedent);
    if (!raison.empty()) {
        FixerGraine(etat);
        return echec(raison);
    }

    Installer(std::move(bd), donneesAbsolu, donnees.Contenu);
    FixerAleatoire(hote.Recrutement, hote.Croissance);
    // The contest mark as it was, without its handler (which reloads).
    Action("Concours")->setChecked(partie.Concours);
    // As after a step: the step control at the last period, and the
    // turnover graph shown, drawn once.
    if (Donnees()->NbPeriodes() > 0) {
        OuvrirCAEtBenefices();
        magneto_->FixerDernier(Donnees()->NbPeriodes() - 1);
        ModifierEnabled(TMode::ApresPas);
    }
    partie_ = absolu;
    reference_ = TextePartie();
    AfficherTitre();
    AfficherPosition();
    if (!messages.empty())
        Signaler(tr("%1 message(s) pendant la reprise de la partie, le premier :\n%2")
                     .arg(messages.size())
                     .arg(QString::fromStdString(messages.front()))
                     .toStdString());
    return true;
}

} // namespace vasco
