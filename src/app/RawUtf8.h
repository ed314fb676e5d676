// UTF-8 text whose bytes come back unchanged even where they are not UTF-8, as file names on
// Linux may be: such a byte b stands in the text as the lone surrogate U+DC00 + b, which no
// UTF-8 text decodes to, and is written back as the byte.
#pragma once

#include <QByteArray>
#include <QString>

QString DecodeRawUtf8(const QByteArray& bytes);
QByteArray EncodeRawUtf8(const QString& text);
