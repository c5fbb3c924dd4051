// The dialog side of the main window: its dialogs, created once at start.
#pragma once

namespace vasco {

struct TPartieDialogues {};

} // namespace vasco
