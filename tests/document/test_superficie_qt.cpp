#include <gtest/gtest.h>

#include "document/ui/superficie_qt.h"

using namespace mobrix;

TEST(SuperficieQt, LinhasRetangulosEContornos) {
    SuperficieQt s(20, 10);
    s.Linha(3, 1, 3, 4, Preto);
    EXPECT_EQ(s.LerPixel(3, 0), Branco);
    EXPECT_EQ(s.LerPixel(3, 1), Preto);
    EXPECT_EQ(s.LerPixel(3, 4), Preto);  // both ends painted
    EXPECT_EQ(s.LerPixel(3, 5), Branco);
    s.Linha(0, 9, 5, 9, Rgb(255, 0, 0));
    EXPECT_EQ(s.LerPixel(5, 9), Rgb(255, 0, 0));
    s.Retangulo(10, 2, 12, 4, Rgb(0, 0, 255));
    EXPECT_EQ(s.LerPixel(11, 3), Rgb(0, 0, 255));
    EXPECT_EQ(s.LerPixel(12, 3), Branco);  // right exclusive
    EXPECT_EQ(s.LerPixel(11, 4), Branco);  // bottom exclusive
    s.Contorno(14, 2, 18, 6, Preto);
    EXPECT_EQ(s.LerPixel(18, 6), Preto);
    EXPECT_EQ(s.LerPixel(16, 4), Branco);
    s.Linha(-5, -5, 100, -5, Preto);  // clipped, no crash
    s.Retangulo(-50, -50, 500, 500, Branco);
    EXPECT_EQ(s.LerPixel(3, 2), Branco);
}

TEST(SuperficieQt, TamanhoImpossivelFalhaSemAlocar) {
    SuperficieQt s(10, 10);
    EXPECT_FALSE(s.Redimensionar(100000, 100000));
    EXPECT_EQ(s.Largura(), 0);
    s.Linha(0, 0, 5, 5, Preto);  // harmless on an empty picture
    EXPECT_TRUE(s.Redimensionar(4, 3));
    EXPECT_EQ(s.Largura(), 4);
    EXPECT_EQ(s.Altura(), 3);
}

TEST(SuperficieQt, TextoComFonteEmPixels) {
    SuperficieQt s(200, 50);
    FonteSuperficie f;
    f.Nome = "Arial";
    f.Tamanho = 7.5;  // 10 pixels
    s.DefinirFonte(f);
    EXPECT_GT(s.LarguraTexto("Texto"), 10);
    EXPECT_GE(s.AlturaTexto("Xg"), 10);
    s.EscreverTexto(5, 5, "Texto", Preto, 0, nullptr);
    bool algoEscuro = false;
    for (int y = 5; y < 20; ++y)
        for (int x = 5; x < 50; ++x) algoEscuro |= s.LerPixel(x, y) != Branco;
    EXPECT_TRUE(algoEscuro);
    FonteSuperficie zero = f;
    zero.Tamanho = 0;
    s.DefinirFonte(zero);  // keeps the previous size
    EXPECT_EQ(s.Fonte().Tamanho, 7.5);
}

TEST(SuperficieQt, CopiaEsticada) {
    SuperficieQt origem(2, 1);
    origem.Pixel(0, 0, Preto);
    SuperficieQt destino(10, 10);
    destino.Copiar(origem, 2, 2, 4, 2);
    EXPECT_EQ(destino.LerPixel(2, 2), Preto);
    EXPECT_EQ(destino.LerPixel(3, 3), Preto);
    EXPECT_EQ(destino.LerPixel(4, 2), Branco);
    destino.CarregarImagemPadrao(ImagemPadrao::Erro);
    EXPECT_EQ(destino.Largura(), 32);
    EXPECT_FALSE(destino.CarregarFigura("/nao/existe.bmp"));
}
