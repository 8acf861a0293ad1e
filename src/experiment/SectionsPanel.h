#pragma once
// The section and material part of the experiment window's tool box: the "Display:" switch, the section
// list, the dimensioned drawing with the flat bar's two edit boxes, the theoretical values with the units
// switch, and the material selector with the user's own modulus.
//
// The panel owns these controls (Qt children of the tool box it is given, at the tool box's coordinates)
// and reaches the window only through TSectionsHost: the theory whose ModulusE and SecondMomentI it sets,
// Recalculate, and the window's beam tools that share the tool box with the section display.

#include <QComboBox>
#include <QGroupBox>
#include <QObject>
#include <array>

#include "theory/BeamTheory.h"
#include "theory/Sections.h"
#include "widgets/SpinEditFloat.h"

class QButtonGroup;
class QLabel;
class QPushButton;
class QRadioButton;
class QToolButton;

class TSectionsHost {
public:
    virtual ~TSectionsHost() = default;
    [[nodiscard]] virtual TBeamTheory& Theory() = 0;
    // The window's recalculation: its layout, its deflection view.
    virtual void Recalculate() = 0;
    // The fifteen beam tools swap places with the section display.
    virtual void InvertBeamToolsVisibility() {}
};

// A group of radio buttons with a caption; ItemIndex is the checked one.
class TRadioGroup final : public QGroupBox {
    Q_OBJECT
public:
    TRadioGroup(const QString& caption, const QStringList& items, QWidget* parent);
    [[nodiscard]] int ItemIndex() const;
    void SetItemIndex(int index);
    [[nodiscard]] QRadioButton* Item(int index) const;
    // Focusing the group focuses its checked button.
    void FocusGroup();

signals:
    // The checked item changed.
    void Click();

private:
    QButtonGroup* Buttons;
};

// The section list: every item, and the closed box, drawn as icon plus name.
class TSectionsComboBox final : public QComboBox {
    Q_OBJECT
public:
    static constexpr int ItemHeight = 16;
    explicit TSectionsComboBox(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

class TSectionsPanel final : public QObject {
    Q_OBJECT
public:
    // The design places of the material controls inside GroupValues, and of GroupValues in the tool box.
    static constexpr QPoint GroupValuesPlace{6, 255};
    static constexpr QPoint YoungsModLabelPlace{7, 84};
    static constexpr QPoint YoungsModulusPlace{7, 101};
    static constexpr QPoint OtherLabelPlace{8, 104};
    static constexpr QPoint OtherValuePlace{90, 100};
    static constexpr QPoint OkButtonPlace{146, 99};
    static constexpr int RadioGroupDesignTop = 15;

    TSectionsPanel(QWidget* toolBox, TSectionsHost& host);

    // The state of a new window: metre units, the flat bar, aluminium, the flat bar's properties computed
    // from its start dimensions, the material controls in the tool box. Sets the theory's inputs without
    // recalculating.
    void Initialise();

    // Draws one item of the section list: background, icon at (left + 1, top + 1), name after it.
    static void SectionsComboBoxDrawItem(QPainter& painter, int index, const QRect& rect, bool selected,
                                         const QPalette& palette, const QFont& font);

    void SectionsComboBoxChange();
    void YoungsModulusChange();
    void OkButtonClick();
    void RadioGroupClick();
    void DimensionChange();
    void UnitsBtnClick();
    void ShowSectionProperties();
    void ShowFlatSectionProperties();
    void DockMaterialControlsInToolBox();
    void DockMaterialControlsInGroup();

    // For the window's mode commands: SecondMomentI of the selected section, from its catalogue entry, or
    // for the flat bar from the last accepted dimensions (the moment its labels show).
    void ApplySelectedSectionMoment();
    [[nodiscard]] bool ShowingSectionProperties() const { return RadioGroup->ItemIndex() == 1; }
    // The flat bar's last accepted dimensions, mm (what its labels and the theory use).
    [[nodiscard]] double AcceptedFlatWidth() const { return AcceptedWidth; }
    [[nodiscard]] double AcceptedFlatThickness() const { return AcceptedThickness; }

    bool MetreUnits = true;
    std::array<float, MaterialCount> MaterialModuli = DefaultMaterialModuli;

    TRadioGroup* RadioGroup;
    TSectionsComboBox* SectionsComboBox;
    QLabel* SectionImage;
    QLabel* DimensionUnitsLabel;
    QGroupBox* GroupValues;
    QLabel* MomentOfAreaLabel;
    QLabel* AreaLabel;
    QLabel* NeutralAxisLabel;
    QLabel* PowerOfLabel;
    QToolButton* UnitsBtn;
    QLabel* YoungsModLabel;
    QComboBox* YoungsModulus;
    QLabel* OtherLabel;
    TSpinEditFloat* OtherValue;
    QPushButton* OkButton;
    TSpinEditFloat* X1;
    TSpinEditFloat* Y1;

private:
    [[nodiscard]] std::array<QWidget*, 5> MaterialControls() const;
    [[nodiscard]] std::array<QWidget*, 8> SectionDisplay() const;
    void ShowPicture(const char* name, int left, int top);
    void PlacePowerOfLabel();
    void ShowUnitsGlyph();

    QWidget* ToolBox;
    TSectionsHost& Host;
    // The last flat-bar dimensions within their ranges, mm.
    double AcceptedWidth = FlatWidthStart;
    double AcceptedThickness = FlatThicknessStart;
};
