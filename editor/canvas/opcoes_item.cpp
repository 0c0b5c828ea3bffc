#include "canvas/opcoes_item.h"

#include "canvas/texto_estilizado.h"
#include "document/cp1252.h"

namespace mobrix {

int Alinhamento(const Texto10& texto) {
    static constexpr int Valores[] = {FlagPosicao1, FlagPosicao2, FlagPosicao3, FlagPosicao4, FlagPosicao5,
                                      FlagPosicao6, 0,            FlagPosicao8, FlagPosicao9, FlagPosicao10};
    int flags = 0;
    for (int pos = 1; pos <= 10; ++pos)
        if (texto.ligado(pos)) flags |= Valores[pos - 1];
    return flags;
}

int AnguloDe(const Texto10& atributos) {
    int d = atributos.digito(7);
    if (d & 2) return 90;
    if (d & 4) return 180;
    if (d & 8) return 270;
    return 0;
}

FonteSuperficie FonteDoItem(const FonteItem& fonte) {
    FonteSuperficie f;
    f.Nome = Cp1252ParaUtf8(fonte.Nome);
    f.Tamanho = AjustarTamanhoFonte(fonte.Tamanho);
    f.Negrito = fonte.Negrito;
    f.Italico = fonte.Italico;
    f.Sublinhado = fonte.Sublinhado;
    f.Riscado = fonte.Riscado;
    return f;
}

}  // namespace mobrix
