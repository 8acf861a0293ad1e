#include "Frame.h"

#include <QLineF>
#include <array>
#include <cmath>

namespace Art {

namespace {

using TMatrix6 = std::array<std::array<double, 6>, 6>;

struct TAxes {
    double L, C, S; // length, cosine and sine of the member's direction
};

TAxes Axes(QPointF a, QPointF b) {
    const double length = QLineF(a, b).length();
    return {length, (b.x() - a.x()) / length, (b.y() - a.y()) / length};
}

// The member's stiffness in the structure's axes, for the displacements (x, y, rotation) of A then B.
TMatrix6 Stiffness(const TAxes& m, double EA, double EI, bool bar) {
    const double L = m.L, a = EA / L;
    const double b = bar ? 0 : 12 * EI / (L * L * L), c = bar ? 0 : 6 * EI / (L * L),
                 d = bar ? 0 : 4 * EI / L, e = bar ? 0 : 2 * EI / L;
    const TMatrix6 local{{{a, 0, 0, -a, 0, 0},
                          {0, b, c, 0, -b, c},
                          {0, c, d, 0, -c, e},
                          {-a, 0, 0, a, 0, 0},
                          {0, -b, -c, 0, b, -c},
                          {0, c, e, 0, -c, d}}};
    TMatrix6 t{};
    for (const int o : {0, 3}) {
        t[o][o] = m.C;
        t[o][o + 1] = m.S;
        t[o + 1][o] = -m.S;
        t[o + 1][o + 1] = m.C;
        t[o + 2][o + 2] = 1;
    }
    TMatrix6 global{};
    for (int i = 0; i < 6; ++i)
        for (int j = 0; j < 6; ++j) {
            double sum = 0;
            for (int k = 0; k < 6; ++k)
                for (int l = 0; l < 6; ++l)
                    sum += t[k][i] * local[k][l] * t[l][j];
            global[i][j] = sum;
        }
    return global;
}

} // namespace

int TFrame::Joint(QPointF at) {
    Joints.push_back(at);
    Fixed.insert(Fixed.end(), 3, false);
    Loads.insert(Loads.end(), 3, 0.0);
    return int(Joints.size()) - 1;
}

int TFrame::Member(int a, int b, bool bar) {
    Members.push_back({a, b, bar});
    return int(Members.size()) - 1;
}

std::vector<int> TFrame::Chain(int a, int b, int n) {
    std::vector<int> joints{a};
    for (int i = 1; i < n; ++i)
        joints.push_back(Joint(Joints[a] + (Joints[b] - Joints[a]) * (double(i) / n)));
    joints.push_back(b);
    for (int i = 0; i < n; ++i)
        Member(joints[i], joints[i + 1]);
    return joints;
}

void TFrame::Fix(int joint, bool x, bool y, bool rotation) {
    Fixed[3 * joint] = Fixed[3 * joint] || x;
    Fixed[3 * joint + 1] = Fixed[3 * joint + 1] || y;
    Fixed[3 * joint + 2] = Fixed[3 * joint + 2] || rotation;
}

void TFrame::Load(int joint, QPointF force) {
    Loads[3 * joint] += force.x();
    Loads[3 * joint + 1] += force.y();
}

bool TFrame::Solve() {
    const int n = int(Joints.size()) * 3;
    std::vector<bool> fixed = Fixed;
    // A joint that only pin-ended bars meet has no rotation to find.
    std::vector<bool> rigid(Joints.size(), false);
    for (const TMember& m : Members)
        if (!m.Bar) rigid[m.A] = rigid[m.B] = true;
    for (std::size_t j = 0; j < Joints.size(); ++j)
        if (!rigid[j]) fixed[3 * j + 2] = true;
    std::vector<std::vector<double>> k(n, std::vector<double>(n, 0.0));
    for (const TMember& m : Members) {
        const TMatrix6 g = Stiffness(Axes(Joints[m.A], Joints[m.B]), E * Area, E * Second, m.Bar);
        const int dof[6] = {3 * m.A, 3 * m.A + 1, 3 * m.A + 2, 3 * m.B, 3 * m.B + 1, 3 * m.B + 2};
        for (int i = 0; i < 6; ++i)
            for (int j = 0; j < 6; ++j)
                k[dof[i]][dof[j]] += g[i][j];
    }
    std::vector<int> free;
    for (int i = 0; i < n; ++i)
        if (!fixed[i]) free.push_back(i);
    const int f = int(free.size());
    std::vector<std::vector<double>> a(f, std::vector<double>(f + 1));
    double largest = 0;
    for (int i = 0; i < f; ++i) {
        for (int j = 0; j < f; ++j)
            largest = std::max(largest, std::abs(a[i][j] = k[free[i]][free[j]]));
        a[i][f] = Loads[free[i]];
    }
    // Gaussian elimination with partial pivoting.
    for (int col = 0; col < f; ++col) {
        int pivot = col;
        for (int r = col + 1; r < f; ++r)
            if (std::abs(a[r][col]) > std::abs(a[pivot][col])) pivot = r;
        if (std::abs(a[pivot][col]) < 1e-12 * largest) return false;
        std::swap(a[col], a[pivot]);
        for (int r = col + 1; r < f; ++r) {
            const double factor = a[r][col] / a[col][col];
            if (factor == 0) continue;
            for (int c = col; c <= f; ++c)
                a[r][c] -= factor * a[col][c];
        }
    }
    Solution.assign(n, 0.0);
    for (int i = f - 1; i >= 0; --i) {
        double sum = a[i][f];
        for (int j = i + 1; j < f; ++j)
            sum -= a[i][j] * Solution[free[j]];
        Solution[free[i]] = sum / a[i][i];
    }
    return true;
}

QPointF TFrame::Displacement(int joint) const {
    return Solution.empty() ? QPointF() : QPointF(Solution[3 * joint], Solution[3 * joint + 1]);
}

double TFrame::Rotation(int joint) const {
    return Solution.empty() ? 0 : Solution[3 * joint + 2];
}

double TFrame::AxialForce(int member) const {
    const TMember& m = Members[member];
    const TAxes axes = Axes(Joints[m.A], Joints[m.B]);
    const QPointF d = Displacement(m.B) - Displacement(m.A);
    return E * Area / axes.L * (d.x() * axes.C + d.y() * axes.S);
}

QPointF TFrame::Reaction(int joint) const {
    // What the members take from the joint, less the load applied there.
    QPointF force;
    for (const TMember& m : Members) {
        if (m.A != joint && m.B != joint) continue;
        const TMatrix6 g = Stiffness(Axes(Joints[m.A], Joints[m.B]), E * Area, E * Second, m.Bar);
        double d[6];
        for (int i = 0; i < 3; ++i) {
            d[i] = Solution.empty() ? 0 : Solution[3 * m.A + i];
            d[3 + i] = Solution.empty() ? 0 : Solution[3 * m.B + i];
        }
        const int o = m.A == joint ? 0 : 3;
        for (int i = 0; i < 2; ++i) {
            double sum = 0;
            for (int j = 0; j < 6; ++j)
                sum += g[o + i][j] * d[j];
            (i == 0 ? force.rx() : force.ry()) += sum;
        }
    }
    return force - QPointF(Loads[3 * joint], Loads[3 * joint + 1]);
}

std::vector<QPointF> TFrame::Shape(int member, double scale, int samples) const {
    const TMember& m = Members[member];
    const TAxes axes = Axes(Joints[m.A], Joints[m.B]);
    const QPointF along(axes.C, axes.S), across(-axes.S, axes.C);
    const QPointF da = Displacement(m.A), db = Displacement(m.B);
    const double ua = QPointF::dotProduct(da, along), ub = QPointF::dotProduct(db, along);
    const double va = QPointF::dotProduct(da, across), vb = QPointF::dotProduct(db, across);
    const double ta = Rotation(m.A), tb = Rotation(m.B);
    std::vector<QPointF> points;
    for (int i = 0; i <= samples; ++i) {
        const double t = double(i) / samples;
        const double u = (1 - t) * ua + t * ub;
        const double v = m.Bar ? (1 - t) * va + t * vb
                               : (1 - 3 * t * t + 2 * t * t * t) * va +
                                     (t - 2 * t * t + t * t * t) * axes.L * ta +
                                     (3 * t * t - 2 * t * t * t) * vb + (t * t * t - t * t) * axes.L * tb;
        points.push_back(Joints[m.A] + (Joints[m.B] - Joints[m.A]) * t + (along * u + across * v) * scale);
    }
    return points;
}

double TFrame::LargestDisplacement() const {
    double largest = 0;
    for (std::size_t j = 0; j < Joints.size(); ++j) {
        const QPointF d = Displacement(int(j));
        largest = std::max(largest, std::hypot(d.x(), d.y()));
    }
    return largest;
}

} // namespace Art
