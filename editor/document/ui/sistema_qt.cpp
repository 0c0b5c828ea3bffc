#include "document/ui/sistema_qt.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

#include "document/ui/texto_qt.h"

namespace mobrix {
namespace {

// A folder only this user can enter: a real directory (not a link), owned by
// the user, with mode 0700.
bool PastaPrivada(const QByteArray& caminho) {
    struct stat st;
    return !caminho.isEmpty() && ::lstat(caminho.constData(), &st) == 0 && S_ISDIR(st.st_mode) &&
           st.st_uid == ::getuid() && (st.st_mode & 07777) == 0700;
}

// Creates the folder unless something is there already; true when what is
// there now is private. A folder found in place is never changed.
bool CriarPastaPrivada(const QByteArray& caminho) {
    if (::mkdir(caminho.constData(), 0700) == 0) ::chmod(caminho.constData(), 0700);  // whatever the umask
    return PastaPrivada(caminho);
}

// A new private folder whose name begins with `prefixo`; empty on failure.
QByteArray PastaUnica(const QByteArray& prefixo) {
    QByteArray modelo = prefixo + "-XXXXXX";
    if (!::mkdtemp(modelo.data())) return {};
    ::chmod(modelo.constData(), 0700);
    return PastaPrivada(modelo) ? modelo : QByteArray();
}

QByteArray NovaPastaTemporaria() {
    // Empty when TMPDIR names no folder: the name below would then land at
    // the root of the file system.
    const QString temporaria = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    if (!temporaria.isEmpty()) {
        // The usual name first; when someone else owns it, or it is open to
        // others or a link, it is left alone and a fresh folder is made instead.
        QByteArray fixa = QFile::encodeName(temporaria + "/mobrixedit-" + QString::number(::getuid()));
        if (CriarPastaPrivada(fixa)) return fixa;
        if (QByteArray unica = PastaUnica(fixa); !unica.isEmpty()) return unica;
    }
    // No private folder can be made in the temporary location at all: use
    // one inside the user's own data folder, under the same rules.
    QString dados = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    QDir().mkpath(dados);
    QByteArray propria = QFile::encodeName(dados + "/tmp");
    if (CriarPastaPrivada(propria)) return propria;
    return PastaUnica(propria);
}

QString NomeArquivoBiblioteca(const std::string& nome) { return "lib" + DeUtf8(nome) + ".so"; }

}  // namespace

std::string SistemaQt::PastaTemporaria() {
    // Checked on every use: a cleaner may have removed the folder meanwhile.
    if (!PastaPrivada(QFile::encodeName(DeUtf8(pastaTemporaria_))))
        pastaTemporaria_ = ParaUtf8(QFile::decodeName(NovaPastaTemporaria()));
    return pastaTemporaria_ + "/";
}

std::string SistemaQt::PastaPrograma() { return ParaUtf8(QCoreApplication::applicationDirPath()) + "/"; }

std::string SistemaQt::PastaDadosUsuario() {
    QString pasta = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(pasta);
    return ParaUtf8(pasta) + "/";
}

QLibrary* SistemaQt::Biblioteca(const std::string& nome, std::string& erro) {
    if (auto it = bibliotecas_.find(nome); it != bibliotecas_.end()) return it->second.get();
    const QString arquivo = NomeArquivoBiblioteca(nome);
    // The program's own copy first, then the system's library search.
    QStringList caminhos;
    if (QString local = DeUtf8(PastaPrograma()) + arquivo; QFileInfo::exists(local)) caminhos << local;
    caminhos << DeUtf8(nome);
    QString motivo;
    for (const QString& caminho : caminhos) {
        auto biblioteca = std::make_unique<QLibrary>(caminho);
        if (biblioteca->load()) return (bibliotecas_[nome] = std::move(biblioteca)).get();
        motivo = biblioteca->errorString();
    }
    erro = ParaUtf8("Não foi possível carregar a biblioteca " + arquivo + ".\r" + motivo);
    return nullptr;
}

void* SistemaQt::CarregarFuncao(const std::string& biblioteca, const std::string& simbolo, std::string& erro) {
    QLibrary* lib = Biblioteca(biblioteca, erro);
    if (!lib) return nullptr;
    QFunctionPointer funcao = lib->resolve(simbolo.c_str());
    if (!funcao)
        erro = ParaUtf8("A função " + DeUtf8(simbolo) + " não foi encontrada em " + lib->fileName() + ".\r" +
                        lib->errorString());
    return reinterpret_cast<void*>(funcao);
}

bool SistemaQt::IniciarPrograma(const std::string& programa, const std::vector<std::string>& argumentos,
                                bool& naoEncontrado, int& numeroErro, std::string& descricao) {
    naoEncontrado = false;
    numeroErro = 0;
    descricao.clear();
    const QString caminho = QStandardPaths::findExecutable(DeUtf8(programa));
    if (caminho.isEmpty()) {
        naoEncontrado = true;
        numeroErro = ErroNaoEncontrado;
        descricao = "Arquivo não encontrado";
        return false;
    }
    QStringList args;
    for (const std::string& a : argumentos) args << DeUtf8(a);
    QProcess processo;
    processo.setProgram(caminho);
    processo.setArguments(args);
    if (processo.startDetached()) return true;
    numeroErro = ErroAoIniciar;
    descricao = ParaUtf8(processo.errorString());
    return false;
}

void SistemaQt::AbrirDocumento(const std::string& caminhoOuEndereco) {
    const QString alvo = DeUtf8(caminhoOuEndereco);
    const QUrl url(alvo);
    // Web and mail addresses go as they are; anything else is a file.
    QDesktopServices::openUrl(url.scheme().size() > 1 ? url : QUrl::fromLocalFile(QFileInfo(alvo).absoluteFilePath()));
}

}  // namespace mobrix
