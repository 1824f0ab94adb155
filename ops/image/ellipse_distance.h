// How far a point inside an ellipse lies from its edge.
#pragma once

namespace pixmora {

// The distance from (u, v), inside the ellipse u^2/a^2 + v^2/b^2 = 1 and
// measured from its centre, to the nearest point of that ellipse; the
// semi-axes a and b are positive, u and v may have either sign.
double DistanceToEllipseEdge(double a, double b, double u, double v);

}  // namespace pixmora
