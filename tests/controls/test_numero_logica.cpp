#include <gtest/gtest.h>

#include "controls/numero_logica.h"

using namespace mobrix;

namespace {

constexpr SeparadoresNumero Brasil{u',', u'.'};
constexpr SeparadoresNumero Ingles{u'.', u','};

// A control with counters on its two outputs.
struct Controle {
    explicit Controle(SeparadoresNumero sep) : c(sep) {
        c.Change = [this] { ++mudancas; };
        c.Bipe = [this] { ++bipes; };
    }
    LogicaNumero c;
    int mudancas = 0;
    int bipes = 0;
};

class NumeroCtlLogica : public ::testing::TestWithParam<SeparadoresNumero> {
protected:
    // "1,5" written with the parameter's decimal separator.
    std::u16string D(std::u16string s) {
        for (char16_t& ch : s)
            if (ch == u',') ch = GetParam().decimal;
            else if (ch == u'.') ch = GetParam().milhar;
        return s;
    }
};

}  // namespace

TEST_P(NumeroCtlLogica, SetimoDigitoRecusadoEColagemCortadaAEsquerda) {
    Controle t(GetParam());
    t.c.GanharFoco();
    EXPECT_EQ(t.c.SelLength(), 1);  // "0" selected
    t.c.Digitar(u"1234567");
    EXPECT_EQ(t.c.Texto(), u"123456");
    EXPECT_EQ(t.bipes, 0);
    t.c.TextoEditado(u"1234567", 7);  // pasted over everything
    EXPECT_EQ(t.c.Texto(), u"234567");
    EXPECT_EQ(t.c.SelStart(), 6);
    EXPECT_EQ(t.bipes, 1);
    // With a selection the digit replaces it even when the field is full.
    t.c.DefinirSelecao(0, 1);
    t.c.Digitar(u'9');
    EXPECT_EQ(t.c.Texto(), u"934567");
}

TEST_P(NumeroCtlLogica, FormatoDezPontoDoisComSeparadores) {
    Controle t(GetParam());
    t.c.SetNumberFormat(10.2);
    t.c.GanharFoco();
    t.c.Digitar(u"1234567,891");  // the last decimal finds no room
    EXPECT_EQ(t.c.Texto(), D(u"1234567,89"));
    t.c.PerderFoco();
    EXPECT_EQ(t.c.Texto(), D(u"1.234.567,89"));
    EXPECT_DOUBLE_EQ(*t.c.Value(), 1234567.89);
    int bipes = t.bipes;
    t.c.GanharFoco();
    EXPECT_EQ(t.c.Texto(), D(u"1234567,89"));
    EXPECT_EQ(t.c.SelStart(), 0);
    EXPECT_EQ(t.c.SelLength(), 10);
    EXPECT_EQ(t.bipes, bipes);  // removing the separators on focus is silent
}

TEST_P(NumeroCtlLogica, PontoEVirgulaSaoOSeparadorDecimal) {
    Controle t(GetParam());
    t.c.GanharFoco();
    t.c.Digitar(u"12.5");
    EXPECT_EQ(t.c.Texto(), D(u"12,5"));
    // Moving the separator: typed again at the caret, the old one goes.
    t.c.DefinirSelecao(1, 0);
    t.c.Digitar(u',');
    EXPECT_EQ(t.c.Texto(), D(u"1,25"));
    EXPECT_EQ(t.c.SelStart(), 2);
    // Over the whole text: "0,0" with the decimals selected.
    t.c.DefinirSelecao(0, 4);
    t.c.Digitar(u'.');
    EXPECT_EQ(t.c.Texto(), D(u"0,0"));
    EXPECT_EQ(t.c.SelStart(), 2);
    EXPECT_EQ(t.c.SelLength(), 1);
    t.c.Digitar(u'7');
    EXPECT_EQ(t.c.Texto(), D(u"0,7"));
    // A selection holding the separator is deleted first.
    t.c.TextoEditado(D(u"12,34"), 0);
    t.c.DefinirSelecao(1, 3);
    t.c.Digitar(u',');
    EXPECT_EQ(t.c.Texto(), D(u"1,4"));
    // Without decimals the separator does nothing.
    t.c.SetNumberFormat(4.0);
    t.c.TextoEditado(u"12", 2);
    t.c.Digitar(u',');
    EXPECT_EQ(t.c.Texto(), u"12");
}

TEST_P(NumeroCtlLogica, HoldDecimalMostraTodasAsCasas) {
    Controle t(GetParam());
    t.c.SetNumberFormat(6.2);
    t.c.SetHoldDecimal(true);
    t.c.SetValue(5);
    EXPECT_EQ(t.c.Texto(), D(u"5,00"));
    t.c.SetValue(1234.5);
    EXPECT_EQ(t.c.Texto(), D(u"1.234,50"));
    t.c.SetSeparadorMilhar(false);
    EXPECT_EQ(t.c.Texto(), D(u"1234,50"));
    t.c.SetHoldDecimal(false);
    EXPECT_EQ(t.c.Texto(), D(u"1234,5"));
    t.c.SetValue(0.1 + 0.2);  // rounded to 12 decimals, then to the two allowed
    EXPECT_EQ(t.c.Texto(), D(u"0,3"));
}

TEST_P(NumeroCtlLogica, TextoVazio) {
    Controle t(GetParam());
    t.c.GanharFoco();
    t.c.Digitar(TeclaBackspace);
    EXPECT_EQ(t.c.Texto(), u"");
    EXPECT_EQ(t.c.Value(), 0.0);
    t.c.PerderFoco();
    EXPECT_EQ(t.c.Texto(), u"0");
    t.c.SetAllowEmpty(true);
    t.c.GanharFoco();
    t.c.Digitar(TeclaBackspace);
    EXPECT_EQ(t.c.Value(), std::nullopt);
    t.c.PerderFoco();
    EXPECT_EQ(t.c.Texto(), u"");
    EXPECT_EQ(t.c.GotFocusValue(), 0.0);
}

TEST_P(NumeroCtlLogica, NumberFormatForaDaFaixaIgnorado) {
    Controle t(GetParam());
    for (double f : {13.0, 0.5, 0.94, -3.0, 1e300}) {
        t.c.SetNumberFormat(f);
        EXPECT_EQ(t.c.MaxInt(), 6) << f;
        EXPECT_EQ(t.c.MaxDec(), 6) << f;
    }
    t.c.SetNumberFormat(12.94);  // rounded to 12.9
    EXPECT_EQ(t.c.MaxInt(), 12);
    EXPECT_EQ(t.c.MaxDec(), 9);
    t.c.SetNumberFormat(0.96);
    EXPECT_EQ(t.c.MaxInt(), 1);
    EXPECT_EQ(t.c.MaxDec(), 0);
}

TEST_P(NumeroCtlLogica, SinaisSoComAllowSignal) {
    Controle t(GetParam());
    t.c.GanharFoco();
    t.c.Digitar(u"-12");
    EXPECT_EQ(t.c.Texto(), u"12");
    t.c.TextoEditado(u"-12", 3);  // a pasted sign is removed too
    EXPECT_EQ(t.c.Texto(), u"12");

    t.c.SetAllowSignal(true);
    t.c.DefinirSelecao(2, 0);
    t.c.Digitar(u'-');
    EXPECT_EQ(t.c.Texto(), u"-12");
    EXPECT_EQ(t.c.SelStart(), 1);
    EXPECT_EQ(t.c.SelLength(), 2);
    t.c.Digitar(u'-');  // stays negative
    EXPECT_EQ(t.c.Texto(), u"-12");
    t.c.TextoEditado(u"-1-2-", 5);  // moved to the front
    EXPECT_EQ(t.c.Texto(), u"-12");
    EXPECT_DOUBLE_EQ(*t.c.Value(), -12);
    t.c.Digitar(u'+');
    EXPECT_EQ(t.c.Texto(), u"12");
    EXPECT_EQ(t.c.SelLength(), 2);
    // Digits before a sign count only the digits.
    t.c.TextoEditado(u"-123456", 7);
    t.c.PerderFoco();
    EXPECT_EQ(t.c.Texto(), D(u"-123.456"));
    t.c.SetValue(-0.0);
    EXPECT_EQ(t.c.Texto(), u"0");
}

TEST_P(NumeroCtlLogica, TextoQueNaoENumeroViraZero) {
    Controle t(GetParam());
    t.c.GanharFoco();
    int mudancas = t.mudancas;
    t.c.TextoEditado(u"abc", 3);
    EXPECT_EQ(t.c.Texto(), u"0");
    EXPECT_EQ(t.bipes, 1);
    EXPECT_EQ(t.mudancas, mudancas + 1);
    t.c.Digitar(u'x');  // other keys are swallowed
    EXPECT_EQ(t.c.Texto(), u"0");
    // Pasted thousands separators are accepted and removed, with a beep.
    t.c.TextoEditado(D(u" 1.234,5 "), 0);
    EXPECT_EQ(t.c.Texto(), D(u"1234,5"));
    EXPECT_EQ(t.bipes, 2);
}

INSTANTIATE_TEST_SUITE_P(Separadores, NumeroCtlLogica, ::testing::Values(Brasil, Ingles),
                         [](const auto& info) { return info.param.decimal == u',' ? "Brasil" : "Ingles"; });

TEST(FormatarNumero, Padroes) {
    PartesNumero n{false, u"0012", true, u"500"};
    EXPECT_EQ(FormatarNumero(n, {3, false, true}, Brasil), u"12,5");
    EXPECT_EQ(FormatarNumero(n, {4, true, true}, Brasil), u"12,5000");
    EXPECT_EQ(FormatarNumero(n, {0, false, true}, Brasil), u"12");
    n = {true, u"", true, u"00"};
    EXPECT_EQ(FormatarNumero(n, {2, false, true}, Ingles), u"0");  // no "-0"
    n = {false, u"1234567890", false, u""};
    EXPECT_EQ(FormatarNumero(n, {2, true, true}, Ingles), u"1,234,567,890.00");
    EXPECT_EQ(LerNumero(u"1.2.3", Brasil)->inteiro, u"123");
    EXPECT_FALSE(LerNumero(u"1,2,3", Brasil));
    EXPECT_FALSE(LerNumero(u",", Brasil));
    EXPECT_FALSE(LerNumero(u"1,2.3", Brasil));  // no thousands among decimals
}
