// Japanese texts of the print and file dialogs that the platform's Japanese translation of
// its dialogs lacks (duplex printing, the page range, a few labels). Installed after that
// translation, it answers only for these and leaves every other text to it.
#pragma once

#include <QTranslator>

class CDialogTranslations : public QTranslator {
    Q_OBJECT
public:
    using QTranslator::QTranslator;
    QString translate(const char* context, const char* sourceText,
                      const char* disambiguation = nullptr, int n = -1) const override;
    bool isEmpty() const override { return false; }
};
