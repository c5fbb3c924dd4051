// Game files in the main window: "Ouvrir une partie..." and "Enregistrer la
// partie...", and the question asked before a changed game is dropped.

#include "dataset/USession.h"
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

    DemanderPartieAEnregistrer = [this] {
        QFileDialog dialogue(this, tr("Enregistrer la partie"), DossierParties(), tr(FiltrePartie));
        dialogue.setObjectName("DialogueEnregistrerPartie");
        dialogue.setProperty(ProprieteAide, AideEnregistrerPartie);
        dialogue.setAcceptMode(QFileDialog::AcceptSave);
        dialogue.setFileMode(QFileDialog::AnyFile);
        dialogue.setDefaultSuffix("vsp");
        return NomAEnregistrer(dialogue);
    };
    DemanderPartieAOuvrir = [this] {
        QFileDialog dialogue(this, tr("Ouvrir une partie"), DossierParties(), FiltresParties());
        dialogue.setObjectName("DialogueOuvrirPartie");
        dialogue.setProperty(ProprieteAide, AideOuvrirPartie);
        dialogue.setFileMode(QFileDialog::ExistingFile);
        if (dialogue.exec() != QDialog::Accepted || dialogue.selectedFiles().isEmpty())
            return QString();
        return dialogue.selectedFiles().constFirst();
    };
}

// The game dialogs start in the folder of the last game, else in that of
// the data file.
QString TFenetreMere::DossierParties() const
{
    return FichierPartie().isEmpty() ? DossierDepart() : QFileInfo(FichierPartie()).absolutePath();
}

QString TFenetreMere::FiltresParties() const
{
    return tr("%1;;Tous les fichiers (*)").arg(tr(FiltrePartie));
}

QString TFenetreMere::FichierPartie() const
{
    return Nom(session_->FichierPartie());
}

void TFenetreMere::AfficherTitre()
{
    const QString partie = FichierPartie();
    setWindowTitle(partie.isEmpty() ? QStringLiteral("Vasco  ")
                                    : "Vasco - " + QFileInfo(partie).fileName());
}

bool TFenetreMere::PartieModifiee() const
{
    return session_->Modifiee();
}

bool TFenetreMere::EnregistrerPartie(const QString& chemin)
{
    if (!Donnees())
        return false;
    const QString absolu = QFileInfo(chemin).absoluteFilePath();
    const std::string texte = session_->TexteAEnregistrer(Chemin(absolu));
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
    session_->Enregistree(Chemin(absolu));
    AfficherTitre();
    statusBar()->showMessage(tr("Partie enregistrée dans %1").arg(QFileInfo(absolu).fileName()),
                             5000);
    return true;
}

void TFenetreMere::EnregistrerPartieSous()
{
    if (!Donnees() || EnCours || !DemanderPartieAEnregistrer)
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
    const QString partie = FichierPartie();
    boite.setInformativeText(
        partie.isEmpty() ? tr("La partie en cours n'a pas été enregistrée.")
                         : tr("La partie « %1 » a changé depuis son dernier enregistrement.")
                               .arg(QFileInfo(partie).fileName()));
    QPushButton* oui = boite.addButton(tr("Enregistrer"), QMessageBox::AcceptRole);
    QPushButton* non = boite.addButton(tr("Ne pas enregistrer"), QMessageBox::DestructiveRole);
    QPushButton* annuler = boite.addButton(tr("Annuler"), QMessageBox::RejectRole);
    boite.setDefaultButton(oui);
    boite.setEscapeButton(annuler);
    boite.exec();
    bool suite = boite.clickedButton() == non;
    if (boite.clickedButton() == oui) {
        const QString nom =
            partie.isEmpty() && DemanderPartieAEnregistrer ? DemanderPartieAEnregistrer() : partie;
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
    const std::string nom = QFileInfo(absolu).fileName().toStdString();

    // The data file, by content: where the game names it, beside it, among
    // the samples; found nowhere, the user is asked for it.
    std::vector<std::filesystem::path> exemples;
    if (const QString dossier = FichierProgramme("data"); !dossier.isEmpty())
        exemples.push_back(Chemin(dossier));
    const auto demander = [this](const std::string& donnees) {
        statusBar()->showMessage(
            tr("%1 : choisissez-le.")
                .arg(QString::fromStdString(MessageDonneesIntrouvables(donnees))));
        const QString choisi = DemanderFichier ? DemanderFichier() : QString();
        statusBar()->clearMessage();
        return Chemin(choisi);
    };
    // The messages of the replay are those the player saw: gathered in one.
    std::vector<std::string> messages;
    TReprise reprise;
    reprise.Recepteur = [&messages](const std::string& texte) { messages.push_back(texte); };
    const TCompteRendu ouverture = session_->Ouvrir(Chemin(absolu), exemples, demander, reprise);

    const auto echec = [](const std::string& raison) {
        Signaler(tr(EchecOuverture).toStdString() + '\n' + raison);
        return false;
    };
    switch (ouverture.Refus) {
    case TRefusSession::Aucun: break;
    case TRefusSession::PartieIllisible:
        return echec(tr("%1 : le fichier ne peut pas être ouvert")
                         .arg(QDir::toNativeSeparators(absolu))
                         .toStdString());
    case TRefusSession::PartieFautive:
    case TRefusSession::Reprise: return echec(nom + " : " + ouverture.Raison);
    case TRefusSession::DonneesIntrouvables:
    case TRefusSession::DonneesChangees: return echec(ouverture.Raison);
    case TRefusSession::DonneesAbandonnees: return false;
    case TRefusSession::DonneesIllisibles:
        SignalerEchecChargement(QFileInfo(Nom(ouverture.Donnees)).absoluteFilePath(), ouverture);
        return false;
    }

    Installer();
    // As after a step: the step control at the last period, and the
    // turnover graph shown, drawn once.
    if (Donnees()->NbPeriodes() > 0) {
        OuvrirCAEtBenefices();
        magneto_->FixerDernier(Donnees()->NbPeriodes() - 1);
        ModifierEnabled(TMode::ApresPas);
    }
    AfficherPosition();
    if (!messages.empty())
        Signaler(tr("%1 message(s) pendant la reprise de la partie, le premier :\n%2")
                     .arg(messages.size())
                     .arg(QString::fromStdString(messages.front()))
                     .toStdString());
    return true;
}

} // namespace vasco
