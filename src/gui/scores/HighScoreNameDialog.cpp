#include "HighScoreNameDialog.h"

#include "core/common/DisplayText.h"
#include "gui/widgets/Twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using Twips::px;

HighScoreNameDialog::HighScoreNameDialog(QWidget *owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("HighScoreNameDialog"));
    setWindowTitle(QStringLiteral("High Score!!"));
    setFixedSize(px(5220), px(1455));
    setModal(true);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(px(143), px(0), px(4935), px(495));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setTextFormat(Qt::PlainText);
    QFont labelFont(QStringLiteral("MS Sans Serif"));
    labelFont.setPointSizeF(9.75);
    labelFont.setBold(true);
    Label1->setFont(labelFont);

    HSName = new QLineEdit(this);
    HSName->setObjectName(QStringLiteral("HSName"));
    HSName->setGeometry(px(143), px(600), px(4935), px(375));
    QFont nameFont(QStringLiteral("Verdana"));
    nameFont.setPointSizeF(12);
    HSName->setFont(nameFont);
    Label1->setBuddy(HSName);

    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(px(1883), px(1080), px(1455), px(375));
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &HighScoreNameDialog::Command1_Click);

    setTabOrder(HSName, Command1);
    HSName->setFocus();
    Form_Load();
}

void HighScoreNameDialog::Form_Load()
{
    Label1->setText(DisplayText::lines(
        QStringLiteral("Congradulations!! You have a new high score!\rEnter your name below")));
}

void HighScoreNameDialog::Command1_Click()
{
    if (HSName->text().isEmpty())
        HSName->setText(QStringLiteral("J. Doe"));
    HSNamenew = HSName->text();
    accept();
}
