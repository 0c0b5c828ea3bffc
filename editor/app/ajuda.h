#pragma once
// The Ajuda menu: the bundled documents, the product's web pages and the
// about box.
#include <QWidget>
#include <string>

#include "document/portas.h"

namespace mobrix {

// Documents installed beside the program.
inline constexpr const char* DocumentoConteudo = "Leia-me.html";
inline constexpr const char* DocumentoTutorial = "Tutorial MobrixEdit.html";
// The product's web pages.
inline constexpr const char* EnderecoExemplos = "https://www.korvane.com.br/mobrixedit/exemplos";
inline constexpr const char* EnderecoAtualizacao = "https://www.korvane.com.br/mobrixedit/download";

// A document of the program's folder, opened with the desktop.
void AbrirDocumentoDoPrograma(Sistema& sistema, const char* nome);
// "MobrixEdit 2.0 - Editor de Layout do Mobrix", "Versão 2.0.1"...
QString TextoSobre();
void MostrarSobre(QWidget* pai);

}  // namespace mobrix
