#pragma once
// A view for tests: counts what the editor asks of the window. Its redraw
// places items and bands the way the page renderer does, giving automatic
// bands a fixed height, so geometry after a command is what the window
// would show.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "document/vista.h"

namespace mobrix::teste {

class VistaFalsa : public Vista {
public:
    static constexpr int32_t AlturaAutomatica = 20;

    int redesenhos = 0;
    int comandos = 0;
    int selecoes = 0;
    int validacoes = 0;
    int reinicios = 0;
    int menusEditar = 0;
    int menusConfiguracao = 0;
    int confirmacoes = 0;
    bool aceitarEdicoes = true;  // what ConfirmarEdicoesPendentes answers
    EstadoPagina pagina;         // what Pagina() reports; Rolar updates it
    std::vector<PosicaoRolagem> rolagens;
    std::optional<PropostaMagica> magica;
    int mudancasMagica = 0;
    std::string titulo;
    std::vector<std::string> recentes;
    // What a window does on top of counting: refresh the marks of its menus.
    std::function<void()> aoAtualizarMenuConfiguracao;

    VistaFalsa();

    void Redesenhar(Documento& doc) override;
    void AtualizarComandos(const Documento&) override { ++comandos; }
    void AtualizarSelecao() override { ++selecoes; }
    void Validar() override { ++validacoes; }
    bool ConfirmarEdicoesPendentes() override;
    EstadoPagina Pagina() const override { return pagina; }
    void Rolar(int32_t h, int32_t v) override;
    void ReiniciarPagina() override;
    void MostrarMagica(const std::optional<PropostaMagica>& proposta) override;
    void AbrirMenuEditar() override { ++menusEditar; }
    void DefinirTitulo(const std::string& t) override { titulo = t; }
    void AtualizarRecentes(const std::vector<std::string>& caminhos) override { recentes = caminhos; }
    void AtualizarMenuConfiguracao() override {
        ++menusConfiguracao;
        if (aoAtualizarMenuConfiguracao) aoAtualizarMenuConfiguracao();
    }
};

}  // namespace mobrix::teste
