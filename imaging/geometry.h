#pragma once
// Points and rectangles live with the other shared helpers; this name stays
// for the drawing code that has always included it from here.
#include "util/geometry.h"
