#pragma once
// The rules of the numeric input control, without any window system: the key
// filter, the repair of the text after every change, and the formatting with
// thousands separators when the control loses the focus. The inner text box
// is mirrored as UTF-16 text with a selection, so positions are those of the
// widget's line edit.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace mobrix {

struct SeparadoresNumero {
    char16_t decimal = u',';
    char16_t milhar = u'.';
};

// Keys that keep their meaning for the text box.
inline constexpr char16_t TeclaBackspace = 8;
inline constexpr char16_t TeclaTab = 9;
inline constexpr char16_t TeclaEnter = 13;
inline constexpr char16_t TeclaEscape = 27;

// A number as the control reads it: sign, integer digits and decimals, the
// thousands separators already removed.
struct PartesNumero {
    bool negativo = false;
    std::u16string inteiro;
    bool temSeparador = false;
    std::u16string decimais;
};

// Reads a text as a number in the given separators: blanks around it,
// thousands separators among the integer digits, at least one digit.
std::optional<PartesNumero> LerNumero(std::u16string_view texto, SeparadoresNumero sep);

struct FormatoExibicao {
    int maxDec = 0;
    bool holdDecimal = false;
    bool separadorMilhar = true;
};
// The text shown while the control has no focus ("#,##0.00" and its kin).
std::u16string FormatarNumero(const PartesNumero& n, FormatoExibicao f, SeparadoresNumero sep);

class LogicaNumero {
public:
    explicit LogicaNumero(SeparadoresNumero sep = {});

    // Observable outputs: raised after every accepted change of the text, and
    // when the control refuses or repairs what was typed.
    std::function<void()> Change;
    std::function<void()> Bipe;

    // The mirrored text box.
    const std::u16string& Texto() const { return texto_; }
    int SelStart() const { return selInicio_; }
    int SelLength() const { return selTamanho_; }
    void DefinirSelecao(int inicio, int tamanho);
    bool TemFoco() const { return temFoco_; }
    SeparadoresNumero Separadores() const { return sep_; }

    // The key filter: true when the text box should handle the key itself.
    // `tecla` may be changed (a point or comma becomes the decimal separator).
    bool KeyPress(char16_t& tecla);
    // A typed key: the filter, then what the text box does with a key that passes.
    void Digitar(char16_t tecla);
    void Digitar(std::u16string_view teclas);
    // A change made by the text box itself (paste, cut, delete, undo).
    void TextoEditado(std::u16string texto, int cursor);

    void GanharFoco();
    void PerderFoco();

    // nullopt is the empty value (only with AllowEmpty).
    std::optional<double> Value() const;
    void SetValue(std::optional<double> valor);
    std::optional<double> GotFocusValue() const { return valorAoGanharFoco_; }

    double NumberFormat() const { return maxInt_ + maxDec_ / 10.0; }
    void SetNumberFormat(double formato);
    int MaxInt() const { return maxInt_; }
    int MaxDec() const { return maxDec_; }
    bool HoldDecimal() const { return holdDecimal_; }
    void SetHoldDecimal(bool v);
    bool SeparadorMilhar() const { return separadorMilhar_; }
    void SetSeparadorMilhar(bool v);
    bool AllowEmpty() const { return allowEmpty_; }
    void SetAllowEmpty(bool v) { allowEmpty_ = v; }
    bool AllowSignal() const { return allowSignal_; }
    void SetAllowSignal(bool v) { allowSignal_ = v; }

private:
    // Where the caret or selection goes after the change handler.
    struct Cursor {
        enum Modo { Nenhum, Caret, SelecionarAteFim } modo = Nenhum;
        int posicao = 0;
    };

    void TratarAlteracao();
    bool CorrigirSinal();
    void Reparar(const PartesNumero& n);
    void AplicarSinal(bool negativo);
    void MoverSeparador();
    bool CabeDigito() const;
    void MudarTexto(std::u16string novo);
    void DefinirSemReagir(std::u16string novo);
    void AplicarCursor();
    void VerificarSemBipe();
    void FormatarSeSemFoco();
    void Formatar();
    void Emitir(const std::function<void()>& f) const {
        if (f) f();
    }

    SeparadoresNumero sep_;
    std::u16string texto_ = u"0";
    int selInicio_ = 0;
    int selTamanho_ = 0;
    bool temFoco_ = false;

    int maxInt_ = 6;
    int maxDec_ = 6;
    bool holdDecimal_ = false;
    bool separadorMilhar_ = true;
    bool allowEmpty_ = false;
    bool allowSignal_ = false;

    bool atualizando_ = false;
    bool silencioso_ = false;  // the focus handler's check: no beep, caret kept
    Cursor cursor_;
    std::optional<double> valorAoGanharFoco_ = 0.0;
};

}  // namespace mobrix
