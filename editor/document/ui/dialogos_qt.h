#pragma once
// The dialogs port with Qt: message boxes, the input box, the open and save
// file dialogs, the font and colour dialogs, the busy cursor and the beep.
#include <QPointer>
#include <QString>
#include <QWidget>

#include "document/portas.h"

namespace mobrix {

class DialogosQt : public Dialogos {
public:
    explicit DialogosQt(QWidget* pai = nullptr) : pai_(pai) {}
    // The window the dialogs are centred on and modal to.
    void DefinirPai(QWidget* pai) { pai_ = pai; }

    Resposta Mensagem(const std::string& texto, Icone icone, Botoes botoes, const std::string& titulo) override;
    std::optional<std::string> Entrada(const std::string& prompt, const std::string& titulo,
                                       const std::string& padrao) override;
    std::optional<std::string> AbrirArquivo(const std::string& titulo, const std::vector<FiltroArquivo>& filtros,
                                            const std::string& pastaInicial) override;
    std::optional<std::string> SalvarArquivo(const std::string& titulo, const std::vector<FiltroArquivo>& filtros,
                                             const std::string& nomeInicial) override;
    std::optional<FonteItem> EscolherFonte(const FonteItem& inicial, double& tamanhoEscolhido) override;
    std::optional<uint32_t> EscolherCor(uint32_t inicial) override;
    void CursorOcupado(bool ocupado) override;
    void Bipe() override;

private:
    QPointer<QWidget> pai_;
    int ocupado_ = 0;  // nested busy-cursor requests
};

// The filter line of a file dialog: "Mobrix Layout (*.mbx)"; patterns
// separated by ';' become Qt's space-separated list.
QString FiltroQt(const FiltroArquivo& filtro);
// The suffix a save dialog appends to a bare name: "mbx" for "*.mbx", empty
// for a pattern without one.
QString SufixoPadrao(const std::vector<FiltroArquivo>& filtros);
// Why a chosen save target cannot be written (empty when it can): its folder
// is missing, or the file exists and is read-only.
QString ProblemaDestino(const QString& caminho);

}  // namespace mobrix
