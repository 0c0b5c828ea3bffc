#include "output/variaveis.h"

#include "document/textos.h"
#include "output/formatacao.h"
#include "output/texto_sem_caixa.h"

namespace mobrix {

const char* const PerguntaVariavelUsuario =
    "Aqui você pode definir até 100 variáveis para usar no cabeçalho ou rodapé! Para atribuir valor grave no "
    "arquivo o número da variável e em seguida o valor.\r\nEx.: 01 Valor\r\n\r\nDigite o número da variável "
    "(00 até 99):";

namespace {

std::string PrimeiraMaiuscula(const std::string& nome) {
    std::string s = MinusculasCp1252(nome);
    if (!s.empty()) s[0] = MaiusculaCp1252(s[0]);
    return s;
}

}  // namespace

std::optional<std::string> VariavelDoUsuario(std::string_view resposta) {
    std::string_view r = AparaEspacos(resposta);
    if (r.empty()) return std::nullopt;
    int numero = 0;
    for (size_t i = 0; i < r.size() && i < 2 && r[i] >= '0' && r[i] <= '9'; ++i) numero = numero * 10 + (r[i] - '0');
    return "(%_" + Numero(numero, 2) + "_%)";
}

void SubstituirVariaveis(std::string& texto, int pagina, const DataHora& agora) {
    const std::pair<const char*, std::string> valores[] = {
        {"(%_sem_%)", PrimeiraMaiuscula(agora.nomeDiaSemana)},
        {"(%_msn_%)", agora.nomeMes},
        {"(%_dia_%)", Numero(agora.dia, 2)},
        {"(%_mes_%)", Numero(agora.mes, 2)},
        {"(%_ano_%)", Numero(agora.ano, 4)},
        {"(%_hor_%)", Numero(agora.hora, 2)},
        {"(%_min_%)", Numero(agora.minuto, 2)},
        {"(%_seg_%)", Numero(agora.segundo, 2)},
        {"(%_pag_%)", std::to_string(pagina)},
        {"(%_pgs_%)", "10"},
        {"(%_zpg_%)", Numero(pagina, 5)},
        {"(%_zps_%)", "00010"},
    };
    for (const auto& [variavel, valor] : valores) SubstituirSemCaixa(texto, variavel, valor);
}

}  // namespace mobrix
