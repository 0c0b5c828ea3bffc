#include "leitor_zxing.h"

#include <QPainter>
#include <QProcess>
#include <map>

namespace mobrix::teste {

QString SalvarComMargem(const QImage& imagem, const QString& arquivo, int margem) {
    QImage moldura(imagem.width() + 2 * margem, imagem.height() + 2 * margem, QImage::Format_RGB32);
    moldura.fill(Qt::white);
    QPainter(&moldura).drawImage(margem, margem, imagem);
    moldura.save(arquivo, "PNG");
    return arquivo;
}

std::vector<Leitura> LerComZXing(const QStringList& arquivos, const QString& formatos) {
    QProcess leitor;
    leitor.start("ZXingReader", QStringList{"-1", "-format", formatos} + arquivos);
    leitor.waitForFinished(120000);
    // One line a symbol found: <file> <format> "<text>"; <file> None when none.
    std::map<QString, Leitura> porArquivo;
    for (const QString& linha : QString::fromUtf8(leitor.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts)) {
        const qsizetype espaco = linha.indexOf(' ');
        const QString arquivo = linha.left(espaco), resto = linha.mid(espaco + 1);
        const qsizetype aspas = resto.indexOf('"');
        Leitura l{resto.left(aspas < 0 ? resto.size() : aspas).trimmed().toStdString(),
                  aspas < 0 ? "" : resto.mid(aspas + 1, resto.lastIndexOf('"') - aspas - 1).toStdString()};
        porArquivo.try_emplace(arquivo, l);
    }
    std::vector<Leitura> leituras;
    for (const QString& a : arquivos) {
        auto it = porArquivo.find(a);
        leituras.push_back(it == porArquivo.end() ? Leitura{"(no output)", {}} : it->second);
    }
    return leituras;
}

}  // namespace mobrix::teste
