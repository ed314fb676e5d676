#include "InputPanel.h"

#include "PanelControls.h"
#include "SingleLineValidator.h"
#include "Surface.h"

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

    // The shape in two columns: heights and base slab at the left, stem and slab lengths at
    // the right.
    const QString cm = QStringLiteral("cm");
    auto* shape = Grid();
    AddRow(shape, 0, 0, QStringLiteral("H1"), AddEdit(IDC_H1), cm);
    AddRow(shape, 1, 0, QStringLiteral("H2"), AddEdit(IDC_H2), cm);
    AddRow(shape, 2, 0, QStringLiteral("D1"), AddEdit(IDC_D1), cm);
    AddRow(shape, 3, 0, QStringLiteral("D2"), AddEdit(IDC_D2), cm);
    AddRow(shape, 4, 0, QStringLiteral("αs"), AddEdit(IDC_ALPHA), QStringLiteral("°"));
    AddRow(shape, 0, 4, QStringLiteral("T1"), AddEdit(IDC_T1), cm);
    AddRow(shape, 1, 4, QStringLiteral("T2"), AddEdit(IDC_T2), cm);
    AddRow(shape, 2, 4, QStringLiteral("T3"), AddEdit(IDC_T3), cm);
    AddRow(shape, 3, 4, QStringLiteral("L1"), AddEdit(IDC_L1), cm);
    AddRow(shape, 4, 4, QStringLiteral("L2"), AddEdit(IDC_L2), cm);
    shape->setColumnMinimumWidth(3, 12);

    auto* conditions = Grid();
    AddRow(conditions, 0, 0, QStringLiteral("ｺﾝｸﾘｰﾄ強度(Fc)"),
           AddCombo(IDC_FC, {QStringLiteral("18"), QStringLiteral("21"), QStringLiteral("24"),
                             QStringLiteral("27")}),
           QStringLiteral("N/mm^2"));
    AddRow(conditions, 1, 0, QStringLiteral("上載荷重(ｑ）"),
           AddCombo(IDC_Q, {QStringLiteral("0.0"), QStringLiteral("3.0"), QStringLiteral("5.0"),
                            QStringLiteral("10.0"), QStringLiteral("15.0"), QStringLiteral("20.0"),
                            QStringLiteral("30.0")}),
           QStringLiteral("kN/m^2"));
    AddRow(
        conditions, 2, 0, QStringLiteral("摩擦係数(μ)"),
        AddCombo(IDC_MU, {QStringLiteral("0.30"), QStringLiteral("0.35"), QStringLiteral("0.40"),
                          QStringLiteral("0.45"), QStringLiteral("0.50"), QStringLiteral("0.55")}),
        QString());
    // The friction field holds φ in degrees while the box is checked, KA otherwise; the
    // label says which.
    auto* phiLabel = new QLabel(QStringLiteral("内部摩擦角(φ)"));
    m_controls.Add(IDC_PHI_LABEL, phiLabel);
    auto* phiCheck = new QCheckBox(QStringLiteral("φ"));
    m_controls.Add(IDC_PHI_CHECK, phiCheck);
    connect(phiCheck, &QCheckBox::clicked, this, [this] { emit commandRequested(ID_CHECK_PHI); });
    conditions->addWidget(phiLabel, 3, 0);
    conditions->addWidget(AddEdit(IDC_PHI), 3, 1);
    // The box is as wide as its mark and label, which a click must hit.
    conditions->addWidget(phiCheck, 3, 2, Qt::AlignLeft);
    AddRow(conditions, 4, 0, QStringLiteral("土単位重量(γs)"),
           AddCombo(IDC_GAMMA_S,
                    {QStringLiteral("16.0"), QStringLiteral("17.0"), QStringLiteral("17.5"),
                     QStringLiteral("18.0"), QStringLiteral("20.0")}),
           QStringLiteral("kN/m^3"));
    AddRow(conditions, 5, 0, QStringLiteral("許容支持力(fe)"),
           AddCombo(IDC_FE, {QStringLiteral("20"), QStringLiteral("30"), QStringLiteral("50"),
                             QStringLiteral("100"), QStringLiteral("200"), QStringLiteral("300"),
                             QStringLiteral("500"), QStringLiteral("1000")}),
           QStringLiteral("kN/m^2"));
    conditions->setColumnStretch(1, 1);

    const QStringList bars = {
        QStringLiteral("D10"),     QStringLiteral("D10+D13"), QStringLiteral("D13"),
        QStringLiteral("D13+D16"), QStringLiteral("D16"),     QStringLiteral("D16+D19"),
        QStringLiteral("D19"),     QStringLiteral("D19+D22"), QStringLiteral("D22"),
        QStringLiteral("D22+D25"), QStringLiteral("D25")};
    const QStringList pitches = {QStringLiteral("100"), QStringLiteral("125"),
                                 QStringLiteral("150"), QStringLiteral("175"),
                                 QStringLiteral("200"), QStringLiteral("250")};
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
        reinforcement->addWidget(AddCombo(r.bar, bars), row, 1);
        reinforcement->addWidget(new QLabel(QStringLiteral("@")), row, 2);
        reinforcement->addWidget(AddCombo(r.pitch, pitches), row, 3);
        ++row;
    }
    reinforcement->setColumnStretch(1, 1);

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

QComboBox* CInputPanel::AddCombo(int id, const QStringList& presets) {
    auto* combo = new QComboBox;
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    // Typed numbers stand at the right, in the combo boxes as in the edits.
    combo->lineEdit()->setAlignment(Qt::AlignRight);
    combo->addItems(presets);
    combo->setMinimumWidth(fontMetrics().averageCharWidth() * kNumberChars);
    connect(combo->lineEdit(), &QLineEdit::returnPressed, this,
            [this] { emit commandRequested(ID_DATA_ADD); });
    m_controls.Add(id, combo);
    return combo;
}

void CInputPanel::AddRow(QGridLayout* grid, int row, int column, const QString& label,
                         QWidget* field, const QString& unit) {
    grid->addWidget(new QLabel(label), row, column);
    grid->addWidget(field, row, column + 1);
    if (!unit.isEmpty())
        grid->addWidget(new QLabel(unit), row, column + 2);
}

QPushButton* CInputPanel::AddButton(int commandId, const QString& text) {
    auto* button = new QPushButton(text);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this,
            [this, commandId] { emit commandRequested(commandId); });
    m_buttons[commandId] = button;
    return button;
}
