// The detail settings dialog "詳細設定": unit weights, front soil, loads on the wall top, wall
// friction angles with their automatic options, bar covers and required safety factors of
// the current case. OK stores the fields only when every one passes its check; a failed
// field gets its message and the dialog stays open.
#pragma once

#include "app/WidgetControls.h"
#include "doc/OptionDialog.h"
#include "doc/OptionExchange.h"

#include <QDialog>

class QGridLayout;
class QPushButton;

class COptionDlg : public QDialog {
    Q_OBJECT
public:
    COptionDlg(COptionValues& values, IMessageSink& messages, QWidget* parent = nullptr);

    IDialogControls& Controls() { return m_controls; }
    QWidget* Control(int id) const { return m_controls.Widget(id); }
    QPushButton* OkButton() const { return m_ok; }
    QPushButton* CancelButton() const { return m_cancel; }

    void accept() override;

private:
    // A combo box when the field has presets, an edit otherwise.
    void AddField(QGridLayout* grid, int row, int id, const QString& label, const QString& unit);
    void AddAutoCheck(QGridLayout* grid, int row, int id, const QString& text);
    // Each angle field is enabled exactly while its automatic box is clear.
    void EnableAutoFields();

    COptionValues& m_values;
    IMessageSink& m_messages;
    CWidgetControls m_controls;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};

// Runs the dialog modally over the active window.
class COptionDialogRunner : public IOptionDialog {
public:
    explicit COptionDialogRunner(IMessageSink& messages) : m_messages(messages) {}

    bool Run(COptionValues& values) override;

private:
    IMessageSink& m_messages;
};
