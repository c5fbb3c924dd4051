// The help viewer: the help file "Vasco.hlp" is one UTF-8 text file of HTML
// topics, each opened by a line "@sujet <context number> <title>"; the lines
// before the first topic are comments.  A link to another topic is written
// <a href="aide:127">.  The viewer is a window of its own that shows one
// topic at a time, with the contents, back and forward.
#pragma once

#include <QTextBrowser>
#include <QWidget>
#include <map>

class QToolButton;

namespace vasco {

struct TSujetAide {
    QString Titre;
    QString Html;
};

// The topics of a help file by context number; empty when the file cannot
// be read.
std::map<int, TSujetAide> LireFichierAide(const QString& chemin);

// A text browser whose pages are the topics ("aide:<context>").
class TNavigateurAide : public QTextBrowser {
public:
    explicit TNavigateurAide(QWidget* parent = nullptr) : QTextBrowser(parent) {}
    std::map<int, TSujetAide> Sujets;

    QVariant loadResource(int type, const QUrl& nom) override;
};

class TAide : public QWidget {
    Q_OBJECT

public:
    explicit TAide(QWidget* parent = nullptr);

    // Reads the help file; false when it cannot be read or holds no topic.
    bool Charger(const QString& chemin);
    bool Charge() const { return !navigateur_->Sujets.empty(); }
    // Shows the topic of a context, or the contents when there is none.
    void Afficher(int contexte);
    int ContexteAffiche() const { return contexte_; }
    const std::map<int, TSujetAide>& Sujets() const { return navigateur_->Sujets; }
    TNavigateurAide* Navigateur() const { return navigateur_; }

private:
    void SourceChangee(const QUrl& source);

    TNavigateurAide* navigateur_;
    QToolButton* precedent_;
    QToolButton* suivant_;
    int contexte_ = -1;
};

} // namespace vasco
