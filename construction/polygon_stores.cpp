// The two polygon stores of the guided construction.
#include "construction/Uallgemein.h"

PolygonStore mag_polygon;
PolygonStore phase_polygon;
