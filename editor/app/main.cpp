// MobrixEdit: the report layout editor.
#include <QApplication>
#include <string>
#include <vector>

#include "document/identidade.h"
#include "document/ui/area_transferencia_qt.h"
#include "document/ui/configuracoes_qt.h"
#include "document/ui/dialogos_qt.h"
#include "document/ui/sistema_qt.h"
#include "document/ui/texto_qt.h"
#include "icones.h"
#include "janela_principal.h"

int main(int argc, char** argv) {
    using namespace mobrix;
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Korvane");
    QApplication::setApplicationName(TituloAplicacao);
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3").arg(VersaoMaior).arg(VersaoMenor).arg(VersaoRevisao));
    QApplication::setWindowIcon(IconePrograma());

    DialogosQt dialogos;
    ConfiguracoesQt configuracoes;
    AreaTransferenciaQt area;
    SistemaQt sistema;
    JanelaPrincipal janela({dialogos, configuracoes, area, sistema});
    dialogos.DefinirPai(&janela);
    janela.show();

    // The arguments after the program's name, as the editor expects them.
    std::vector<std::string> argumentos;
    const QStringList lista = QApplication::arguments();
    for (qsizetype i = 1; i < lista.size(); ++i) argumentos.push_back(ParaUtf8(lista[i]));
    janela.Iniciar(argumentos);
    return QApplication::exec();
}
