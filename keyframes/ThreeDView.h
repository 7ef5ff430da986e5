// One 3D view of a frame: viewer position, the three viewer angles in
// degrees and the view width. Also used for the difference of two views and
// for one step between them.
#ifndef KFA_KEYFRAMES_THREE_D_VIEW_H
#define KFA_KEYFRAMES_THREE_D_VIEW_H

struct ThreeDView_s {
    ThreeDView_s() = default;
    ThreeDView_s(double viewerX, double viewerY, double viewerZ, double psiAngle, double thetaAngle, double alphaAngle,
                 double viewWidth)
        : x(viewerX), y(viewerY), z(viewerZ), psi(psiAngle), theta(thetaAngle), alpha(alphaAngle), width(viewWidth)
    {
    }

    // Every field divided by `divisor`.
    ThreeDView_s operator/(double divisor) const
    {
        return {x / divisor,     y / divisor,     z / divisor,    psi / divisor,
                theta / divisor, alpha / divisor, width / divisor};
    }

    // Exact comparison of all seven fields.
    bool operator==(const ThreeDView_s& other) const
    {
        return x == other.x && y == other.y && z == other.z && psi == other.psi && theta == other.theta &&
               alpha == other.alpha && width == other.width;
    }
    bool operator!=(const ThreeDView_s& other) const { return !(*this == other); }

    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
    double psi = 0.0;
    double theta = 0.0;
    double alpha = 0.0;
    double width = 0.0;
};

#endif
