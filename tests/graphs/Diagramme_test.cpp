// The bio-economic diagram in the main window: the command and its two
// windows, the CSV equal to vasco-batch --equilibre in the scales' units,
// the player's path, the compared games, the legend, the read-out and the
// accessible table, and a computation cancelled by its button, by closing
// a window, by loading a file and by quitting, with no thread left.
#include "dataset/UChemin.h"
#include "dataset/UComparaison.h"
#include "dataset/UDiagramme.h"
#include "dataset/USession.h"
#include "dataset/Ubd.h"
#include "economics/Ueco.h"
#include "graphs/UFGDiagramme.h"
#include "model/UContextes.h"
#include "model/UNombres.h"
#include "shell/Mere.h"
#include "shell/MereDiagramme.h"
#include "shell/MereGraphes.h"
#include "shell/UMagneto.h"
#include "shell/UTravail.h"
#include "tests/shell/Fenetre.h"
#include "tests/support/Classe.h"
#include "tests/support/Support.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <sstream>

namespace vasco {
namespace {

using namespace vasco::test;

// The threads of this process, as the system counts them.
int Fils()
{
    return static_cast<int>(QDir("/proc/self/task").entryList(QDir::Dirs | QDir::NoDotAndDotDot).size());
}

std::vector<std::string> Lignes(const std::string& texte)
{
    std::vector<std::string> lignes;
    std::istringstream flux(texte);
    for (std::string l; std::getline(flux, l);)
        lignes.push_back(l);
    return lignes;
}

std::vector<std::string> Champs(const std::string& ligne)
{
    std::vector<std::string> champs;
    std::string champ;
    std::istringstream flux(ligne);
    while (std::getline(flux, champ, ','))
        champs.push_back(champ);
    if (!ligne.empty() && ligne.back() == ',')
        champs.emplace_back();
    return champs;
}

class Diagramme : public testing::Test {
protected:
    // A coarser grid than the program's (13 factors, 20 years): the same
    // computation, quick enough under the sanitizers.
    static constexpr TGrilleDiagramme Grossiere{0, 3, 0.25, 20};

    void SetUp() override
    {
        TDiagrammes::Grille = Grossiere;
        mere.resize(1200, 900);
        ASSERT_TRUE(mere.ChargerFichier(Exemple("golfe.vsc")));
    }

    void Pas(int n)
    {
        for (int i = 0; i < n; ++i)
            mere.PasAPas();
    }
    TDiagrammes* Ouvrir()
    {
        mere.Action("DiagrammeBioEconomique")->trigger();
        return mere.Diagrammes();
    }
    bool Attendre(TDiagrammes* d)
    {
        return AttendreQue([&] { return !d->EnCours(); }, 60000);
    }

    void TearDown() override { TDiagrammes::Grille = {}; }

    Messages messages;
    TFenetreMere mere;
};

TEST_F(Diagramme, LaCommandeSuitLeCatalogueEtOuvreDeuxFenetres)
{
    auto* menu = mere.findChild<QMenu*>("Visualisations");
    ASSERT_NE(menu, nullptr);
    QAction* commande = menu->actions().last();
    EXPECT_EQ(commande->objectName(), "DiagrammeBioEconomique");
    EXPECT_EQ(commande->text(), "Diagramme bio-économique");
    EXPECT_EQ(commande->property(ProprieteAide).toInt(), AideDiagramme);

    Pas(8);
    const int avant = Fils();
    QElapsedTimer chrono;
    chrono.start();
    TDiagrammes* d = Ouvrir();
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(d->EnCours());
    ASSERT_NE(d->Travail()->Barre(), nullptr);
    ASSERT_TRUE(Attendre(d));
    std::cout << "diagramme de golfe.vsc : " << chrono.elapsed() << " ms\n";
    EXPECT_LE(Fils(), avant);
    for (int i = 0; i < 2; ++i) {
        TFenetreDiagramme* f = d->Fenetre(i);
        ASSERT_NE(f, nullptr);
        auto* sous = qobject_cast<QMdiSubWindow*>(f->parentWidget());
        ASSERT_NE(sous, nullptr);
        EXPECT_EQ(sous->windowTitle(), i == 0 ? "Diagramme bio-économique" : "Production d'équilibre");
        EXPECT_EQ(sous->property(ProprieteAide).toInt(), AideDiagramme);
        EXPECT_EQ(TFenetreMere::ContexteAideDe(f->Diagramme()), AideDiagramme);
        ASSERT_NE(f->Diagramme()->Equilibre(), nullptr);
        EXPECT_EQ(f->Diagramme()->Equilibre()->Grille.size(), 13u);
        EXPECT_TRUE(f->Etat()->text().contains("période 9")) << f->Etat()->text().toStdString();
        EXPECT_FALSE(f->Diagramme()->Image().isNull());
    }
    // Changed measures are told, and "Recalculer" computes for them.
    Mesurer(*mere.Donnees(), false, 0, TMesure::Navires, "3");
    d->Suivre();
    EXPECT_TRUE(d->Fenetre(0)->Etat()->text().contains("ont changé"));
    QTest::mouseClick(d->Fenetre(1)->BoutonRecalculer(), Qt::LeftButton);
    ASSERT_TRUE(Attendre(d));
    EXPECT_FALSE(d->Fenetre(0)->Etat()->text().contains("ont changé"));
    EXPECT_TRUE(messages.Textes().empty());
}

#ifdef VASCO_BATCH
TEST_F(Diagramme, LeCsvEstCeluiDeVascoBatchDansLesUnitesDesEchelles)
{
    Pas(5);
    Mesurer(*mere.Donnees(), false, 1, TMesure::Navires, "7");
    Mesurer(*mere.Donnees(), false, 0, TMesure::SubventionAn, "1000");
    TDiagrammes* d = Ouvrir();
    ASSERT_TRUE(Attendre(d));
    QTemporaryDir dossier;
    const QString csv = dossier.filePath("diagramme.csv");
    mere.Zone()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(d->Fenetre(0)->parentWidget()));
    mere.Graphes().DemanderFichierImage = [&] { return csv; };
    mere.EnregistrerGraphiqueSous();
    QFile fichier(csv);
    ASSERT_TRUE(fichier.open(QIODevice::ReadOnly));
    const std::string diagramme = fichier.readAll().toStdString();

    // The measures in force as a scenario file for vasco-batch.
    const QString scenario = dossier.filePath("mesures.scenario");
    EcrireFichier(scenario, QByteArray::fromStdString(TexteMesuresEnVigueur(*mere.Donnees())));
    QProcess batch;
    batch.start(VASCO_BATCH, {"--equilibre", "--fils", "2", "--facteurs", "0:3:0.25", "--annees",
                              "20", "--scenario", scenario, Exemple("golfe.vsc")});
    ASSERT_TRUE(batch.waitForFinished(60000));
    ASSERT_EQ(batch.exitCode(), 0) << batch.readAllStandardError().toStdString();
    const std::string sortie = batch.readAllStandardOutput().toStdString();

    const TBDVasco& bd = *mere.Donnees();
    const double monnaie = bd.EchelleDiviseur[EchelleMonnaie];
    const double poids = bd.EchelleDiviseur[EchellePoids];
    ASSERT_NE(monnaie, 1.0);
    const auto attendues = Lignes(sortie);
    const auto lues = Lignes(diagramme);
    ASSERT_EQ(lues.size(), attendues.size());
    ASSERT_EQ(lues[0], attendues[0]);
    const auto entete = Champs(attendues[0]);
    bool rente = false;
    for (size_t l = 1; l < lues.size(); ++l) {
        const auto a = Champs(attendues[l]);
        const auto b = Champs(lues[l]);
        ASSERT_EQ(a.size(), b.size()) << l;
        for (size_t c = 0; c < a.size(); ++c) {
            const std::string& nom = entete[c];
            double diviseur = 1;
            if (nom == "CA" || nom == "Couts" || nom == "Benefice" || nom == "SubventionsNettes" ||
                nom == "Rente")
                diviseur = monnaie;
            else if (nom == "PoidsDebarque")
                diviseur = poids;
            if (diviseur == 1 || a[c].empty()) {
                EXPECT_EQ(b[c], a[c]) << "ligne " << l << ", " << nom;
                continue;
            }
            // Both to nine significant digits.
            const double attendu = std::stod(a[c]) / diviseur;
            EXPECT_NEAR(std::stod(b[c]), attendu, 2e-8 * std::fabs(attendu) + 1e-300)
                << "ligne " << l << ", " << nom;
            EXPECT_EQ(b[c], NeufChiffres(std::stod(b[c])));
            rente = rente || (nom == "Rente" && a[c] != a[c - 2]);
        }
    }
    // The subsidy makes the rent differ from the profit: it is drawn.
    EXPECT_TRUE(rente);
    EXPECT_EQ(d->Fenetre(0)->Diagramme()->Legende().size(), 5u);
}
#endif

TEST_F(Diagramme, LeCheminDuJoueurSuitLeMagnetoscopeEtSeDessine)
{
    // The fleet halved in year 5, doubled in year 12.
    const int an = mere.Donnees()->NbPeriodesAn;
    const auto multiplier = [&](double f) {
        const TDefMesure& navires = Mesure(TMesure::Navires);
        TBDVasco& bd = *mere.Donnees();
        for (int m = 0; m < bd.Metiers.Nombre(); ++m)
            Mesurer(bd, false, m, TMesure::Navires,
                    NeufChiffres(static_cast<double>(
                        navires.Saisi(navires.Valeur(bd.Metiers.A<TMetierEco>(m).Courante()), an) *
                        f)));
    };
    Pas(4 * an);
    multiplier(0.5);
    Pas(7 * an);
    multiplier(2);
    Pas(3 * an + 2);
    TDiagrammes* d = Ouvrir();
    ASSERT_TRUE(Attendre(d));
    TFGDiagramme* g = d->Fenetre(0)->Diagramme();
    const TChemin& chemin = g->Chemin();
    ASSERT_EQ(chemin.Points.size(), 14u);
    EXPECT_FALSE(chemin.Approche);
    const TBDVasco& bd = *mere.Donnees();
    for (size_t y = 0; y < 14; ++y) {
        long double ca = 0;
        for (int p = 0; p < an; ++p)
            ca += bd.Bilans.A<TPeriodeBilan>(static_cast<int>(y) * an + p).CA;
        EXPECT_NEAR(chemin.Points[y].X, y >= 4 && y < 11 ? 0.5 : 1, 1e-12) << y;
        EXPECT_DOUBLE_EQ(chemin.Points[y].CA, static_cast<double>(ca / an)) << y;
    }
    // The last year is drawn where its figures put it.
    const TPointChemin& dernier = chemin.Points.back();
    const int x = g->ColonneX(dernier.X);
    const int y = g->LigneY(dernier.CA / bd.EchelleDiviseur[EchelleMonnaie]);
    EXPECT_EQ(g->Image().pixelColor(x, y), QColor(Qt::black));
    // Back to year 3 with the step control: three years.
    TMagneto& magneto = *mere.Magnetoscope();
    magneto.Appuyer(btDebut);
    for (int i = 0; i < 3; ++i)
        magneto.Appuyer(btAnPlus);
    magneto.Appuyer(btPeriodePlus);
    ASSERT_EQ(magneto.Position, 3 * an + 1);
    EXPECT_EQ(g->Chemin().Points.size(), 3u);
    EXPECT_EQ(d->Fenetre(1)->Diagramme()->Chemin().Points.size(), 3u);
}

TEST_F(Diagramme, LegendeLectureEtTableauCommeLesGraphes)
{
    Pas(8);
    TDiagrammes* d = Ouvrir();
    ASSERT_TRUE(Attendre(d));
    for (int i = 0; i < 2; ++i) {
        TFGDiagramme* g = d->Fenetre(i)->Diagramme();
        SCOPED_TRACE(i);
        // The legend: curves then the game, its band on and off with the option.
        const auto legende = g->Legende();
        ASSERT_FALSE(legende.empty());
        EXPECT_EQ(legende.front().Nom, i == 0 ? "Chiffre d'affaires" : "Poids débarqué");
        EXPECT_EQ(legende.back().Nom, "Votre partie");
        EXPECT_GT(g->HauteurLegende(), 0);
        const QImage avec = g->Image();
        mere.Action("Legendes")->trigger();
        EXPECT_EQ(g->HauteurLegende(), 0);
        EXPECT_NE(g->Image(), avec);
        mere.Action("Legendes")->trigger();
        EXPECT_GT(g->HauteurLegende(), 0);

        // The mouse over a point of the grid reads it.
        const auto& grille = g->Equilibre()->Grille;
        const int k = 5;
        QMouseEvent survol(QEvent::MouseMove, QPointF(g->ColonneX(grille[k].Facteur), g->LigneY(0) - 10),
                           QPointF(), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(g, &survol);
        EXPECT_EQ(g->LigneLue(), k);
        ASSERT_FALSE(g->TexteLecture().isEmpty());
        EXPECT_TRUE(g->TexteLecture()[1].contains(g->TexteCellule(k, 1)));
        EXPECT_NE(g->Ecran(), g->Image());
        // The keys move over the grid; Escape hides the read-out.
        g->setFocus();
        QTest::keyClick(g, Qt::Key_Home);
        EXPECT_EQ(g->LigneLue(), 0);
        QTest::keyClick(g, Qt::Key_Right);
        EXPECT_EQ(g->CurseurClavier(), 1);
        EXPECT_TRUE(g->accessibleDescription().startsWith(g->TexteLecture()[0]));
        QTest::keyClick(g, Qt::Key_Escape);
        EXPECT_EQ(g->LigneLue(), -1);
        EXPECT_EQ(g->Ecran(), g->Image());

        // The accessible table is the table of values.
        EXPECT_EQ(g->accessibleName(), i == 0 ? "Diagramme bio-économique" : "Production d'équilibre");
        EXPECT_TRUE(g->accessibleDescription().contains("RMD à f = "));
        QAccessibleInterface* acces = QAccessible::queryAccessibleInterface(g);
        ASSERT_NE(acces, nullptr);
        QAccessibleTableInterface* table = acces->tableInterface();
        ASSERT_NE(table, nullptr);
        EXPECT_EQ(table->rowCount(), 13);
        EXPECT_EQ(table->columnCount(), g->ColonnesTexte());
        EXPECT_EQ(table->columnDescription(0), "facteur f");
        QAccessibleInterface* cellule = table->cellAt(k, 1);
        ASSERT_NE(cellule, nullptr);
        EXPECT_EQ(cellule->text(QAccessible::Name), g->TexteCellule(k, 1));
        EXPECT_EQ(g->TexteCellule(k, 0), QLocale().toString(grille[k].Facteur, 'g', 6));
    }
    // The pictures and the clipboard's.
    QTemporaryDir dossier;
    TFGDiagramme* g = d->Fenetre(1)->Diagramme();
    EXPECT_TRUE(g->Enregistrer(dossier.filePath("d.png")));
    EXPECT_TRUE(g->Enregistrer(dossier.filePath("d.bmp")));
    EXPECT_EQ(QImage(dossier.filePath("d.png")).size(), g->Image().size());
    EXPECT_TRUE(messages.Textes().empty());
}

TEST_F(Diagramme, LesPartiesCompareesOntLeurCheminOuLeurMediane)
{
    namespace fs = std::filesystem;
    QTemporaryDir dossier;
    const fs::path chemin = dossier.path().toStdString();
    const auto eleves = ClasseVariee(4, 24);
    const auto fichiers = FaireClasse(chemin, "golfe.vsc", eleves);
    ASSERT_TRUE(mere.ChargerFichier(QString::fromStdString((chemin / "golfe.vsc").string())));
    Pas(6);
    TDiagrammes* d = Ouvrir();
    ASSERT_TRUE(Attendre(d));
    TFGDiagramme* g = d->Fenetre(0)->Diagramme();

    const auto comparer = [&](size_t n) {
        TDemandeComparaison demande;
        demande.Fichiers.assign(fichiers.begin(), fichiers.begin() + static_cast<long>(n));
        auto c = std::make_shared<TComparaison>();
        EXPECT_TRUE(Comparer(mere.Session(), demande, *c));
        EXPECT_EQ(c->Parties.size(), n);
        return std::shared_ptr<const TComparaison>(c);
    };
    const auto un = comparer(1);
    d->FixerComparaison(un);
    ASSERT_EQ(g->CheminsCompares().size(), 1u);
    EXPECT_EQ(g->CheminsCompares()[0].Nom.toStdString(), un->Parties[0].Nom);
    const TChemin seul = CalculerChemin(TSourceComparee(un->Parties[0], mere.Donnees()->Metiers.Nombre()),
                                        g->Reference(), un->Parties[0].Periodes);
    ASSERT_EQ(g->CheminsCompares()[0].Chemin.Points.size(), seul.Points.size());
    EXPECT_EQ(g->CheminsCompares()[0].Chemin.Points.back().X, seul.Points.back().X);
    EXPECT_EQ(g->Legende().back().Nom, "Votre partie");

    d->FixerComparaison(comparer(2));
    EXPECT_EQ(g->CheminsCompares().size(), 2u);

    const auto quatre = comparer(4);
    d->FixerComparaison(quatre);
    ASSERT_EQ(g->CheminsCompares().size(), 1u);
    EXPECT_EQ(g->CheminsCompares()[0].Nom, "Médiane de 4 parties");
    std::vector<TChemin> chemins;
    for (const TPartieComparee& p : quatre->Parties)
        chemins.push_back(CalculerChemin(TSourceComparee(p, mere.Donnees()->Metiers.Nombre()),
                                         g->Reference(), p.Periodes));
    const TChemin mediane = CheminMedian(chemins);
    ASSERT_EQ(g->CheminsCompares()[0].Chemin.Points.size(), mediane.Points.size());
    for (size_t y = 0; y < mediane.Points.size(); ++y) {
        EXPECT_EQ(g->CheminsCompares()[0].Chemin.Points[y].X, mediane.Points[y].X);
        EXPECT_EQ(g->CheminsCompares()[0].Chemin.Points[y].CA, mediane.Points[y].CA);
    }
    // Some of the class changed one métier only: approximate.
    EXPECT_TRUE(g->CheminsCompares()[0].Chemin.Approche);
    d->FixerComparaison(nullptr);
    EXPECT_TRUE(g->CheminsCompares().empty());
}

// A long computation: random recruitment with forty draws a point.
void Long(TDiagrammes* d)
{
    TFenetreDiagramme* f = d->Fenetre(0);
    f->ChoixRecrutement()->setChecked(true);
    f->ChoixTirages()->setValue(40);
    QTest::mouseClick(f->BoutonRecalculer(), Qt::LeftButton);
}

TEST_F(Diagramme, AnnulerFermerChargerQuitterNeLaissentAucunFil)
{
    // The program's own grid: long enough to be cancelled half-way.
    TDiagrammes::Grille = {};
    Pas(4);
    const int avant = Fils();
    {
        SCOPED_TRACE("bouton Annuler");
        TDiagrammes* d = Ouvrir();
        Long(d);
        ASSERT_TRUE(d->EnCours());
        QTRY_VERIFY(d->Travail()->Faits().load() > 0);
        // The window answers during the computation.
        QElapsedTimer chrono;
        chrono.start();
        QTest::mouseMove(d->Fenetre(1)->Diagramme(), QPoint(300, 200));
        QCoreApplication::processEvents();
        EXPECT_LT(chrono.elapsed(), 100);
        QTest::mouseClick(d->Travail()->Bouton(), Qt::LeftButton);
        ASSERT_TRUE(Attendre(d));
        EXPECT_TRUE(d->Fenetre(0)->Etat()->text().contains("annulé"));
        EXPECT_LE(Fils(), avant);
    }
    {
        SCOPED_TRACE("fenêtre fermée");
        TDiagrammes* d = Ouvrir();
        Long(d);
        ASSERT_TRUE(d->EnCours());
        delete d->Fenetre(1)->parentWidget();
        EXPECT_FALSE(d->EnCours());
        EXPECT_LE(Fils(), avant);
        EXPECT_NE(d->Fenetre(0), nullptr);
        EXPECT_TRUE(d->Fenetre(0)->Etat()->text().contains("annulé"));
    }
    {
        SCOPED_TRACE("autre fichier chargé");
        TDiagrammes* d = Ouvrir();
        Long(d);
        ASSERT_TRUE(d->EnCours());
        ASSERT_TRUE(mere.ChargerFichier(Exemple("simple.vsc")));
        EXPECT_EQ(mere.Diagrammes(), nullptr);
        EXPECT_LE(Fils(), avant);
        EXPECT_TRUE(mere.Zone()->subWindowList().isEmpty());
    }
    {
        SCOPED_TRACE("programme quitté");
        auto* autre = new TFenetreMere;
        ASSERT_TRUE(autre->ChargerFichier(Exemple("golfe.vsc")));
        autre->Action("DiagrammeBioEconomique")->trigger();
        Long(autre->Diagrammes());
        ASSERT_TRUE(autre->Diagrammes()->EnCours());
        autre->close();
        EXPECT_TRUE(autre->Zone()->subWindowList().isEmpty());
        delete autre;
        EXPECT_LE(Fils(), avant);
    }
    QCoreApplication::processEvents();
    EXPECT_TRUE(messages.Textes().empty());
}

} // namespace
} // namespace vasco
