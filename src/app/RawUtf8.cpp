#include "app/RawUtf8.h"

namespace {

constexpr char32_t kEscapeBase = 0xDC00;

// The length of the well-formed UTF-8 sequence at bytes[i] and its code point; 0 when the
// bytes there do not form one (stray continuation bytes, overlong forms, surrogates, values
// beyond U+10FFFF, cut-off sequences).
int ReadSequence(const QByteArray& bytes, qsizetype i, char32_t& code) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    int length = 0;
    char32_t min = 0;
    if (lead < 0x80) {
        code = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1F;
        min = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0F;
        min = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07;
        min = 0x10000;
    } else {
        return 0;
    }
    if (i + length > bytes.size())
        return 0;
    for (int k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(bytes[i + k]);
        if ((next & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (next & 0x3F);
    }
    if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
}

} // namespace

QString DecodeRawUtf8(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size();) {
        char32_t code = 0;
        const int length = ReadSequence(bytes, i, code);
        if (length == 0) {
            text.append(
                QChar(static_cast<char16_t>(kEscapeBase + static_cast<unsigned char>(bytes[i]))));
            ++i;
            continue;
        }
        text.append(QString::fromUcs4(&code, 1));
        i += length;
    }
    return text;
}

QByteArray EncodeRawUtf8(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    qsizetype runStart = 0;
    auto flush = [&](qsizetype end) { bytes.append(text.mid(runStart, end - runStart).toUtf8()); };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i].unicode();
        const bool lone = unit >= kEscapeBase + 0x80 && unit <= kEscapeBase + 0xFF &&
                          (i == 0 || !text[i - 1].isHighSurrogate());
        if (!lone)
            continue;
        flush(i);
        bytes.append(static_cast<char>(unit - kEscapeBase));
        runStart = i + 1;
    }
    flush(text.size());
    return bytes;
}
