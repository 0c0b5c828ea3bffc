// Build step: writes the program icon to the PNG file named on the command
// line (placed beside the program, where the file-type registration finds it).
#include <QGuiApplication>
#include <cstdio>

#include "icones.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: gerar_icone OUT.png\n");
        return 1;
    }
    QGuiApplication app(argc, argv);
    if (!mobrix::DesenharIconePrograma(128).save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "gerar_icone: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
