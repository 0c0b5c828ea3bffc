#include "controls/numero_logica.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace mobrix {
namespace {

bool EhDigito(char16_t c) { return c >= u'0' && c <= u'9'; }
bool EhBranco(char16_t c) { return c == u' ' || c == u'\t'; }

int ContarDigitos(std::u16string_view s) {
    return static_cast<int>(std::count_if(s.begin(), s.end(), EhDigito));
}

std::u16string SemSinais(std::u16string_view s) {
    std::u16string r;
    for (char16_t c : s)
        if (c != u'-') r += c;
    return r;
}

std::string ParaAscii(std::u16string_view s) { return std::string(s.begin(), s.end()); }

// The shortest plain decimal form of a value rounded to 12 decimals.
std::u16string TextoDoValor(double v, char16_t decimal) {
    if (!std::isfinite(v)) return u"0";
    char buf[400];
    auto [fim, erro] = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 12);
    if (erro != std::errc()) return u"0";
    std::string s(buf, fim);
    s.erase(s.find_last_not_of('0') + 1);
    if (s.back() == '.') s.pop_back();
    std::u16string r(s.begin(), s.end());
    std::replace(r.begin(), r.end(), u'.', decimal);
    return r;
}

}  // namespace

std::optional<PartesNumero> LerNumero(std::u16string_view t, SeparadoresNumero sep) {
    size_t i = 0, fim = t.size();
    while (i < fim && EhBranco(t[i])) ++i;
    while (fim > i && EhBranco(t[fim - 1])) --fim;
    PartesNumero n;
    if (i < fim && (t[i] == u'-' || t[i] == u'+')) n.negativo = t[i++] == u'-';
    for (; i < fim; ++i) {
        char16_t c = t[i];
        if (EhDigito(c))
            (n.temSeparador ? n.decimais : n.inteiro) += c;
        else if (c == sep.decimal && !n.temSeparador)
            n.temSeparador = true;
        else if (c != sep.milhar || n.temSeparador)
            return std::nullopt;
    }
    if (n.inteiro.empty() && n.decimais.empty()) return std::nullopt;
    return n;
}

std::u16string FormatarNumero(const PartesNumero& n, FormatoExibicao f, SeparadoresNumero sep) {
    std::u16string inteiro = n.inteiro;
    inteiro.erase(0, std::min(inteiro.find_first_not_of(u'0'), inteiro.size()));
    if (inteiro.empty()) inteiro = u"0";
    std::u16string dec;
    if (f.maxDec > 0 && f.holdDecimal) {
        dec = n.decimais;
        dec.resize(static_cast<size_t>(f.maxDec), u'0');
    } else if (f.maxDec > 0 && n.temSeparador) {
        // "#0.#########": up to nine decimals, trailing zeros dropped.
        dec = n.decimais.substr(0, 9);
        dec.erase(std::min(dec.find_last_not_of(u'0') + 1, dec.size()));
    }
    bool zero = inteiro == u"0" && dec.find_first_not_of(u'0') == std::u16string::npos;
    std::u16string s = n.negativo && !zero ? u"-" : u"";
    for (size_t i = 0; i < inteiro.size(); ++i) {
        if (f.separadorMilhar && i > 0 && (inteiro.size() - i) % 3 == 0) s += sep.milhar;
        s += inteiro[i];
    }
    if (!dec.empty()) s += sep.decimal + dec;
    return s;
}

LogicaNumero::LogicaNumero(SeparadoresNumero sep) : sep_(sep) {}

void LogicaNumero::DefinirSelecao(int inicio, int tamanho) {
    const int n = static_cast<int>(texto_.size());
    selInicio_ = std::clamp(inicio, 0, n);
    selTamanho_ = std::clamp(tamanho, 0, n - selInicio_);
}

bool LogicaNumero::KeyPress(char16_t& tecla) {
    if (allowSignal_ && (tecla == u'-' || tecla == u'+')) {
        AplicarSinal(tecla == u'-');
        return false;
    }
    if (tecla == u',' || tecla == u'.') tecla = sep_.decimal;
    if (tecla == TeclaEscape || tecla == TeclaEnter || tecla == TeclaTab || tecla == TeclaBackspace) return true;
    if (tecla == sep_.decimal) {
        MoverSeparador();
        return false;
    }
    if (!EhDigito(tecla)) return false;
    return selTamanho_ > 0 || CabeDigito();
}

void LogicaNumero::Digitar(char16_t tecla) {
    if (!KeyPress(tecla)) return;
    std::u16string t = texto_;
    size_t inicio = static_cast<size_t>(selInicio_);
    if (tecla == TeclaBackspace) {
        if (selTamanho_ == 0 && inicio > 0) --inicio, selTamanho_ = 1;
        t.erase(inicio, static_cast<size_t>(selTamanho_));
        TextoEditado(std::move(t), static_cast<int>(inicio));
    } else if (EhDigito(tecla)) {
        t.replace(inicio, static_cast<size_t>(selTamanho_), 1, tecla);
        TextoEditado(std::move(t), static_cast<int>(inicio) + 1);
    }
}

void LogicaNumero::Digitar(std::u16string_view teclas) {
    for (char16_t c : teclas) Digitar(c);
}

void LogicaNumero::TextoEditado(std::u16string texto, int cursor) {
    const bool mudou = texto != texto_;
    texto_ = std::move(texto);
    DefinirSelecao(cursor, 0);
    if (mudou) TratarAlteracao();
}

void LogicaNumero::AplicarSinal(bool negativo) {
    std::u16string s = SemSinais(texto_);
    cursor_ = {Cursor::SelecionarAteFim, negativo ? 1 : 0};
    MudarTexto(negativo ? u"-" + s : s);
}

// Moves the decimal separator to the caret. Typing it over a whole selection
// starts a fresh "0,0" with the decimals selected.
void LogicaNumero::MoverSeparador() {
    if (maxDec_ == 0) return;
    if (selTamanho_ == static_cast<int>(texto_.size())) {
        cursor_ = {Cursor::SelecionarAteFim, 2};
        MudarTexto(std::u16string{u'0', sep_.decimal, u'0'});
        return;
    }
    std::u16string t = texto_;
    size_t caret = static_cast<size_t>(selInicio_);
    t.erase(caret, static_cast<size_t>(selTamanho_));
    if (size_t p = t.find(sep_.decimal); p != std::u16string::npos) {
        t.erase(p, 1);
        if (p < caret) --caret;
    }
    if (ContarDigitos(t) == 0) {
        // An emptied text becomes "0" (keeping a sign) and the separator follows it.
        t = (t.find(u'-') != std::u16string::npos ? u"-" : u"") + std::u16string(u"0");
        caret = t.size();
    }
    caret = std::max(caret, static_cast<size_t>(t.size() > 0 && t[0] == u'-' ? 1 : 0));
    t.insert(caret, 1, sep_.decimal);
    cursor_ = {Cursor::Caret, static_cast<int>(caret) + 1};
    MudarTexto(std::move(t));
}

bool LogicaNumero::CabeDigito() const {
    const size_t p = texto_.find(sep_.decimal);
    const std::u16string_view t = texto_;
    if (p != std::u16string::npos && static_cast<size_t>(selInicio_) > p)
        return ContarDigitos(t.substr(p + 1)) < maxDec_;
    return ContarDigitos(t.substr(0, p)) < maxInt_;
}

// The change handler: runs after every change of the text.
void LogicaNumero::TratarAlteracao() {
    if (CorrigirSinal()) return;
    if (!texto_.empty() && texto_ != u"-") {
        if (std::optional<PartesNumero> n = LerNumero(texto_, sep_)) {
            Reparar(*n);
        } else {
            DefinirSemReagir(u"0");
            DefinirSelecao(1, 0);
            Emitir(Bipe);
        }
    }
    AplicarCursor();
    Emitir(Change);
}

// A sign anywhere but first goes to the front, or away when signs are not
// allowed. The new text runs the handler again.
bool LogicaNumero::CorrigirSinal() {
    const bool lider = !texto_.empty() && texto_[0] == u'-';
    const bool outros = texto_.find(u'-', 1) != std::u16string::npos;
    if (!outros && (!lider || allowSignal_)) return false;
    std::u16string s = SemSinais(texto_);
    MudarTexto(allowSignal_ ? u"-" + s : s);
    return true;
}

// Keeps at most maxInt integer digits (dropping from the left) and maxDec
// decimals (dropping from the right), without thousands separators.
void LogicaNumero::Reparar(const PartesNumero& n) {
    std::u16string inteiro = n.inteiro;
    if (inteiro.size() > static_cast<size_t>(maxInt_)) inteiro.erase(0, inteiro.size() - static_cast<size_t>(maxInt_));
    std::u16string novo = n.negativo ? u"-" + inteiro : inteiro;
    if (maxDec_ > 0 && n.temSeparador) novo += sep_.decimal + n.decimais.substr(0, static_cast<size_t>(maxDec_));
    if (novo == texto_) return;
    DefinirSemReagir(std::move(novo));
    if (silencioso_) return;
    DefinirSelecao(static_cast<int>(texto_.size()), 0);
    Emitir(Bipe);
}

void LogicaNumero::MudarTexto(std::u16string novo) {
    if (novo == texto_) {
        AplicarCursor();
        return;
    }
    texto_ = std::move(novo);
    DefinirSelecao(selInicio_, 0);
    TratarAlteracao();
}

void LogicaNumero::DefinirSemReagir(std::u16string novo) {
    texto_ = std::move(novo);
    DefinirSelecao(selInicio_, 0);
}

void LogicaNumero::AplicarCursor() {
    const int n = static_cast<int>(texto_.size());
    if (cursor_.modo == Cursor::Caret) DefinirSelecao(cursor_.posicao, 0);
    if (cursor_.modo == Cursor::SelecionarAteFim) DefinirSelecao(cursor_.posicao, n - cursor_.posicao);
    cursor_ = {};
}

void LogicaNumero::VerificarSemBipe() {
    silencioso_ = true;
    TratarAlteracao();
    silencioso_ = false;
}

void LogicaNumero::GanharFoco() {
    valorAoGanharFoco_ = Value();
    temFoco_ = true;
    VerificarSemBipe();
    DefinirSelecao(0, static_cast<int>(texto_.size()));
}

void LogicaNumero::PerderFoco() {
    temFoco_ = false;
    Formatar();
}

void LogicaNumero::Formatar() {
    if (texto_.empty() || texto_ == u"-") {
        DefinirSemReagir(allowEmpty_ ? u"" : u"0");
        return;
    }
    std::optional<PartesNumero> n = LerNumero(texto_, sep_);
    DefinirSemReagir(n ? FormatarNumero(*n, {maxDec_, holdDecimal_, separadorMilhar_}, sep_) : u"0");
}

void LogicaNumero::FormatarSeSemFoco() {
    if (!temFoco_) Formatar();
}

std::optional<double> LogicaNumero::Value() const {
    if (texto_.empty() || texto_ == u"-") return allowEmpty_ ? std::nullopt : std::optional<double>(0.0);
    std::optional<PartesNumero> n = LerNumero(texto_, sep_);
    if (!n) return 0.0;
    std::string s = (n->negativo ? "-0" : "0") + ParaAscii(n->inteiro) + "." + ParaAscii(n->decimais) + "0";
    double v = 0;
    std::from_chars(s.data(), s.data() + s.size(), v);
    return v;
}

void LogicaNumero::SetValue(std::optional<double> valor) {
    MudarTexto(valor ? TextoDoValor(*valor, sep_.decimal) : u"");
    FormatarSeSemFoco();
}

void LogicaNumero::SetNumberFormat(double formato) {
    if (!(formato > 0.0 && formato < 13.0)) return;  // also NaN
    const long decimos = std::lround(formato * 10);
    if (decimos < 10 || decimos > 129) return;
    maxInt_ = static_cast<int>(decimos / 10);
    maxDec_ = static_cast<int>(decimos % 10);
    VerificarSemBipe();
    FormatarSeSemFoco();
}

void LogicaNumero::SetHoldDecimal(bool v) {
    holdDecimal_ = v;
    VerificarSemBipe();
    FormatarSeSemFoco();
}

void LogicaNumero::SetSeparadorMilhar(bool v) {
    separadorMilhar_ = v;
    VerificarSemBipe();
    FormatarSeSemFoco();
}

}  // namespace mobrix
