#include "shell/UReglages.h"

namespace vasco {

namespace {

constexpr const char* CleLegendes = "Legendes";

} // namespace

QSettings Reglages()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Vasco", "Vasco");
}

bool LegendesAffichees()
{
    return Reglages().value(CleLegendes, true).toBool();
}

void EnregistrerLegendes(bool afficher)
{
    Reglages().setValue(CleLegendes, afficher);
}

} // namespace vasco
