#pragma once
// The pictures of the template editor's toolbar and the mailing list's ticks, drawn by the
// program itself.
#include <QImage>

enum class IconoEditor {
    Nuevo, Abrir, Guardar, GuardarComo, Imprimir, Negrita, Cursiva, Subrayado, Izquierda, Derecha,
    Centrado, Justificado, Color, SaltoPagina, Panel, Salir, Si, No,
};

// The picture, `lado` pixels square, on a transparent background.
QImage DibujarIconoEditor(IconoEditor icono, int lado = 32);
