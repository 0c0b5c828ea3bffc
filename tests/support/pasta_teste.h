#pragma once
// A private folder for one test under the system's temporary folder (never
// the user's home), removed with everything in it when the test ends.
#include <string>
#include <vector>

namespace mobrix::teste {

class PastaTeste {
public:
    PastaTeste();
    ~PastaTeste();
    PastaTeste(const PastaTeste&) = delete;
    PastaTeste& operator=(const PastaTeste&) = delete;

    // The folder, with a trailing '/'.
    const std::string& caminho() const { return caminho_; }
    std::string operator/(const std::string& nome) const { return caminho_ + nome; }

    // Makes a folder refuse new files, also for root (immutable flag), until
    // the test ends. False when the platform does not allow it.
    bool ProtegerContraEscrita(const std::string& pasta);

private:
    std::string caminho_;
    std::vector<std::string> protegidas_;
};

// Whole-file helpers for tests.
std::string LerTudo(const std::string& caminho);
void GravarTudo(const std::string& caminho, const std::string& bytes);

}  // namespace mobrix::teste
