// The about box "バージョン情報 TARVO": icon, version, a notice and the user's responsibility.
#pragma once

#include <QDialog>

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};
