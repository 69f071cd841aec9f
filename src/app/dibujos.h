#pragma once
#include <QImage>
#include <QPixmap>

// The program's own pictures, drawn in code so that they scale cleanly and carry no
// third-party artwork: the eleven button pictures and the main window's background.

enum class Dibujo {
    Casas, Caras, Formulario, Lista, Sobre, Documento, Lupa, LetrasIpc, Hucha, Globo, Interrogacion,
};
constexpr int kNumDibujos = 11;

// A square picture of `lado` pixels, transparent background.
QImage DibujarIcono(Dibujo d, int lado = 48);
// The background picture: a street of houses under a morning sky, 687 x 480.
QImage DibujarFondo();
