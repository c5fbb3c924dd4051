#include "shell/UMagnetoAccessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>

namespace vasco {

namespace {

const char* const NomMagneto = QT_TRANSLATE_NOOP("vasco::TMagneto", "Magnétoscope");

QString DescriptionPosition(const TMagneto& magneto)
{
    if (magneto.Position < 0)
        return TMagneto::tr("Aucune période simulée");
    if (magneto.ApresLaFin())
        return TMagneto::tr("Période %1 sur %2, après la fin de la partie")
            .arg(magneto.Position + 1)
            .arg(magneto.Max + 1);
    return TMagneto::tr("Période %1 sur %2").arg(magneto.Position + 1).arg(magneto.Max + 1);
}

// The control, or nothing once it is gone or being destroyed: a cast that
// fails as soon as the control's own destructor has run, so that a screen
// reader asking during the rest of the widget's destruction reads nothing
// of it.
TMagneto* Vivant(QObject* objet)
{
    return qobject_cast<TMagneto*>(objet);
}

// One button of the control.  It is no QObject: the control's interface
// creates it, registers it with Qt's cache and deletes it.
class TBoutonAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    TBoutonAccessible(TMagneto* magneto, TMPBtnType bouton) : magneto_(magneto), bouton_(bouton) {}

    bool isValid() const override { return Magneto(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override
    {
        QAccessibleInterface* groupe = parent();
        return groupe ? groupe->window() : nullptr;
    }
    QAccessibleInterface* parent() const override
    {
        TMagneto* m = Magneto();
        return m ? QAccessible::queryAccessibleInterface(m) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text quoi) const override
    {
        if (!Magneto())
            return {};
        switch (quoi) {
        case QAccessible::Name: return TMagneto::NomBouton(bouton_);
        case QAccessible::Description: return TMagneto::BulleBouton(bouton_);
        default: return {};
        }
    }
    void setText(QAccessible::Text, const QString&) override {}

    // In screen coordinates, as every accessible rectangle.
    QRect rect() const override
    {
        TMagneto* m = Magneto();
        if (!m)
            return {};
        const QRect r = m->RectBouton(bouton_);
        return {m->mapToGlobal(r.topLeft()), r.size()};
    }
    QAccessible::Role role() const override { return QAccessible::Button; }
    QAccessible::State state() const override
    {
        QAccessible::State etat;
        TMagneto* m = Magneto();
        if (!m) {
            etat.invalid = true;
            return etat;
        }
        etat.focusable = true;
        etat.disabled = !m->isEnabled() || !m->BoutonActif(bouton_);
        etat.invisible = !m->isVisible();
        return etat;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override
    {
        if (TMagneto* m = Magneto(); m && action == pressAction())
            m->Appuyer(bouton_);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    TMagneto* Magneto() const { return Vivant(magneto_.data()); }

    QPointer<TMagneto> magneto_;
    TMPBtnType bouton_;
};

// The control itself: a group holding its buttons, described by its
// position.  Qt's cache creates it once per control and deletes it when the
// control dies; the buttons go with it.
class TMagnetoAccessible : public QAccessibleWidget {
public:
    explicit TMagnetoAccessible(TMagneto* magneto)
        : QAccessibleWidget(magneto, QAccessible::Grouping)
    {
        for (int i = 0; i < NbBoutonsMagneto; ++i)
            boutons_[i] = QAccessible::registerAccessibleInterface(
                new TBoutonAccessible(magneto, TMPBtnType(i)));
    }
    ~TMagnetoAccessible() override
    {
        for (QAccessible::Id id : boutons_)
            QAccessible::deleteAccessibleInterface(id);
    }
    TMagnetoAccessible(const TMagnetoAccessible&) = delete;
    TMagnetoAccessible& operator=(const TMagnetoAccessible&) = delete;

    bool isValid() const override { return QAccessibleWidget::isValid() && Magneto(); }
    int childCount() const override { return NbBoutonsMagneto; }
    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= NbBoutonsMagneto)
            return nullptr;
        return QAccessible::accessibleInterface(boutons_[index]);
    }
    int indexOfChild(const QAccessibleInterface* enfant) const override
    {
        for (int i = 0; i < NbBoutonsMagneto; ++i) {
            if (enfant && enfant == child(i))
                return i;
        }
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        TMagneto* m = Magneto();
        return m ? child(m->BoutonEn(m->mapFromGlobal(QPoint(x, y)))) : nullptr;
    }
    QString text(QAccessible::Text quoi) const override
    {
        TMagneto* m = Magneto();
        if (!m)
            return {};
        switch (quoi) {
        case QAccessible::Name: return TMagneto::tr(NomMagneto);
        case QAccessible::Description: return DescriptionPosition(*m);
        default: return QAccessibleWidget::text(quoi);
        }
    }

private:
    TMagneto* Magneto() const { return Vivant(object()); }

    std::array<QAccessible::Id, NbBoutonsMagneto> boutons_{};
};

QAccessibleInterface* Fabrique(const QString&, QObject* objet)
{
    TMagneto* magneto = Vivant(objet);
    return magneto ? new TMagnetoAccessible(magneto) : nullptr;
}

} // namespace

void InstallerMagnetoAccessible()
{
    static const bool installe = (QAccessible::installFactory(Fabrique), true);
    (void)installe;
}

void AnnoncerMagneto(TMagneto& magneto, const TMagneto::TAnnonce& avant,
                     const TMagneto::TAnnonce& apres)
{
    // Qt drops events while no assistive technology listens: no interface
    // is built for nothing.
    if (!QAccessible::isActive())
        return;
    QAccessibleInterface* groupe = QAccessible::queryAccessibleInterface(&magneto);
    if (!groupe)
        return;
    for (int i = 0; i < NbBoutonsMagneto; ++i) {
        QAccessibleInterface* bouton = groupe->child(i);
        if (!bouton || avant.Offerts[i] == apres.Offerts[i])
            continue;
        QAccessible::State change;
        change.disabled = true;
        QAccessibleStateChangeEvent evenement(bouton, change);
        QAccessible::updateAccessibility(&evenement);
    }
    if (avant.Position != apres.Position || avant.Max != apres.Max ||
        avant.ApresLaFin != apres.ApresLaFin) {
        QAccessibleEvent evenement(groupe, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&evenement);
    }
}

} // namespace vasco
