#!/usr/bin/env bash
# Brings translations/vasco_en.ts up to date with the texts of the program:
# those of the windows (tr) and those of the model (QT_TRANSLATE_NOOP), as
# lupdate finds them.  New texts come in unfinished; translate them (Qt
# Linguist, or by hand) and commit the file.  The build compiles it.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=/usr/lib/qt6/bin/lupdate
[[ -x $lupdate ]] || lupdate=lupdate
"$lupdate" -no-obsolete -locations none -source-language fr_FR -target-language en_GB \
    -I . model biology economics dataset shell dialogs graphs -ts translations/vasco_en.ts
