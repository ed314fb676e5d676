// The input panel at the left of the main window: the title, the shape of the wall, the
// calculation conditions and the reinforcement of the current case, with the buttons of the
// case commands. Its fields are reached by control id; it keeps no state beyond them.
#pragma once

#include "app/WidgetControls.h"

#include <QWidget>

#include <map>

class QAbstractButton;
class QComboBox;
class QGridLayout;
class QLineEdit;
class QPushButton;

class CInputPanel : public QWidget {
    Q_OBJECT
public:
    explicit CInputPanel(QWidget* parent = nullptr);

    IDialogControls& Controls() { return m_controls; }
    // The field or label with this control id, or null.
    QWidget* Control(int id) const { return m_controls.Widget(id); }
    // The button that sends this command, or null.
    QAbstractButton* Button(int commandId) const;
    // The command buttons by the commands they send.
    const std::map<int, QAbstractButton*>& Buttons() const { return m_buttons; }

signals:
    // A button was pressed, the φ box clicked, or Enter pressed in a field (which presses
    // the default button "データ追加[F6]").
    void commandRequested(int commandId);

private:
    // A labelled field of a grid: at (row, column) the label, then the field, then the unit.
    struct PanelRow {
        int id;
        int row;
        int column;
        QString label;
        QString unit;
    };

    // The groups of the form, their fields made in tab order.
    QGridLayout* ShapeGrid();
    QGridLayout* ConditionsGrid();
    QGridLayout* ReinforcementGrid();
    QLineEdit* AddEdit(int id);
    QComboBox* AddCombo(int id);
    void AddRow(QGridLayout* grid, const PanelRow& r);
    void AddPhiRow(QGridLayout* grid, int row);
    QPushButton* AddButton(int commandId, const QString& text);

    CWidgetControls m_controls;
    std::map<int, QAbstractButton*> m_buttons;
};
