#include "app/WidgetControls.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

void CWidgetControls::Add(int id, QWidget* widget) {
    m_widgets[id] = widget;
}

QWidget* CWidgetControls::Widget(int id) const {
    auto it = m_widgets.find(id);
    return it == m_widgets.end() ? nullptr : it->second;
}

std::wstring CWidgetControls::GetText(int id) const {
    QWidget* widget = Widget(id);
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        return edit->text().toStdWString();
    if (auto* combo = qobject_cast<QComboBox*>(widget))
        return combo->currentText().toStdWString();
    if (auto* label = qobject_cast<QLabel*>(widget))
        return label->text().toStdWString();
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return button->text().toStdWString();
    return std::wstring();
}

void CWidgetControls::SetText(int id, const std::wstring& text) {
    QWidget* widget = Widget(id);
    const QString value = QString::fromStdWString(text);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        // The text is shown as it is, past the checks that apply to typed input.
        const QValidator* validator = edit->validator();
        edit->setValidator(nullptr);
        edit->setText(value);
        edit->setValidator(validator);
    } else if (auto* combo = qobject_cast<QComboBox*>(widget))
        combo->setEditText(value);
    else if (auto* label = qobject_cast<QLabel*>(widget))
        label->setText(value);
    else if (auto* button = qobject_cast<QAbstractButton*>(widget))
        button->setText(value);
}

bool CWidgetControls::IsChecked(int id) const {
    auto* button = qobject_cast<QAbstractButton*>(Widget(id));
    return button != nullptr && button->isChecked();
}

void CWidgetControls::SetCheck(int id, bool checked) {
    if (auto* button = qobject_cast<QAbstractButton*>(Widget(id)))
        button->setChecked(checked);
}
