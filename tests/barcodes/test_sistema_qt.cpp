// SistemaQt: the private temporary folder, libraries by name and starting
// programs through PATH.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

#include "document/ui/sistema_qt.h"

using namespace mobrix;

namespace {

// Points TMPDIR somewhere new for the length of a test.
class TmpdirDesvio {
public:
    TmpdirDesvio() {
        const char* antes = std::getenv("TMPDIR");
        if (antes) anterior_ = antes, tinha_ = true;
        setenv("TMPDIR", pasta_.path().toUtf8().constData(), 1);
    }
    ~TmpdirDesvio() {
        if (tinha_) setenv("TMPDIR", anterior_.c_str(), 1);
        else unsetenv("TMPDIR");
    }
    QString Caminho(const QString& nome) const { return pasta_.filePath(nome); }

private:
    QTemporaryDir pasta_;
    std::string anterior_;
    bool tinha_ = false;
};

// An environment variable set for the length of a test.
class VariavelDesviada {
public:
    VariavelDesviada(const char* nome, const QString& valor) : nome_(nome) {
        const char* antes = std::getenv(nome);
        if (antes) anterior_ = antes, tinha_ = true;
        setenv(nome, valor.toUtf8().constData(), 1);
    }
    ~VariavelDesviada() {
        if (tinha_) setenv(nome_, anterior_.c_str(), 1);
        else unsetenv(nome_);
    }
    VariavelDesviada(const VariavelDesviada&) = delete;
    VariavelDesviada& operator=(const VariavelDesviada&) = delete;

private:
    const char* nome_;
    std::string anterior_;
    bool tinha_ = false;
};

unsigned Modo(const std::string& caminho) {
    struct stat st {};
    if (::lstat(caminho.c_str(), &st) != 0) return 0;
    return st.st_mode & 07777;
}

std::string SemBarra(const std::string& s) { return s.substr(0, s.size() - 1); }

const QString NomeFixo = "mobrixedit-" + QString::number(::getuid());

}  // namespace

TEST(SistemaQt, PastaTemporariaPrivadaDoUsuario) {
    TmpdirDesvio tmp;
    SistemaQt sistema;
    const std::string pasta = sistema.PastaTemporaria();
    EXPECT_EQ(pasta, tmp.Caminho(NomeFixo).toStdString() + "/");
    EXPECT_EQ(Modo(SemBarra(pasta)), 0700u);
    EXPECT_EQ(sistema.PastaTemporaria(), pasta);
    // Removed meanwhile (a cleaner ran): made again.
    QDir(QString::fromStdString(pasta)).removeRecursively();
    EXPECT_EQ(sistema.PastaTemporaria(), pasta);
    EXPECT_EQ(Modo(SemBarra(pasta)), 0700u);
}

TEST(SistemaQt, PastaDeOutrosOuAbertaERecusada) {
    TmpdirDesvio tmp;
    const QString fixa = tmp.Caminho(NomeFixo);
    ASSERT_TRUE(QDir().mkdir(fixa));
    ::chmod(fixa.toUtf8().constData(), 0755);
    const std::string pasta = SistemaQt().PastaTemporaria();
    EXPECT_NE(pasta, fixa.toStdString() + "/");
    EXPECT_EQ(pasta.rfind(fixa.toStdString() + "-", 0), 0u) << pasta;
    EXPECT_EQ(Modo(SemBarra(pasta)), 0700u);
    EXPECT_EQ(Modo(fixa.toStdString()), 0755u);  // someone else's folder is not touched

    // A link in its place, even to a private folder, is refused too.
    QDir(fixa).removeRecursively();
    QTemporaryDir alvo;
    ASSERT_TRUE(QFile::link(alvo.path(), fixa));
    const std::string outra = SistemaQt().PastaTemporaria();
    EXPECT_NE(outra, fixa.toStdString() + "/");
    EXPECT_EQ(Modo(SemBarra(outra)), 0700u);
}

TEST(SistemaQt, SemPastaTemporariaUsaUmaPrivadaNosDados) {
    // TMPDIR names no folder, and the data folder holds a "tmp" that is open
    // to others.
    QTemporaryDir raiz;
    const VariavelDesviada tmp("TMPDIR", raiz.filePath("sumiu"));
    const VariavelDesviada dados("XDG_DATA_HOME", raiz.filePath("dados"));
    const QString aberta = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + "/tmp";
    ASSERT_TRUE(QDir().mkpath(aberta));
    ::chmod(aberta.toUtf8().constData(), 0755);

    const std::string pasta = SistemaQt().PastaTemporaria();
    EXPECT_EQ(pasta.rfind(aberta.toStdString() + "-", 0), 0u) << pasta;
    EXPECT_EQ(Modo(SemBarra(pasta)), 0700u);
    EXPECT_EQ(Modo(aberta.toStdString()), 0755u);  // left as it was
}

TEST(SistemaQt, PastasDoProgramaEDoUsuario) {
    QTemporaryDir dados;
    const char* antes = std::getenv("XDG_DATA_HOME");
    std::string anterior = antes ? antes : "";
    setenv("XDG_DATA_HOME", dados.path().toUtf8().constData(), 1);
    SistemaQt sistema;
    EXPECT_EQ(sistema.PastaPrograma(), std::string(MOBRIX_BIN_DIR) + "/");
    const std::string usuario = sistema.PastaDadosUsuario();
    EXPECT_EQ(usuario.rfind(dados.path().toStdString() + "/", 0), 0u) << usuario;
    EXPECT_EQ(usuario.back(), '/');
    EXPECT_TRUE(QDir(QString::fromStdString(usuario)).exists());
    if (antes) setenv("XDG_DATA_HOME", anterior.c_str(), 1);
    else unsetenv("XDG_DATA_HOME");
}

TEST(SistemaQt, CarregaFuncaoDaPastaDoPrograma) {
    SistemaQt sistema;
    std::string erro;
    void* f = sistema.CarregarFuncao("mobrix_biblioteca_teste", "MobrixTesteSomar", erro);
    ASSERT_NE(f, nullptr) << erro;
    EXPECT_EQ(reinterpret_cast<int (*)(int, int)>(f)(2, 3), 5);
    EXPECT_EQ(sistema.CarregarFuncao("mobrix_biblioteca_teste", "MobrixTesteSomar", erro), f);

    erro.clear();
    EXPECT_EQ(sistema.CarregarFuncao("mobrix_biblioteca_teste", "NaoExiste", erro), nullptr);
    EXPECT_NE(erro.find("NaoExiste"), std::string::npos) << erro;
    erro.clear();
    EXPECT_EQ(sistema.CarregarFuncao("mobrix_nao_existe", "GetPDF417", erro), nullptr);
    EXPECT_NE(erro.find("libmobrix_nao_existe.so"), std::string::npos) << erro;
}

TEST(SistemaQt, IniciaProgramasPeloPath) {
    SistemaQt sistema;
    bool naoEncontrado = false;
    int numero = 0;
    std::string descricao;
    EXPECT_FALSE(sistema.IniciarPrograma("mobrix-programa-inexistente", {"a"}, naoEncontrado, numero, descricao));
    EXPECT_TRUE(naoEncontrado);
    EXPECT_EQ(numero, 53);
    EXPECT_FALSE(descricao.empty());
    EXPECT_TRUE(sistema.IniciarPrograma("true", {"-x", "com espaço"}, naoEncontrado, numero, descricao));
    EXPECT_FALSE(naoEncontrado);
    EXPECT_EQ(numero, 0);
}
