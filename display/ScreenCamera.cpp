#include "display/ScreenCamera.h"

#include <cmath>
#include <cstring>

namespace {

void SetIdentity(ScreenCamera::Matrix& m)
{
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            m[r][c] = r == c ? 1.0 : 0.0;
}

// Replaces columns a and b of rows 1 to 3 of m by (c a + s b) and (-s a + c b): the
// post-multiplication by a rotation in the plane of those two axes.
void TurnColumns(ScreenCamera::Matrix& m, int a, int b, double c, double s)
{
    for (int r = 0; r < 3; ++r) {
        const double colA = m[r][a];
        const double colB = m[r][b];
        m[r][a] = c * colA + s * colB;
        m[r][b] = -s * colA + c * colB;
    }
}

// A pixel coordinate truncated toward zero, or false when it has none.
bool ToPixel(double value, int& pixel)
{
    if (!std::isfinite(value) || std::fabs(value) > ScreenCamera::kPixelLimit)
        return false;
    pixel = static_cast<int>(value);
    return true;
}

} // namespace

ScreenCamera::ScreenCamera(double rho, double theta, double phi, double reservedValue, double d, double centreRow,
                           double centreColumn)
    : eyeDistance(rho)
    , azimuth(theta)
    , polarAngle(phi)
    , reserved(reservedValue)
    , screenDistance(d)
    , centreX(centreColumn)
    , centreY(centreRow)
    , lastAngle(0.0)
    , lastCos(std::cos(0.0))
    , lastSin(std::sin(0.0))
{
    ResetOrientation();
}

void ScreenCamera::ResetOrientation()
{
    const double degree = std::atan2(1.0, 1.0) / 45.0;
    const double a = azimuth * degree;
    const double b = polarAngle * degree;
    const double ca = std::cos(a), sa = std::sin(a), cb = std::cos(b), sb = std::sin(b);
    const Matrix view = {
        {-sa, ca, 0.0, 0.0},
        {-cb * ca, -cb * sa, sb, 0.0},
        {-sb * ca, -sb * sa, -cb, eyeDistance},
        {0.0, 0.0, 0.0, 1.0},
    };
    std::memcpy(baseView, view, sizeof(Matrix));
    std::memcpy(currentView, view, sizeof(Matrix));
    SetIdentity(rotation);
}

void ScreenCamera::Rotate(int rotationAxis, double angle)
{
    if (angle != lastAngle) {
        lastAngle = angle;
        lastCos = std::cos(angle);
        lastSin = std::sin(angle);
    }
    const double c = lastCos, s = lastSin;
    switch (rotationAxis) {
    case kAxisX: TurnColumns(rotation, 1, 2, c, s); break;
    case kAxisY: TurnColumns(rotation, 0, 2, c, -s); break;
    case kAxisZ: TurnColumns(rotation, 0, 1, c, s); break;
    default: break;
    }
    ComputeCurrentView();
}

void ScreenCamera::ComputeCurrentView()
{
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            double sum = 0.0;
            for (int k = 0; k < 4; ++k)
                sum += baseView[r][k] * rotation[k][c];
            currentView[r][c] = sum;
        }
}

bool ScreenCamera::Project(double x, double y, double z, double w, int& column, int& row) const
{
    const Matrix& m = currentView;
    const double ex = m[0][0] * x + m[0][1] * y + m[0][2] * z + m[0][3] * w;
    const double ey = m[1][0] * x + m[1][1] * y + m[1][2] * z + m[1][3] * w;
    const double ez = m[2][0] * x + m[2][1] * y + m[2][2] * z + m[2][3] * w;
    // The depth already holds rho (row 3 of the base view), so the eye sits 2 rho out.
    const double k = screenDistance / (ez + eyeDistance);
    int c = 0, r = 0;
    if (!ToPixel(k * ex + centreX, c) || !ToPixel(centreY - k * ey, r))
        return false;
    column = c;
    row = r;
    return true;
}
