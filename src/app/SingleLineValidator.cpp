#include "app/SingleLineValidator.h"

#include <QLineEdit>
#include <QRegularExpression>

#include <algorithm>

CSingleLineValidator::CSingleLineValidator(QLineEdit* edit)
    : QValidator(edit), m_previous(edit->text()) {
    connect(edit, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_previous = text; });
}

QValidator::State CSingleLineValidator::validate(QString& input, int& position) const {
    static const QRegularExpression lineBreak(QStringLiteral("[\\r\\n\\x{2028}\\x{2029}]"));
    // The inserted run lies between what the text kept at its start and at its end.
    const qsizetype limit = std::min(input.size(), m_previous.size());
    qsizetype head = 0;
    while (head < limit && input[head] == m_previous[head])
        ++head;
    qsizetype tail = 0;
    while (tail < limit - head &&
           input[input.size() - 1 - tail] == m_previous[m_previous.size() - 1 - tail])
        ++tail;
    const qsizetype insertedEnd = input.size() - tail;
    const qsizetype cut = input.indexOf(lineBreak, head);
    if (cut < 0 || cut >= insertedEnd)
        return Acceptable;
    input.remove(cut, insertedEnd - cut);
    position = static_cast<int>(cut);
    return Acceptable;
}
