#pragma once
// Whole-file reads and crash-safe writes. A write goes to a temporary file in
// the target's folder and is renamed over the target only when complete, so a
// failed or interrupted save leaves the previous file whole.
#include <cstddef>
#include <string>

namespace mobrix {

struct ErroArquivo {
    int numero = 0;         // errno-style code, 0 = success
    std::string descricao;  // the system's description
    bool ok() const { return numero == 0; }
};

// Files larger than this are refused rather than read into memory.
inline constexpr size_t TamanhoMaximoArquivo = size_t{512} * 1024 * 1024;

ErroArquivo LerArquivo(const std::string& caminho, std::string& bytes);
ErroArquivo GravarArquivoAtomico(const std::string& caminho, const std::string& bytes);
bool ArquivoExiste(const std::string& caminho);
// Deletes a file if it is there; failures are ignored (temporary files).
void ExcluirArquivo(const std::string& caminho);

}  // namespace mobrix
