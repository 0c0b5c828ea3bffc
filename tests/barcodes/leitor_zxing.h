#pragma once
// Proof that a drawn symbol scans: the picture is framed by a white quiet
// zone, saved as PNG and decoded by an independent reader, ZXingReader.
#include <QImage>
#include <QString>
#include <QStringList>
#include <string>
#include <vector>

namespace mobrix::teste {

struct Leitura {
    std::string formato;  // as ZXingReader names it, "None" when nothing was read
    std::string texto;
};

// Saves the picture inside a white margin; returns the file's path.
QString SalvarComMargem(const QImage& imagem, const QString& arquivo, int margem = 12);
// Decodes every file in one run of the reader, restricted to `formatos`
// ("Code39,ITF"); one result per file, in order.
std::vector<Leitura> LerComZXing(const QStringList& arquivos, const QString& formatos);

}  // namespace mobrix::teste
