#include "document/registro_tipo.h"

#include <filesystem>
#include <system_error>

#include "document/arquivos.h"
#include "document/identidade.h"

namespace mobrix {
namespace {

namespace fs = std::filesystem;

// A string value of a .desktop file: backslash and line breaks escaped.
std::string EscaparValorDesktop(const std::string& t) {
    std::string s;
    for (char c : t) {
        switch (c) {
            case '\\': s += "\\\\"; break;
            case '\n': s += "\\n"; break;
            case '\t': s += "\\t"; break;
            case '\r': s += "\\r"; break;
            default: s += c;
        }
    }
    return s;
}

// The program as the one quoted argument of Exec: inside the quotes '"',
// '`', '$' and '\\' take a backslash, '%' is doubled (it starts field codes),
// and the value as a whole then takes the string escapes, so a path with a
// blank, a dollar or a backslash reaches the launcher unchanged.
std::string CitarExec(const std::string& programa) {
    std::string s = "\"";
    for (char c : programa) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') s += '\\';
        s += c;
        if (c == '%') s += '%';
    }
    return EscaparValorDesktop(s + "\"");
}

std::string EscaparXml(const std::string& t) {
    std::string s;
    for (char c : t) {
        switch (c) {
            case '&': s += "&amp;"; break;
            case '<': s += "&lt;"; break;
            case '>': s += "&gt;"; break;
            case '"': s += "&quot;"; break;
            default: s += c;
        }
    }
    return s;
}

std::string MensagemPasta(const std::string& pasta, const std::error_code& e) {
    return "Não foi possível criar ou abrir a entrada do registro: \r\r" + pasta + "\r\rOcorreu o erro: " +
           std::to_string(e.value());
}

std::string MensagemArquivo(const std::string& arquivo, int numero) {
    return "Não foi possível salvar o valor do registro: \r\r" + arquivo + "\r\rOcorreu o erro: " +
           std::to_string(numero);
}

bool Gravar(const fs::path& pasta, const std::string& nome, const std::string& conteudo, Dialogos& d) {
    std::error_code e;
    fs::create_directories(pasta, e);
    if (e) {
        d.Mensagem(MensagemPasta(pasta.string(), e), Icone::Aviso, Botoes::Ok, TituloAplicacao);
        return false;
    }
    const std::string caminho = (pasta / nome).string();
    ErroArquivo erro = GravarArquivoAtomico(caminho, conteudo);
    if (!erro.ok()) {
        d.Mensagem(MensagemArquivo(caminho, erro.numero), Icone::Aviso, Botoes::Ok, TituloAplicacao);
        return false;
    }
    return true;
}

}  // namespace

std::string NomeTipoMime(const std::string& extensao) { return "application/x-mobrix-" + extensao; }

TipoArquivo TipoLayout(const std::string& pastaPrograma) {
    return {"mbx", "Layout do Mobrix", pastaPrograma + ArquivoPrograma, pastaPrograma + ArquivoIconePrograma};
}

std::string ConteudoTipoMime(const TipoArquivo& t) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
           "  <mime-type type=\"" + NomeTipoMime(t.extensao) + "\">\n"
           "    <comment>" + EscaparXml(t.descricao) + "</comment>\n"
           "    <icon name=\"" + EscaparXml(t.icone) + "\"/>\n"
           "    <glob pattern=\"*." + EscaparXml(t.extensao) + "\"/>\n"
           "  </mime-type>\n"
           "</mime-info>\n";
}

std::string ConteudoEntradaDesktop(const TipoArquivo& t) {
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=" + std::string(TituloAplicacao) + "\n"
           "Comment=" + EscaparValorDesktop(t.descricao) + "\n"
           "Exec=" + CitarExec(t.programa) + " %f\n"
           "Icon=" + EscaparValorDesktop(t.icone) + "\n"
           "MimeType=" + NomeTipoMime(t.extensao) + ";\n"
           "Categories=Office;\n"
           "Terminal=false\n";
}

bool RegistrarExtensao(const TipoArquivo& tipo, const std::string& pastaDados, Dialogos& dialogos) {
    const fs::path base(pastaDados);
    return Gravar(base / "mime" / "packages", "mobrixedit-" + tipo.extensao + ".xml", ConteudoTipoMime(tipo),
                  dialogos) &&
           Gravar(base / "applications", "mobrixedit.desktop", ConteudoEntradaDesktop(tipo), dialogos);
}

}  // namespace mobrix
