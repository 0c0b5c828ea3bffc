#pragma once
// Widget suites run with HOME, the XDG folders and TMPDIR inside a folder of
// their own, so nothing they do reaches the user's real files. Link
// ambiente_isolado.cpp into the suite; the folder lives for the whole run.
#include <string>

namespace mobrix::teste {

// The isolated folder, with a trailing '/'.
const std::string& PastaDoAmbiente();

}  // namespace mobrix::teste
