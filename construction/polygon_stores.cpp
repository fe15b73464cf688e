#include "construction/Uallgemein.h"

PolygonStore mag_polygon;
PolygonStore phase_polygon;
