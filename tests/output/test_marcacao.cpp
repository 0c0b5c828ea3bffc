#include <gtest/gtest.h>

#include "document/textos.h"
#include "output/estilos_texto.h"
#include "output/macros_cor.h"
#include "output/variaveis.h"

using namespace mobrix;

namespace {

DataHora Agora() {
    DataHora d;
    d.dia = 5, d.mes = 3, d.ano = 2024, d.hora = 7, d.minuto = 8, d.segundo = 9;
    d.nomeDiaSemana = "TER\xC7" "A-FEIRA";  // Windows-1252
    d.nomeMes = "mar\xE7o";
    return d;
}

std::string Substituido(std::string s, int pagina = 1) {
    SubstituirVariaveis(s, pagina, Agora());
    return s;
}

}  // namespace

TEST(Textos, ProcurarESubstituirSemCaixa) {
    EXPECT_EQ(ProcurarSemCaixa("Meu COBOL", "cobol"), 4u);
    EXPECT_EQ(ProcurarSemCaixa("\xC1gua \xE1gua", "\xE1GUA", 1), 5u);  // accented capitals match too
    EXPECT_EQ(ProcurarSemCaixa("abc", "abcd"), std::string::npos);
    EXPECT_EQ(ProcurarSemCaixa("abc", "c", 3), std::string::npos);
    EXPECT_EQ(SubstituirTodos("{N}a{n}b{n", "{n}", "", true), "ab{n");
    EXPECT_EQ(SubstituirTodos("{N}a{n}b", "{n}", "-"), "{N}a-b");
    EXPECT_EQ(SubstituirTodos("aaa", "aa", "a"), "aa");  // replacements are not scanned again
    EXPECT_TRUE(IguaisSemCaixa("\x8A\xC7x", "\x9A\xE7X"));
    EXPECT_FALSE(IguaisSemCaixa("a", "ab"));
    EXPECT_EQ(MaiusculaCp1252('\xE7'), '\xC7');
    EXPECT_EQ(MaiusculaCp1252('\xF7'), '\xF7');  // the division sign has no capital
}

TEST(Textos, ApararEMinusculasDeUtf8) {
    EXPECT_EQ(AparaEspacos("  a b\t "), "a b\t");
    EXPECT_EQ(AparaBrancos("\r\n\t a b \t\r\n"), "a b");
    EXPECT_EQ(AparaBrancos(" \t "), "");
    // UTF-8 lead bytes 0xC3 and 0xE3 must not become one another.
    EXPECT_EQ(MinusculasAscii("TRUE \xC3\x80"), "true \xC3\x80");
    EXPECT_NE(MinusculaAscii('\xC3'), MinusculaAscii('\xE3'));
}

TEST(Variaveis, ValoresDoEditorEmQualquerCaixa) {
    EXPECT_EQ(Substituido("(%_pag_%)/(%_PGS_%) (%_Zpg_%) (%_zps_%)"), "1/10 00001 00010");
    EXPECT_EQ(Substituido("(%_zpg_%)", 7), "00007");
    EXPECT_EQ(Substituido("(%_sem_%), (%_dia_%) de (%_msn_%) de (%_ano_%)"),
              "Ter\xE7" "a-feira, 05 de mar\xE7o de 2024");
    EXPECT_EQ(Substituido("(%_mes_%) (%_hor_%):(%_min_%):(%_seg_%)"), "03 07:08:09");
    EXPECT_EQ(Substituido("(%_pag_%)(%_pag_%)"), "11");
    EXPECT_EQ(Substituido("(%_07_%) (%_xyz_%) (%_pag"), "(%_07_%) (%_xyz_%) (%_pag");
}

TEST(Variaveis, VariavelDoUsuarioPelaResposta) {
    EXPECT_EQ(VariavelDoUsuario("5"), "(%_05_%)");
    EXPECT_EQ(VariavelDoUsuario("123"), "(%_12_%)");
    EXPECT_EQ(VariavelDoUsuario("x"), "(%_00_%)");
    EXPECT_EQ(VariavelDoUsuario("  42  "), "(%_42_%)");
    EXPECT_EQ(VariavelDoUsuario("7a"), "(%_07_%)");
    EXPECT_EQ(VariavelDoUsuario("-5"), "(%_00_%)");
    EXPECT_EQ(VariavelDoUsuario(""), std::nullopt);
    EXPECT_EQ(VariavelDoUsuario("   "), std::nullopt);
    EXPECT_EQ(VariaveisFixas[2].variavel, std::string("(%_zpg_%)"));
}

TEST(MacrosCor, LeCadaTipoERemoveDoTexto) {
    std::string t = "<%_F,300,0,0_%><%_t, 10 , 20 , 30 _%>Total<%_L,1.5,2.5,-1_%>";
    CoresMacro c = MacroColor(t);
    EXPECT_EQ(t, "Total");
    EXPECT_EQ(c.fundo, Rgb(44, 0, 0));
    EXPECT_EQ(c.texto, Rgb(10, 20, 30));
    EXPECT_EQ(c.linhas, Rgb(2, 2, 255));  // halves to even, negative wraps
}

TEST(MacrosCor, MacroInvalidaSaiSemCorEUltimaVence) {
    std::string t = "<%_F,1,2_%>a<%_F,1,2,3_%>b<%_F,4,5,6_%>c<%_F,1,2,3_%>";
    CoresMacro c = MacroColor(t);
    EXPECT_EQ(t, "abc");
    EXPECT_EQ(c.fundo, Rgb(4, 5, 6));
    EXPECT_EQ(c.texto, SemCorMacro);
    std::string s = "<%_T,1,2_%>x";
    EXPECT_EQ(MacroColor(s).texto, SemCorMacro);
    EXPECT_EQ(s, "x");
}

TEST(MacrosCor, MacroSemFechamentoFicaNoTexto) {
    std::string t = "<%_T,1,2,3_%>ok <%_F,9,9,9 resto";
    CoresMacro c = MacroColor(t);
    EXPECT_EQ(t, "ok <%_F,9,9,9 resto");
    EXPECT_EQ(c.fundo, SemCorMacro);
    EXPECT_EQ(c.texto, Rgb(1, 2, 3));
    EXPECT_EQ(MacroColorRemover("<%_L,1,2,3", 'L'), "<%_L,1,2,3");
}

TEST(MacrosCor, RemoverEAplicarUmTipo) {
    const std::string t = "<%_F,1,2,3_%><%_T,4,5,6_%>x<%_f,7,8,9_%>";
    EXPECT_EQ(MacroColorRemover(t, 'F'), "<%_T,4,5,6_%>x");
    EXPECT_EQ(MacroColorRemover(t, 'L'), t);
    EXPECT_EQ(MacroDeCor('L', Rgb(255, 128, 0)), "<%_L,255,128,0_%>");
    EXPECT_EQ(AplicarMacroDeCor(t, 'F', Rgb(10, 0, 200)), "<%_F,10,0,200_%><%_T,4,5,6_%>x");
}

namespace {

std::string Resumo(const std::vector<PalavraEstilizada>& ps) {
    std::string s;
    for (const auto& p : ps) {
        if (!s.empty()) s += '|';
        s += p.quebra ? "<br>" : p.texto;
        if (p.estilo.Negrito) s += "+n";
        if (p.estilo.Italico) s += "+i";
        if (p.estilo.Sublinhado) s += "+s";
        if (p.estilo.Riscado) s += "+r";
    }
    return s;
}

}  // namespace

TEST(EstilosTexto, TagsValemPorPalavra) {
    EXPECT_EQ(Resumo(DividirPalavras("a {n}b c{/n} d", false, {})), "a|b+n|c+n|d");
    EXPECT_EQ(Resumo(DividirPalavras("{N}a b{/N}", false, {})), "a+n|b+n");
    EXPECT_EQ(Resumo(DividirPalavras("x{i}y {s}z{/i} w{/s}", false, {})), "xy+i|z+i+s|w+s");
    EXPECT_EQ(Resumo(DividirPalavras("a{/r} b", false, {false, false, false, true})), "a+r|b");
    EXPECT_EQ(Resumo(DividirPalavras("{r}a b c", false, {})), "a+r|b+r|c+r");
    EXPECT_EQ(Resumo(DividirPalavras("{n}", false, {})), "+n");  // one empty word
    EXPECT_EQ(Resumo(DividirPalavras("   ", false, {})), "");
    EXPECT_EQ(Resumo(DividirPalavras("a  b", false, {})), "a||b");
}

TEST(EstilosTexto, QuebrasDeLinha) {
    EXPECT_EQ(Resumo(DividirPalavras("a{e}b{E}{e}c", false, {})), "a|<br>|b|<br>|<br>|c");
    EXPECT_EQ(Resumo(DividirPalavras("a   \r\n   b", false, {})), "a|<br>|b");
    EXPECT_EQ(Resumo(DividirPalavras("a{e}b\r\nc d", true, {})), "abc|d");
    // Taking a line break out can join a CR and an LF into another: on a
    // single line that is no break either.
    const auto juntas = DividirPalavras("\r\r\n\n", true, {});
    ASSERT_EQ(juntas.size(), 1u);
    EXPECT_FALSE(juntas[0].quebra);
    EXPECT_EQ(EspacosIniciais("   a b"), 3u);
    EXPECT_EQ(EspacosIniciais("a"), 0u);
}
