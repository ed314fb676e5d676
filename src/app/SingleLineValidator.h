// A single-line field keeps the first line of what is pasted, dropped or typed into it, as a
// platform's single-line edit does: the inserted text from its first line break on is left
// out. Texts the program sets are shown as they are (see CWidgetControls::SetText).
#pragma once

#include <QValidator>

class QLineEdit;

class CSingleLineValidator : public QValidator {
    Q_OBJECT
public:
    // Validates the input of edit, which becomes its parent.
    explicit CSingleLineValidator(QLineEdit* edit);
    State validate(QString& input, int& position) const override;

private:
    QString m_previous; // the field's text before the change
};
