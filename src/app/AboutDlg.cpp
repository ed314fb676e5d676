#include "app/AboutDlg.h"

#include "Version.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("バージョン情報 TARVO"));
    setFont(QFont(QStringLiteral("MS UI Gothic"), 10));
    auto* icon = new QLabel;
    icon->setPixmap(QIcon(QStringLiteral(":/icons/tarvo.svg")).pixmap(40, 40));
    icon->setAlignment(Qt::AlignTop);
    auto* version = new QLabel(QStringLiteral("Tarvo Version " TARVO_VERSION));
    version->setTextFormat(Qt::PlainText);
    auto* notice = new QLabel(QStringLiteral("鉄筋コンクリート擁壁の安定計算と断面計算"));
    auto* responsibility =
        new QLabel(QStringLiteral("本プログラムは利用者さまの自己責任\nにおいてご利用下さい。"));
    auto* buttons = new QDialogButtonBox;
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &CAboutDlg::accept);

    auto* layout = new QGridLayout(this);
    layout->setHorizontalSpacing(14);
    layout->setVerticalSpacing(10);
    layout->addWidget(icon, 0, 0, 3, 1);
    layout->addWidget(version, 0, 1);
    layout->addWidget(notice, 1, 1);
    layout->addWidget(responsibility, 2, 1);
    layout->addWidget(buttons, 3, 0, 1, 2, Qt::AlignCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
