#pragma once
// The layout document: bands of items plus the report-level settings, and the
// editor state that travels with it (selection, names, unit).
// Text is held as Windows-1252 bytes, exactly as the files carry it.
#include <cstdint>
#include <string>
#include <vector>

#include "document/texto10.h"

namespace mobrix {

// Item kinds (Item::Tipo).
enum TipoItem : uint8_t {
    TipoTexto = 0,
    TipoFigura = 1,
    TipoComando = 2,
    TipoEAN13 = 31,
    TipoEAN8 = 32,
    TipoCode39Check = 33,
    TipoCode128C = 34,
    TipoIntercalado25 = 35,
    TipoCode39 = 36,
    TipoIntercalado25SemNumeros = 37,
    TipoIntercalado25NumerosTopo = 38,
    TipoCode128B = 39,
    TipoBarraGrafico = 60,
    TipoPDF417 = 80,
};

inline bool EhCodigoLinear(int tipo) { return tipo >= 31 && tipo <= 39; }
inline bool EhCodigoBarras(int tipo) { return EhCodigoLinear(tipo) || tipo == TipoPDF417; }
// Barcodes, graph bars and PDF417: the kinds edited through the barcode dialog.
inline bool EhTipoCodigoBarras(int tipo) { return EhCodigoBarras(tipo) || tipo == TipoBarraGrafico; }

struct FonteItem {
    std::string Nome;
    int16_t Tamanho = 0;
    bool Negrito = false;
    bool Italico = false;
    bool Sublinhado = false;
    bool Riscado = false;

    bool operator==(const FonteItem&) const = default;
};

FonteItem FonteInicialPadrao();  // "Arial", 10, no styles

struct Item {
    std::string Texto;
    FonteItem Fonte;
    int32_t Esquerda = 0;
    int32_t Largura = 64;
    Texto10 Linhas;
    Texto10 Atributos;
    uint8_t CorTexto = 0;
    uint8_t CorFundo = 99;
    uint8_t CorLinhas = 0;
    uint8_t Espessura = 1;
    uint8_t Tipo = TipoTexto;

    bool operator==(const Item&) const = default;
};

struct Banda {
    int32_t Topo = 0;
    int32_t Altura = 18;  // <= 0: automatic height, magnitude is the current height
    int32_t Deslocamento = 0;
    std::string Comentario;
    std::vector<Item> Itens;

    int NumItens() const { return static_cast<int>(Itens.size()); }
    // 1-based access; the caller guarantees 1 <= k <= NumItens().
    Item& item(int k) { return Itens[static_cast<size_t>(k - 1)]; }
    const Item& item(int k) const { return Itens[static_cast<size_t>(k - 1)]; }
    // |Altura|; INT32_MIN (only from a damaged file) saturates instead of overflowing.
    int32_t AlturaEfetiva() const { return Altura >= 0 ? Altura : (Altura == INT32_MIN ? INT32_MAX : -Altura); }

    bool operator==(const Banda&) const = default;
};

inline const char* const MargemPadrao = "\"0\"";

struct ConfigRelatorio {
    bool Paisagem = false;
    bool Imprimir = false;
    bool Visivel = false;
    std::string NomeImpressora;
    bool QuebraFinal = false;
    int16_t QualidadeJPG = 92;
    int16_t FormatoEmail = 1;
    std::string TextoEmail;
    int32_t FimCabecalho = 0;
    std::string MargemEsquerda = MargemPadrao;
    std::string MargemSuperior = MargemPadrao;
    int32_t InicioRodape = 0;
    std::vector<int16_t> Quebras;  // NumQuebras == Quebras.size()
    bool TemCapa = false;
    bool EnviarEmail = false;
    std::string MargemInferior = MargemPadrao;

    int NumQuebras() const { return static_cast<int>(Quebras.size()); }
    bool operator==(const ConfigRelatorio&) const = default;
};

// What a layout file holds: the bands and the report settings.
struct Layout {
    std::vector<Banda> Bandas;
    ConfigRelatorio Config;

    int NumBandas() const { return static_cast<int>(Bandas.size()); }
    Banda& banda(int b) { return Bandas[static_cast<size_t>(b - 1)]; }
    const Banda& banda(int b) const { return Bandas[static_cast<size_t>(b - 1)]; }

    bool operator==(const Layout&) const = default;
};

// Units of measure (Documento::Medida).
enum Medida : int16_t {
    MedidaPixels = 3,
    MedidaPolegadas = 5,
    MedidaMilimetros = 6,
    MedidaCentimetros = 7,
};

// One editor window's document: the layout plus selection, names and flags.
struct Documento : Layout {
    std::string NomeArquivo;
    std::string NomeAnterior;
    bool Alterado = false;
    int16_t BandaSel = 1;
    int16_t ItemSel = 0;
    int32_t SelBandaIni = 0;
    int32_t SelItemIni = 0;
    int32_t SelBandaFim = 0;
    int32_t SelItemFim = 0;
    FonteItem FonteInicial = FonteInicialPadrao();
    int16_t Medida = MedidaPixels;

    bool TemItemSelecionado() const { return ItemSel > 0; }
    Banda& bandaSel() { return banda(BandaSel); }
    const Banda& bandaSel() const { return banda(BandaSel); }
    Item& itemSel() { return bandaSel().item(ItemSel); }
    const Item& itemSel() const { return bandaSel().item(ItemSel); }
};

}  // namespace mobrix
