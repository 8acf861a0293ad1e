#pragma once
// A small linear-elastic plane frame, for drawing the deflected shapes and the readouts of the module
// pictures from the structure the picture shows: joints at world coordinates (millimetres of the apparatus,
// y downwards), members that are rigid-jointed beams or pin-ended bars, supports, and point loads at joints.
// Solved by the direct stiffness method; the pictures are small enough for a dense solve.

#include <QPointF>
#include <vector>

namespace Art {

class TFrame {
public:
    struct TMember {
        int A = 0, B = 0;
        bool Bar = false; // pin-ended: axial force only
    };
    // Section properties shared by every member (N, mm).
    double E = 207000;  // N/mm^2, steel
    double Area = 30;   // mm^2
    double Second = 50; // mm^4

    int Joint(QPointF at);
    int Member(int a, int b, bool bar = false);
    // The joints between a and b on a straight line, n members, joined rigidly; answers the joints a..b.
    std::vector<int> Chain(int a, int b, int n);
    void Fix(int joint, bool x, bool y, bool rotation);
    void Load(int joint, QPointF force); // N, y downwards

    // Solves; false when the structure is a mechanism.
    bool Solve();
    [[nodiscard]] QPointF Displacement(int joint) const; // mm
    [[nodiscard]] double Rotation(int joint) const;      // radians, from +x towards +y
    [[nodiscard]] double AxialForce(int member) const;   // N, tension positive
    [[nodiscard]] QPointF Reaction(int joint) const;     // N, the support's force on the structure
    // The member's deflected centre line, the displacements multiplied by `scale`, as `samples` + 1 points.
    [[nodiscard]] std::vector<QPointF> Shape(int member, double scale, int samples = 16) const;
    // The largest joint displacement, to choose a drawing scale.
    [[nodiscard]] double LargestDisplacement() const;

    std::vector<QPointF> Joints;
    std::vector<TMember> Members;

private:
    std::vector<bool> Fixed;
    std::vector<double> Loads, Solution;
};

} // namespace Art
