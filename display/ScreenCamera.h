#pragma once

#include <cstdint>

// The one viewing transformation of the chamber: a fixed eye, the accumulated rotation of the
// chamber about its own axes, and the perspective projection from chamber coordinates (display
// units, the cube -400..+400) to pixels of the chamber view's back buffer.
//
// Matrices are row-major and act on column vectors (x, y, z, w).
struct ScreenCamera {
    using Matrix = double[4][4];

    // Rotation axes of Rotate and of the rotation loop's axis field.
    static constexpr int kAxisX = 1;
    static constexpr int kAxisY = 2;
    static constexpr int kAxisZ = 3;

    // Projected pixels farther than this from the origin lie off every surface the program
    // draws on; Project refuses them so that callers can add small offsets without overflow.
    static constexpr double kPixelLimit = 1 << 24;

    double eyeDistance;    // rho: distance of the eye from the chamber centre, display units
    double azimuth;        // theta: degrees in the X-Y plane from +X towards +Y
    double polarAngle;     // phi: degrees from +Z
    double reserved;       // stored, never read
    double screenDistance; // D: pixels per unit of depth
    Matrix baseView;       // view of the starting orientation
    Matrix currentView;    // baseView x rotation
    Matrix rotation;       // accumulated rotation of the chamber
    double centreX;        // pixel column of the chamber centre
    double centreY;        // pixel row of the chamber centre
    double lastAngle;      // radians, angle of the previous Rotate
    double lastCos;
    double lastSin;
    int32_t axis = kAxisX; // axis the rotation loop turns about

    // The main frame's camera of the Particle Chamber: rho 3250, theta 30, phi 60, reserved 50,
    // D 2300, centre at row 223, column 322 of the 640 x 500 picture.
    static ScreenCamera ForChamber() { return ScreenCamera(3250.0, 30.0, 60.0, 50.0, 2300.0, 223.0, 322.0); }

    // Note the order: the centre row comes before the centre column.
    ScreenCamera(double rho, double theta, double phi, double reservedValue, double d, double centreRow,
                 double centreColumn);

    // Rebuilds baseView from rho, theta and phi, copies it into currentView and clears the
    // accumulated rotation.
    void ResetOrientation();

    // Turns the chamber by angle radians about its own (already turned) axis 1 = X, 2 = Y or
    // 3 = Z; positive is counter-clockwise seen from the positive end of the axis. Another axis
    // leaves the rotation unchanged. currentView is recomputed in every case.
    void Rotate(int rotationAxis, double angle);

    // Maps a chamber point to a pixel (column, row), each truncated toward zero. Returns false,
    // leaving column and row untouched, when the point has no pixel: a coordinate that is not
    // finite, or a projection farther than kPixelLimit from the origin.
    bool Project(double x, double y, double z, double w, int& column, int& row) const;

private:
    void ComputeCurrentView();
};
