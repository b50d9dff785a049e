// Building blocks shared by the background and the parts: bevels, gradients, rounded
// shapes and a repeatable noise. The light falls from the top left throughout.
#pragma once

#include "canvas.h"

#include <cstdint>

namespace art {

// A dark edge above and left of the box and a light edge below and right of it, one pixel
// outside: the box looks set into the panel.
void recess(const Canvas& canvas, Box inner, double strength = 1.0);

// A light edge along the top and left inside the box and a dark one along the bottom
// and right: the box stands out of the panel.
void raise(const Canvas& canvas, Box box, double light, double dark);

// Fills the box with a gradient from top to bottom (vertical) or from left to right.
void gradient(const Canvas& canvas, Box box, Rgb from, Rgb to, bool vertical = true);

void roundedRect(cairo_t* cr, double x, double y, double w, double h, double radius);

// Repeatable value noise in -1..1: smooth along x with the given wavelength, independent
// from row to row, as in brushed metal.
double brushed(int x, int y, double wavelength, uint32_t seed);

} // namespace art
