#pragma once
// Today's date, time and the user's names for them, from the system clock.
#include "output/variaveis.h"

namespace mobrix {

DataHora DataHoraAtual();

}  // namespace mobrix
