#include "linguagens_exemplo.h"

#include <initializer_list>
#include <string>

namespace mobrix::teste {
namespace {

// Lines joined by CR LF, with "§" standing for the placeholder byte 0xA7.
std::string Texto(std::initializer_list<const char*> linhas) {
    std::string s;
    for (const char* l : linhas) {
        if (!s.empty()) s += "\r\n";
        for (const char* p = l; *p; ++p) {
            if (p[0] == '\xC2' && p[1] == '\xA7') {  // "§" in this UTF-8 source
                s += '\xA7';
                ++p;
            } else {
                s += *p;
            }
        }
    }
    return s;
}

}  // namespace

Linguagem LinguagemCobolAnsi() {
    Linguagem l;
    l.Variaveis = Texto({
        "      *    SELECT ARQ-RELAT ASSIGN TO \"RELAT.TXT\"",
        "      *        ORGANIZATION IS LINE SEQUENTIAL.",
        "       FD  ARQ-RELAT.",
        "       01  LINHA-RELAT.",
        "           05  LR-COMANDO          PIC X(26).",
        "           05  LR-TEXTO            PIC X(974).",
        "      * Comandos e variaveis do relatorio: PIC X ou PIC 9 DISPLAY.",
    });
    l.ComentarioInicial = Texto({"      *------------- Relatorio gerado pelo MobrixEdit -------------"});
    l.ComandoF = Texto({
        "           MOVE \"§c§t§n§i§s§r§f\" TO LINHA-RELAT",
        "           WRITE LINHA-RELAT",
    });
    l.ComandoL = Texto({
        "           MOVE \"§c§cl§cf§ei§ci§ai§el\" TO LINHA-RELAT",
        "           WRITE LINHA-RELAT",
    });
    l.ComandoT = Texto({
        "           MOVE \"§c§cl§cf§ei§ci§ai\" TO LR-COMANDO",
        "           MOVE \"§t\" TO LR-TEXTO",
        "           WRITE LINHA-RELAT",
    });
    l.ComandoRH = Texto({
        "           MOVE SPACES TO LINHA-RELAT",
        "           STRING \"§c \" \"§rh\" DELIMITED BY SIZE INTO LINHA-RELAT",
        "           WRITE LINHA-RELAT",
    });
    l.ComandosSimples = Texto({
        "           MOVE \"§c\" TO LINHA-RELAT",
        "           WRITE LINHA-RELAT",
    });
    l.ChamadaMobrix = Texto({
        "           CLOSE ARQ-RELAT",
        "           CALL \"SYSTEM\" USING \"Mobrix /G RELAT.TXT /T Relatorio /SE\"",
    });
    return l;
}

Linguagem LinguagemC() {
    Linguagem l;
    l.Variaveis = Texto({
        "#include <stdio.h>",
        "",
        "/* Os comandos do relat\xF3rio v\xE3o para este arquivo; os valores do programa",
        "   s\xE3o textos (char *) com os nomes dos comandos e vari\xE1veis do layout. */",
        "FILE *arq = fopen(\"relat.txt\", \"wb\");",
    });
    l.ComentarioInicial = Texto({"/* Relat\xF3rio gerado pelo MobrixEdit */"});
    l.ComandoF = Texto({"fputs(\"§c§t§n§i§s§r§f\\r\\n\", arq);"});
    l.ComandoL = Texto({"fputs(\"§c§cl§cf§ei§ci§ai§el\\r\\n\", arq);"});
    l.ComandoT = Texto({"fprintf(arq, \"§c§cl§cf§ei§ci§ai%s\\r\\n\", \"§t\");"});
    l.ComandoRH = Texto({"fprintf(arq, \"§c %s\\r\\n\", \"§rh\");"});
    l.ComandosSimples = Texto({"fputs(\"§c\\r\\n\", arq);"});
    l.ChamadaMobrix = Texto({
        "fclose(arq);",
        "system(\"Mobrix /G relat.txt /T Relatorio /SE\");",
    });
    return l;
}

}  // namespace mobrix::teste
