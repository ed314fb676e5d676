// The file dialogs of "開く" and "名前を付けて保存": case files (".tarvo") or any file.
#pragma once

#include <QString>

class QWidget;

class IFileDialogs {
public:
    virtual ~IFileDialogs() = default;

    // The chosen file, or an empty text when the dialog was cancelled.
    virtual QString GetOpenFileName(QWidget* parent) = 0;
    // proposed: the name offered first. A name typed without extension gets ".tarvo".
    virtual QString GetSaveFileName(QWidget* parent, const QString& proposed) = 0;
};

class CQtFileDialogs : public IFileDialogs {
public:
    QString GetOpenFileName(QWidget* parent) override;
    QString GetSaveFileName(QWidget* parent, const QString& proposed) override;
};
