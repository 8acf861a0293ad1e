#pragma once
// Records what Recalculate hands the deflection view.
#include "theory/BeamTheory.h"

class TRecordingPresenter final : public TDeflectionPresenter {
public:
    enum class TCall { None, Clear, Cantilever, FixedBothEnds, TwoSided };
    void ClearDeflectionView() override { Record(TCall::Clear); }
    void ShowCantileverDeflection(const TDeflectionCurve& c, int) override { Record(TCall::Cantilever, c); }
    void ShowFixedBothEndsDeflection(const TDeflectionCurve& c, float largest, int) override {
        Record(TCall::FixedBothEnds, c, largest);
    }
    void ShowTwoSidedDeflection(const TDeflectionCurve& c, float largest, float smallest, int) override {
        Record(TCall::TwoSided, c, largest, smallest);
    }
    TCall Last = TCall::None;
    int Calls = 0;
    TDeflectionCurve Curve{};
    float Largest = 0, Smallest = 0;

private:
    void Record(TCall call, const TDeflectionCurve& c = {}, float largest = 0, float smallest = 0) {
        Last = call;
        ++Calls;
        Curve = c;
        Largest = largest;
        Smallest = smallest;
    }
};
