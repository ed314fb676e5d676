#include "app/OptionDlg.h"

#include "app/PresetLists.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

enum Column { LabelColumn, CheckColumn, FieldColumn, UnitColumn };

} // namespace

COptionDlg::COptionDlg(COptionValues& values, IMessageSink& messages, QWidget* parent)
    : QDialog(parent), m_values(values), m_messages(messages) {
    setWindowTitle(QStringLiteral("詳細設定"));
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);
    const QString unitWeight = QStringLiteral("kN/m^3");
    const QString degrees = QStringLiteral("°");
    const QString cm = QStringLiteral("cm");
    AddField(grid, 0, IDC_GAMMA_C, QStringLiteral("ｺﾝｸﾘｰﾄの単位体積重量(γc)"), unitWeight);
    AddField(grid, 1, IDC_GAMMA_S_FRONT, QStringLiteral("前面土の単位体積重量(γs)"), unitWeight);
    AddField(grid, 2, IDC_Q_FRONT, QStringLiteral("前面土上載荷重 （ｑ )"),
             QStringLiteral("kN/m^2"));
    AddField(grid, 3, IDC_LOAD_P, QStringLiteral("頂部分布荷重    （Ｐ）"), QStringLiteral("kN/m"));
    AddField(grid, 4, IDC_MOMENT_M, QStringLiteral("頂部分布曲げモーメント（Ｍ）"),
             QStringLiteral("kN･m/m"));
    AddAutoCheck(grid, 5, IDC_CHECK_DELTA, QStringLiteral("=α"));
    AddField(grid, 5, IDC_DELTA, QStringLiteral("安定計算用（δ）"), degrees);
    AddAutoCheck(grid, 6, IDC_CHECK_DELTA_W, QStringLiteral("=2/3φ"));
    AddField(grid, 6, IDC_DELTA_W, QStringLiteral("壁体設計用（δw）"), degrees);
    AddAutoCheck(grid, 7, IDC_CHECK_THETA_W, QStringLiteral("=自動計算"));
    AddField(grid, 7, IDC_THETA_W, QStringLiteral("壁体設計用（θw）"), degrees);
    AddField(grid, 8, IDC_DT_WALL, QStringLiteral("壁体面から鉄筋重心までの距離(dt)"), cm);
    AddField(grid, 9, IDC_DT_BASE, QStringLiteral("基礎面から鉄筋重心までの距離(dt)"), cm);
    AddField(grid, 10, IDC_FS_OVERTURN, QStringLiteral("転倒安全率の判定値"), QString());
    AddField(grid, 11, IDC_FS_SLIDING, QStringLiteral("滑動安全率の判定値"), QString());
    grid->setColumnStretch(FieldColumn, 1);

    // Seismic checks, below the other rows; they need an entered friction angle.
    auto* seismic = new QGroupBox(QStringLiteral("地震時"));
    auto* seismicGrid = new QGridLayout(seismic);
    seismicGrid->setHorizontalSpacing(8);
    seismicGrid->setVerticalSpacing(4);
    const QString seismicLabels[] = {
        QStringLiteral("中地震時の設計水平震度(kh)"), QStringLiteral("大地震時の設計水平震度(kh)"),
        QStringLiteral("大地震時の転倒安全率の判定値"),
        QStringLiteral("大地震時の滑動安全率の判定値"), QStringLiteral("極限支持力の倍率(対 fe)")};
    int row = 0;
    for (int id : kSeismicFields) {
        AddField(seismicGrid, row, id, seismicLabels[row], QString());
        ++row;
    }
    seismicGrid->setColumnStretch(FieldColumn, 1);
    if (!m_values.m_phiEntered) {
        for (int id : kSeismicFields)
            m_controls.Widget(id)->setEnabled(false);
        seismicGrid->addWidget(new QLabel(QString::fromWCharArray(kSeismicNeedsPhiNote)), row,
                               LabelColumn, 1, UnitColumn + 1);
    }

    auto* buttons = new QDialogButtonBox;
    m_ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    m_cancel = buttons->addButton(QStringLiteral("ｷｬﾝｾﾙ"), QDialogButtonBox::RejectRole);
    m_ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &COptionDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &COptionDlg::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(seismic);
    layout->addSpacing(8);
    layout->addWidget(buttons);

    ShowOptionValues(m_values, m_controls);
    EnableAutoFields();
}

void COptionDlg::AddField(QGridLayout* grid, int row, int id, const QString& label,
                          const QString& unit) {
    const QStringList& presets = PresetList(id);
    QWidget* field;
    if (presets.isEmpty()) {
        field = new QLineEdit;
    } else {
        auto* combo = new QComboBox;
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->addItems(presets);
        field = combo;
    }
    field->setMinimumWidth(fontMetrics().averageCharWidth() * 12);
    m_controls.Add(id, field);
    grid->addWidget(new QLabel(label), row, LabelColumn);
    grid->addWidget(field, row, FieldColumn);
    if (!unit.isEmpty())
        grid->addWidget(new QLabel(unit), row, UnitColumn);
}

void COptionDlg::AddAutoCheck(QGridLayout* grid, int row, int id, const QString& text) {
    auto* check = new QCheckBox(text);
    m_controls.Add(id, check);
    connect(check, &QCheckBox::toggled, this, &COptionDlg::EnableAutoFields);
    grid->addWidget(check, row, CheckColumn);
}

void COptionDlg::EnableAutoFields() {
    for (const COptionAutoField& f : kOptionAutoFields)
        m_controls.Widget(f.field)->setEnabled(!m_controls.IsChecked(f.check));
}

void COptionDlg::accept() {
    int failed = 0;
    if (ReadOptionValues(m_controls, m_values, m_messages, failed)) {
        QDialog::accept();
        return;
    }
    if (QWidget* field = m_controls.Widget(failed)) {
        field->setFocus();
        if (auto* edit = qobject_cast<QLineEdit*>(field))
            edit->selectAll();
        else if (auto* combo = qobject_cast<QComboBox*>(field))
            combo->lineEdit()->selectAll();
    }
}

bool COptionDialogRunner::Run(COptionValues& values) {
    COptionDlg dialog(values, m_messages, QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted;
}
