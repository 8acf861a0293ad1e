#include "SectionsPanel.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionComboBox>
#include <QStyledItemDelegate>
#include <QToolButton>
#include <algorithm>
#include <utility>

#include "theory/SectionDrawings.h"
#include "widgets/SpinEditFloat.h"

TRadioGroup::TRadioGroup(const QString& caption, const QStringList& items, QWidget* parent)
    : QGroupBox(caption, parent), Buttons(new QButtonGroup(this)) {
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        button->move(10, 17 + 18 * i);
        button->adjustSize();
        Buttons->addButton(button, i);
    }
    if (!items.isEmpty()) Buttons->button(0)->setChecked(true);
    connect(Buttons, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked) emit Click();
    });
}

int TRadioGroup::ItemIndex() const {
    return Buttons->checkedId();
}

void TRadioGroup::SetItemIndex(int index) {
    if (QAbstractButton* button = Buttons->button(index)) button->setChecked(true);
}

QRadioButton* TRadioGroup::Item(int index) const {
    return qobject_cast<QRadioButton*>(Buttons->button(index));
}

void TRadioGroup::FocusGroup() {
    if (QAbstractButton* checked = Buttons->checkedButton())
        checked->setFocus(Qt::OtherFocusReason);
    else
        setFocus(Qt::OtherFocusReason);
}

namespace {

// A control's hint shows as its tooltip and, when the pointer enters it, in the window's status bar.
void SetControlHint(QWidget* w, const QString& hint) {
    w->setToolTip(hint);
    w->setStatusTip(hint);
}

class TSectionItemDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        TSectionsPanel::SectionsComboBoxDrawItem(*painter, index.row(), option.rect,
                                                 option.state & QStyle::State_Selected, option.palette,
                                                 option.font);
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
        return {option.rect.width(), TSectionsComboBox::ItemHeight};
    }
};

QLabel* MakeLabel(const QString& text, QWidget* parent, QPoint place) {
    auto* label = new QLabel(text, parent);
    label->move(place);
    label->adjustSize();
    return label;
}

// One line of the theoretical values: a caption up to its colon, then the value ("Area of section:
// 60.58 mm²"). The text is kept as designed, whose tab and runs of spaces lined the values up in the
// design's font only; here the value is painted at one column, just past the widest caption, so the three
// values line up in any font.
class TValueLabel final : public QLabel {
public:
    using QLabel::QLabel;

    // The value column, pixels from the label's left: the widest caption and a space.
    [[nodiscard]] int ValueColumn() const {
        int widest = 0;
        for (const char* caption : {"Neutral Axis, Y:", "2nd moment of area:", "Area of section:"})
            widest = std::max(widest, fontMetrics().horizontalAdvance(QString::fromLatin1(caption)));
        return widest + fontMetrics().horizontalAdvance(QChar(' '));
    }

    QSize sizeHint() const override {
        const QSize plain = QLabel::sizeHint();
        const auto [caption, value] = Split();
        if (value.isEmpty()) return plain;
        const int width = std::max(ValueColumn(), fontMetrics().horizontalAdvance(caption)) +
                          fontMetrics().horizontalAdvance(value);
        return {width + contentsMargins().left() + contentsMargins().right(), plain.height()};
    }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override {
        const auto [caption, value] = Split();
        if (value.isEmpty()) {
            QLabel::paintEvent(event);
            return;
        }
        QPainter painter(this);
        const QRect area = contentsRect();
        const int flags = Qt::AlignLeft | Qt::AlignVCenter;
        style()->drawItemText(&painter, area, flags, palette(), isEnabled(), caption, foregroundRole());
        style()->drawItemText(&painter, area.adjusted(ValueColumn(), 0, 0, 0), flags, palette(), isEnabled(),
                              value, foregroundRole());
    }

private:
    [[nodiscard]] std::pair<QString, QString> Split() const {
        const QString all = text();
        const int colon = all.indexOf(QChar(':'));
        if (colon < 0) return {all, QString()};
        return {all.left(colon + 1), all.mid(colon + 1).trimmed()};
    }
};

QLabel* MakeValueLabel(QWidget* parent, QPoint place) {
    auto* label = new TValueLabel(parent);
    label->move(place);
    return label;
}

} // namespace

TSectionsComboBox::TSectionsComboBox(QWidget* parent) : QComboBox(parent) {
    for (const char* name : SectionNames)
        addItem(QCoreApplication::translate("Sections", name));
    setItemDelegate(new TSectionItemDelegate(this));
}

void TSectionsComboBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    option.currentIcon = QIcon();
    style()->drawComplexControl(QStyle::CC_ComboBox, &option, &painter, this);
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    const QRect item(field.left(), field.top() + (field.height() - ItemHeight) / 2, field.width(),
                     ItemHeight);
    if (currentIndex() >= 0)
        TSectionsPanel::SectionsComboBoxDrawItem(painter, currentIndex(), item, hasFocus(), palette(),
                                                 font());
}

TSectionsPanel::TSectionsPanel(QWidget* toolBox, TSectionsHost& host)
    : QObject(toolBox), ToolBox(toolBox), Host(host) {
    RadioGroup = new TRadioGroup(tr(" Display:"), {tr("Beam Tools"), tr("Section Properties")}, toolBox);
    RadioGroup->setGeometry(43, RadioGroupDesignTop, 133, 57);
    SetControlHint(RadioGroup, tr("Switch between section attributes displayed"));

    SectionsComboBox = new TSectionsComboBox(toolBox);
    SectionsComboBox->setGeometry(43, 69, 140, 22);
    SetControlHint(SectionsComboBox, tr("Pull down list to select a beam cross-section"));
    SectionsComboBox->hide();

    SectionImage = new QLabel(toolBox);
    SectionImage->hide();
    DimensionUnitsLabel = MakeLabel(tr("(All dimensions are in mm)"), toolBox, {50, 236});
    DimensionUnitsLabel->hide();

    GroupValues = new QGroupBox(tr(" Theoretical values:"), toolBox);
    GroupValues->setGeometry(QRect(GroupValuesPlace, QSize(205, 132)));
    GroupValues->hide();
    NeutralAxisLabel = MakeValueLabel(GroupValues, {8, 20});
    MomentOfAreaLabel = MakeValueLabel(GroupValues, {8, 40});
    AreaLabel = MakeValueLabel(GroupValues, {8, 60});
    PowerOfLabel = MakeLabel(QString(), GroupValues, {150, 36});
    QFont small = PowerOfLabel->font();
    small.setPointSizeF(small.pointSizeF() * 0.75);
    PowerOfLabel->setFont(small);
    UnitsBtn = new QToolButton(GroupValues);
    UnitsBtn->setGeometry(173, 38, 25, 18);
    UnitsBtn->setIconSize(QSize(19, 12));
    SetControlHint(UnitsBtn, tr("Click to switch units"));
    for (QWidget* w : {static_cast<QWidget*>(NeutralAxisLabel), static_cast<QWidget*>(MomentOfAreaLabel),
                       static_cast<QWidget*>(AreaLabel), static_cast<QWidget*>(PowerOfLabel),
                       static_cast<QWidget*>(UnitsBtn)})
        w->hide();

    YoungsModLabel = MakeLabel(tr("Young's modulus:"), GroupValues, YoungsModLabelPlace);
    YoungsModulus = new QComboBox(GroupValues);
    for (const char* text : MaterialItemTexts)
        YoungsModulus->addItem(QCoreApplication::translate("Sections", text));
    YoungsModulus->setGeometry(QRect(YoungsModulusPlace, QSize(190, 22)));
    SetControlHint(YoungsModulus, tr("Pull down list to select the material's Young's modulus"));
    YoungsModulus->setEnabled(false); // the window's modes enable it
    OtherLabel = MakeLabel(tr("Other (GPa):"), GroupValues, OtherLabelPlace);
    OtherValue = new TSpinEditFloat(GroupValues);
    OtherValue->setGeometry(QRect(OtherValuePlace, QSize(52, 22)));
    OtherValue->MinValue = OtherModulusMinGPa;
    OtherValue->MaxValue = OtherModulusMaxGPa;
    OtherValue->Increment = 1.0;
    OtherValue->Precision = 1;
    OtherValue->SetValue(69.0);
    SetControlHint(OtherValue, tr("Enter Young's modulus (Range: 1 - 500 GPa)"));
    OkButton = new QPushButton(tr("OK"), GroupValues);
    OkButton->setGeometry(QRect(OkButtonPlace, QSize(40, 24)));
    SetControlHint(OkButton, tr("Click to confirm value of Young's modulus"));
    YoungsModLabel->show();
    YoungsModulus->show();
    OtherLabel->hide();
    OtherValue->hide();
    OkButton->hide();

    // The flat bar's dimensions sit on its drawing, over the dimension lines.
    const TSectionRecord& flat = SectionCatalogue[FlatSectionIndex];
    auto dimensionBox = [toolBox](QRect geometry, double min, double max, double start, const char* hint) {
        auto* edit = new TSpinEditFloat(toolBox);
        edit->setGeometry(geometry);
        edit->MinValue = min;
        edit->MaxValue = max;
        edit->Increment = 0.1;
        edit->Precision = 2;
        edit->SetValue(start);
        SetControlHint(edit, QString::fromUtf8(hint));
        return edit;
    };
    X1 = dimensionBox(QRect(flat.PictureLeft + NoDimFlatWidthLineCentreX - 29,
                            flat.PictureTop + NoDimFlatWidthLineY - 11, 58, 22),
                      FlatWidthMin, FlatWidthMax, FlatWidthStart, "Enter dimension (Range: 17 - 21 mm)");
    Y1 = dimensionBox(QRect(flat.PictureLeft + NoDimFlatThicknessLineX + 7,
                            flat.PictureTop + NoDimFlatBarMiddleY - 11, 54, 22),
                      FlatThicknessMin, FlatThicknessMax, FlatThicknessStart,
                      "Enter dimension (Range: 2.8 - 3.5 mm)");
    for (TSpinEditFloat* edit : {X1, Y1}) {
        edit->hide();
        edit->setEnabled(false); // the window's modes enable them
    }

    connect(RadioGroup, &TRadioGroup::Click, this, &TSectionsPanel::RadioGroupClick);
    connect(SectionsComboBox, &QComboBox::activated, this, &TSectionsPanel::SectionsComboBoxChange);
    connect(YoungsModulus, &QComboBox::activated, this, &TSectionsPanel::YoungsModulusChange);
    connect(OkButton, &QPushButton::clicked, this, &TSectionsPanel::OkButtonClick);
    connect(UnitsBtn, &QToolButton::clicked, this, &TSectionsPanel::UnitsBtnClick);
    connect(X1, &TSpinEditFloat::OnChange, this, &TSectionsPanel::DimensionChange);
    connect(Y1, &TSpinEditFloat::OnChange, this, &TSectionsPanel::DimensionChange);
}

void TSectionsPanel::Initialise() {
    MetreUnits = true;
    ShowUnitsGlyph();
    SectionsComboBox->setCurrentIndex(FlatSectionIndex);
    Host.Theory().SecondMomentI = SecondMomentToM4(SectionCatalogue[FlatSectionIndex].SecondMoment);
    MaterialModuli = DefaultMaterialModuli;
    YoungsModulus->setCurrentIndex(0);
    Host.Theory().ModulusE = MaterialModuli[0];
    ShowFlatSectionProperties();
    DockMaterialControlsInToolBox();
}

void TSectionsPanel::SectionsComboBoxDrawItem(QPainter& painter, int index, const QRect& rect, bool selected,
                                              const QPalette& palette, const QFont& font) {
    if (index < 0 || index >= SectionCount) return;
    painter.save();
    painter.fillRect(rect, palette.color(selected ? QPalette::Highlight : QPalette::Base));
    const QColor ink = palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
    QImage icon = SectionBitmap(QString::fromLatin1(SectionIcons[index]));
    {
        // The icon's lines take the colour of the text, so it stays readable on the selection.
        QPainter tint(&icon);
        tint.setCompositionMode(QPainter::CompositionMode_SourceIn);
        tint.fillRect(icon.rect(), ink);
    }
    painter.drawImage(rect.left() + 1, rect.top() + 1, icon);
    painter.setFont(font);
    painter.setPen(ink);
    const QRect textRect(rect.left() + icon.width() + 8, rect.top(), rect.width() - icon.width() - 8,
                         rect.height());
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter,
                     QCoreApplication::translate("Sections", SectionNames[index]));
    painter.restore();
}

void TSectionsPanel::ApplySelectedSectionMoment() {
    const int n = std::clamp(SectionsComboBox->currentIndex(), 0, SectionCount - 1);
    // The flat bar's stored 0.051 is only right for its start dimensions: once the student has changed
    // them, the curve must follow the dimensions its labels show (the last accepted pair), not the
    // catalogue. This holds for a pick from the list and for virtual experiments switched on again.
    Host.Theory().SecondMomentI =
        n == FlatSectionIndex
            ? SecondMomentToM4(FlatSectionProperties(AcceptedWidth, AcceptedThickness).SecondMoment)
            : SecondMomentToM4(SectionCatalogue[n].SecondMoment);
}

void TSectionsPanel::SectionsComboBoxChange() {
    RadioGroup->FocusGroup();
    ApplySelectedSectionMoment();
    Host.Recalculate();
    if (ShowingSectionProperties()) ShowSectionProperties();
}

void TSectionsPanel::ShowPicture(const char* name, int left, int top) {
    SectionImage->setPixmap(QPixmap::fromImage(SectionBitmap(QString::fromLatin1(name))));
    SectionImage->adjustSize();
    SectionImage->move(left, top);
}

void TSectionsPanel::PlacePowerOfLabel() {
    MomentOfAreaLabel->adjustSize();
    PowerOfLabel->move(MomentOfAreaLabel->x() + MomentOfAreaLabel->width(), MomentOfAreaLabel->y() - 3);
}

void TSectionsPanel::ShowSectionProperties() {
    const int n = std::clamp(SectionsComboBox->currentIndex(), 0, SectionCount - 1);
    const TSectionRecord& record = SectionCatalogue[n];
    if (n != FlatSectionIndex) {
        X1->hide();
        Y1->hide();
        ShowPicture(record.PictureName, record.PictureLeft, record.PictureTop);
        NeutralAxisLabel->setText(NeutralAxisText(record.NeutralAxisY));
        NeutralAxisLabel->adjustSize();
        MomentOfAreaLabel->setText(MomentOfAreaText(record.SecondMoment));
        PlacePowerOfLabel();
        AreaLabel->setText(CatalogueAreaText(record.Area));
        AreaLabel->adjustSize();
        return;
    }
    X1->show();
    Y1->show();
    X1->raise();
    Y1->raise();
    ShowPicture(FlatDrawingWithoutDimensions, record.PictureLeft, record.PictureTop);
    ShowFlatSectionProperties();
}

void TSectionsPanel::ShowFlatSectionProperties() {
    // A pair outside the ranges (a number still being typed) is not used: the last accepted pair stands.
    const double w = X1->Value();
    const double t = Y1->Value();
    if (FlatDimensionsInRange(w, t)) {
        AcceptedWidth = w;
        AcceptedThickness = t;
    }
    const TFlatSectionProperties p = FlatSectionProperties(AcceptedWidth, AcceptedThickness);
    NeutralAxisLabel->setText(NeutralAxisText(p.NeutralAxisY));
    NeutralAxisLabel->adjustSize();
    AreaLabel->setText(FlatAreaText(p.Area));
    AreaLabel->adjustSize();
    Host.Theory().SecondMomentI = SecondMomentToM4(p.SecondMoment);
    MomentOfAreaLabel->setText(MomentOfAreaText(p.SecondMoment));
    PlacePowerOfLabel();
}

void TSectionsPanel::DimensionChange() {
    // A half-typed number outside the ranges is ignored until it is complete.
    if (X1->Value() < X1->MinValue || X1->Value() > X1->MaxValue || Y1->Value() < Y1->MinValue ||
        Y1->Value() > Y1->MaxValue)
        return;
    ShowFlatSectionProperties();
    Host.Recalculate();
}

void TSectionsPanel::YoungsModulusChange() {
    const int item = YoungsModulus->currentIndex();
    if (item == OtherMaterial) {
        Host.Theory().ModulusE = MaterialModuli[OtherMaterial];
        Host.Recalculate();
        OtherValue->SetValue(double(MaterialModuli[OtherMaterial]) / 1e9);
        YoungsModulus->hide();
        OtherLabel->show();
        OtherValue->show();
        OkButton->show();
    } else if (item >= 0 && item < MaterialCount) {
        Host.Theory().ModulusE = MaterialModuli[item];
    }
    RadioGroup->FocusGroup();
    Host.Recalculate();
}

void TSectionsPanel::OkButtonClick() {
    OtherValue->hide();
    OkButton->hide();
    OtherLabel->hide();
    // The box keeps 1..500 only when it loses the focus; the confirmation clamps too, so whatever the text
    // says, the theory gets a modulus within the stated range (an unreadable text reads as 1 GPa).
    const double gpa = ConfirmedOtherModulusGPa(OtherValue->Value());
    MaterialModuli[OtherMaterial] = ModulusFromGPa(gpa);
    Host.Theory().ModulusE = ModulusFromGPa(gpa);
    YoungsModulus->setItemText(OtherMaterial, OtherMaterialItemText(gpa));
    YoungsModulus->setCurrentIndex(OtherMaterial);
    YoungsModulus->show();
    Host.Recalculate();
}

std::array<QWidget*, 8> TSectionsPanel::SectionDisplay() const {
    return {GroupValues,      SectionImage,      DimensionUnitsLabel, AreaLabel,
            NeutralAxisLabel, MomentOfAreaLabel, PowerOfLabel,        UnitsBtn};
}

std::array<QWidget*, 5> TSectionsPanel::MaterialControls() const {
    return {YoungsModLabel, YoungsModulus, OtherLabel, OtherValue, OkButton};
}

void TSectionsPanel::RadioGroupClick() {
    for (QWidget* w : SectionDisplay())
        w->setVisible(w->isHidden());
    Host.InvertBeamToolsVisibility();
    if (ShowingSectionProperties()) {
        ShowSectionProperties();
        DockMaterialControlsInGroup();
    } else {
        X1->hide();
        Y1->hide();
        DockMaterialControlsInToolBox();
    }
}

void TSectionsPanel::DockMaterialControlsInToolBox() {
    for (QWidget* w : MaterialControls()) {
        if (w->parentWidget() == ToolBox) continue;
        const bool shown = !w->isHidden();
        const QPoint place = w->pos() + GroupValues->pos();
        w->setParent(ToolBox);
        w->move(place);
        w->setVisible(shown);
    }
}

void TSectionsPanel::DockMaterialControlsInGroup() {
    for (QWidget* w : MaterialControls()) {
        if (w->parentWidget() == GroupValues) continue;
        const bool shown = !w->isHidden();
        const QPoint place = w->pos() - GroupValues->pos();
        w->setParent(GroupValues);
        w->move(place);
        w->setVisible(shown);
    }
}

void TSectionsPanel::ShowUnitsGlyph() {
    UnitsBtn->setIcon(QIcon(QPixmap::fromImage(
        SectionBitmap(MetreUnits ? QStringLiteral("mUnits") : QStringLiteral("mmUnits")))));
    PowerOfLabel->setText(PowerOfTenText(MetreUnits));
    PowerOfLabel->adjustSize();
}

void TSectionsPanel::UnitsBtnClick() {
    MetreUnits = !MetreUnits;
    ShowUnitsGlyph();
    RadioGroup->FocusGroup();
}
