#include "barcodes/codigo_por_tipo.h"

#include <algorithm>

#include "barcodes/codigos_lineares.h"
#include "barcodes/desenho_linear.h"
#include "document/modelo.h"

namespace mobrix {

bool DesenharCodigoLinear(Superficie& s, int tipo, int16_t alturaBarras, const std::string& texto,
                          bool numerosOcultos, int16_t angulo) {
    const bool numeros = !numerosOcultos;
    switch (tipo) {
        case TipoEAN13: DesenharEAN13(s, alturaBarras, texto, numeros, angulo); return true;
        case TipoEAN8: DesenharEAN8(s, alturaBarras, texto, numeros, angulo); return true;
        case TipoCode39Check: DesenharCode39(s, alturaBarras, texto, true, numeros, angulo); return true;
        case TipoCode128C: DesenharCode128C(s, alturaBarras, texto, numeros, angulo); return true;
        case TipoIntercalado25: DesenharIntercalado25(s, alturaBarras, texto, numeros, false, angulo); return true;
        case TipoCode39: DesenharCode39(s, alturaBarras, texto, false, numeros, angulo); return true;
        case TipoIntercalado25SemNumeros: {
            auto altura = static_cast<int16_t>(std::min(alturaBarras + AlturaNumeros, int{INT16_MAX}));
            DesenharIntercalado25(s, altura, texto, false, false, angulo);
            return true;
        }
        case TipoIntercalado25NumerosTopo: DesenharIntercalado25(s, alturaBarras, texto, numeros, true, angulo); return true;
        case TipoCode128B: DesenharCode128B(s, alturaBarras, texto, numeros, angulo); return true;
        default: return false;
    }
}

}  // namespace mobrix
