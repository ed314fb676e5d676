#include "app/InputPanel.h"

#include "app/PresetLists.h"
#include "app/SingleLineValidator.h"
#include "doc/PanelControls.h"
#include "model/MulDiv.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

// Width of a number field, in average character widths.
constexpr int kNumberChars = 6;
constexpr int kPanelWidthUnits = 166;
constexpr int kPanelPointSize = 12;

QGroupBox* Group(const QString& title, QLayout* content) {
    auto* group = new QGroupBox(title);
    group->setLayout(content);
    return group;
}

QGridLayout* Grid() {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);
    return grid;
}

} // namespace

CInputPanel::CInputPanel(QWidget* parent) : QWidget(parent) {
    setFont(QFont(QStringLiteral("MS UI Gothic"), kPanelPointSize));
    auto* title = AddEdit(IDC_TITLE);
    title->setAlignment(Qt::AlignLeft);
    title->setValidator(new CSingleLineValidator(title));
    auto* titleBox = new QVBoxLayout;
    titleBox->addWidget(title);
    QGridLayout* shape = ShapeGrid();
    QGridLayout* conditions = ConditionsGrid();
    QGridLayout* reinforcement = ReinforcementGrid();

    auto* detail = AddButton(ID_DATA_DETAIL, QStringLiteral("詳細設定"));
    auto* stepping = new QHBoxLayout;
    stepping->addWidget(AddButton(ID_DATA_PREV, QStringLiteral("前へ")));
    auto* index = new QLabel(QStringLiteral("INDEX"));
    index->setTextFormat(Qt::PlainText);
    index->setAlignment(Qt::AlignCenter);
    m_controls.Add(IDC_INDEX, index);
    stepping->addWidget(index, 1);
    stepping->addWidget(AddButton(ID_DATA_NEXT, QStringLiteral("次へ")));
    auto* apply = new QHBoxLayout;
    apply->addWidget(AddButton(ID_DATA_RECALC, QStringLiteral("再計算[F5]")));
    QPushButton* add = AddButton(ID_DATA_ADD, QStringLiteral("データ追加[F6]"));
    add->setDefault(true);
    apply->addWidget(add);
    auto* note = new QLabel(QStringLiteral("入力値を反映させる場合\nは再計算を行って下さい。"));

    // The form scrolls when the window is lower than the form, so that nothing is cut off.
    auto* form = new QWidget;
    auto* layout = new QVBoxLayout(form);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(4);
    layout->addWidget(Group(QStringLiteral("タイトル"), titleBox));
    layout->addWidget(Group(QStringLiteral("形状寸法 (cm)"), shape));
    layout->addWidget(Group(QStringLiteral("計算条件"), conditions));
    layout->addWidget(Group(QStringLiteral("配筋"), reinforcement));
    layout->addWidget(detail);
    layout->addLayout(stepping);
    layout->addLayout(apply);
    layout->addWidget(note);
    layout->addStretch(1);
    auto* scroll = new QScrollArea;
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidgetResizable(true);
    scroll->setWidget(form);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);
    // The form is 166 dialog units wide; a dialog unit is a quarter of the average character
    // width. The panel widens by the scroll bar while the form scrolls.
    const int formWidth = MulDiv(kPanelWidthUnits, fontMetrics().averageCharWidth(), 4);
    form->setMinimumWidth(formWidth);
    setFixedWidth(formWidth);
    QScrollBar* bar = scroll->verticalScrollBar();
    connect(bar, &QScrollBar::rangeChanged, this, [this, formWidth, bar](int, int maximum) {
        setFixedWidth(formWidth + (maximum > 0 ? bar->sizeHint().width() : 0));
    });
}

QGridLayout* CInputPanel::ShapeGrid() {
    // The shape in two columns: heights and base slab at the left, stem and slab lengths at
    // the right. The rows are made in tab order.
    const QString cm = QStringLiteral("cm");
    const PanelRow shapeRows[] = {
        {IDC_H1, 0, 0, QStringLiteral("H1"), cm},
        {IDC_H2, 1, 0, QStringLiteral("H2"), cm},
        {IDC_D1, 2, 0, QStringLiteral("D1"), cm},
        {IDC_D2, 3, 0, QStringLiteral("D2"), cm},
        {IDC_ALPHA, 4, 0, QStringLiteral("αs"), QStringLiteral("°")},
        {IDC_T1, 0, 4, QStringLiteral("T1"), cm},
        {IDC_T2, 1, 4, QStringLiteral("T2"), cm},
        {IDC_T3, 2, 4, QStringLiteral("T3"), cm},
        {IDC_L1, 3, 4, QStringLiteral("L1"), cm},
        {IDC_L2, 4, 4, QStringLiteral("L2"), cm},
    };
    auto* shape = Grid();
    for (const PanelRow& r : shapeRows)
        AddRow(shape, r);
    shape->setColumnMinimumWidth(3, 12);
    return shape;
}

QGridLayout* CInputPanel::ConditionsGrid() {
    // The friction angle's row (IDC_PHI) has its check box and a label that changes.
    const PanelRow conditionRows[] = {
        {IDC_FC, 0, 0, QStringLiteral("ｺﾝｸﾘｰﾄ強度(Fc)"), QStringLiteral("N/mm^2")},
        {IDC_Q, 1, 0, QStringLiteral("上載荷重(ｑ）"), QStringLiteral("kN/m^2")},
        {IDC_MU, 2, 0, QStringLiteral("摩擦係数(μ)"), QString()},
        {IDC_PHI, 3, 0, QString(), QString()},
        {IDC_GAMMA_S, 4, 0, QStringLiteral("土単位重量(γs)"), QStringLiteral("kN/m^3")},
        {IDC_FE, 5, 0, QStringLiteral("許容支持力(fe)"), QStringLiteral("kN/m^2")},
    };
    auto* conditions = Grid();
    for (const PanelRow& r : conditionRows) {
        if (r.id == IDC_PHI)
            AddPhiRow(conditions, r.row);
        else
            AddRow(conditions, r);
    }
    conditions->setColumnStretch(1, 1);
    return conditions;
}

QGridLayout* CInputPanel::ReinforcementGrid() {
    struct BarRow {
        QString label;
        int bar;
        int pitch;
    };
    const BarRow barRows[] = {
        {QStringLiteral("壁筋"), IDC_BAR_WALL, IDC_PITCH_WALL},
        {QStringLiteral("L1部分"), IDC_BAR_TOE, IDC_PITCH_TOE},
        {QStringLiteral("L2部分"), IDC_BAR_HEEL, IDC_PITCH_HEEL},
    };
    auto* reinforcement = Grid();
    int row = 0;
    for (const BarRow& r : barRows) {
        reinforcement->addWidget(new QLabel(r.label), row, 0);
        reinforcement->addWidget(AddCombo(r.bar), row, 1);
        reinforcement->addWidget(new QLabel(QStringLiteral("@")), row, 2);
        reinforcement->addWidget(AddCombo(r.pitch), row, 3);
        ++row;
    }
    reinforcement->setColumnStretch(1, 1);
    return reinforcement;
}

QAbstractButton* CInputPanel::Button(int commandId) const {
    auto it = m_buttons.find(commandId);
    return it == m_buttons.end() ? nullptr : it->second;
}

QLineEdit* CInputPanel::AddEdit(int id) {
    auto* edit = new QLineEdit;
    edit->setAlignment(Qt::AlignRight);
    edit->setMinimumWidth(fontMetrics().averageCharWidth() * kNumberChars);
    connect(edit, &QLineEdit::returnPressed, this, [this] { emit commandRequested(ID_DATA_ADD); });
    m_controls.Add(id, edit);
    return edit;
}

QComboBox* CInputPanel::AddCombo(int id) {
    auto* combo = new QComboBox;
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    // Typed numbers stand at the right, in the combo boxes as in the edits.
    combo->lineEdit()->setAlignment(Qt::AlignRight);
    combo->addItems(PresetList(id));
    combo->setMinimumWidth(fontMetrics().averageCharWidth() * kNumberChars);
    connect(combo->lineEdit(), &QLineEdit::returnPressed, this,
            [this] { emit commandRequested(ID_DATA_ADD); });
    m_controls.Add(id, combo);
    return combo;
}

void CInputPanel::AddRow(QGridLayout* grid, const PanelRow& r) {
    // A field with presets is a combo box, any other an edit.
    QWidget* field =
        PresetList(r.id).isEmpty() ? static_cast<QWidget*>(AddEdit(r.id)) : AddCombo(r.id);
    grid->addWidget(new QLabel(r.label), r.row, r.column);
    grid->addWidget(field, r.row, r.column + 1);
    if (!r.unit.isEmpty())
        grid->addWidget(new QLabel(r.unit), r.row, r.column + 2);
}

void CInputPanel::AddPhiRow(QGridLayout* grid, int row) {
    // The friction field holds φ in degrees while the box is checked, KA otherwise; the
    // label says which.
    auto* phiLabel = new QLabel(QStringLiteral("内部摩擦角(φ)"));
    m_controls.Add(IDC_PHI_LABEL, phiLabel);
    auto* phiCheck = new QCheckBox(QStringLiteral("φ"));
    m_controls.Add(IDC_PHI_CHECK, phiCheck);
    connect(phiCheck, &QCheckBox::clicked, this, [this] { emit commandRequested(ID_CHECK_PHI); });
    grid->addWidget(phiLabel, row, 0);
    grid->addWidget(AddEdit(IDC_PHI), row, 1);
    // The box is as wide as its mark and label, which a click must hit.
    grid->addWidget(phiCheck, row, 2, Qt::AlignLeft);
}

QPushButton* CInputPanel::AddButton(int commandId, const QString& text) {
    auto* button = new QPushButton(text);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this,
            [this, commandId] { emit commandRequested(commandId); });
    m_buttons[commandId] = button;
    return button;
}
