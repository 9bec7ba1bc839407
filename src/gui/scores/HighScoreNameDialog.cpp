#include "HighScoreNameDialog.h"

#include "core/common/DisplayText.h"
#include "gui/widgets/DesignWidgets.h"
#include "gui/widgets/Twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

using Twips::px;

HighScoreNameDialog::HighScoreNameDialog(QWidget *owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("HighScoreNameDialog"));
    setWindowTitle(QStringLiteral("High Score!!"));
    setFixedSize(px(5220), px(1455));
    setModal(true);

    auto *prompt = new QLabel(this);
    prompt->setObjectName(QStringLiteral("promptLabel"));
    prompt->setGeometry(px(143), px(0), px(4935), px(495));
    prompt->setAlignment(Qt::AlignCenter);
    prompt->setTextFormat(Qt::PlainText);
    QFont labelFont(QStringLiteral("MS Sans Serif"));
    labelFont.setPointSizeF(9.75);
    labelFont.setBold(true);
    prompt->setFont(labelFont);

    m_nameEdit = new QLineEdit(this);
    m_nameEdit->setObjectName(QStringLiteral("nameEdit"));
    m_nameEdit->setGeometry(px(143), px(600), px(4935), px(375));
    QFont nameFont(QStringLiteral("Verdana"));
    nameFont.setPointSizeF(12);
    m_nameEdit->setFont(nameFont);
    prompt->setBuddy(m_nameEdit);

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setGeometry(px(1883), px(1080), px(1455), px(375));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &HighScoreNameDialog::acceptName);

    setTabOrder(m_nameEdit, ok);
    m_nameEdit->setFocus();
    prompt->setText(DisplayText::lines(
        QStringLiteral("Congradulations!! You have a new high score!\rEnter your name below")));
    DesignWidgets::fitTexts(this);
    // Centred on the screen: the table window that owns it is still being
    // built, so Qt would place it at the corner of a window not yet shown.
    QRect place = rect();
    place.moveCenter((owner ? owner->screen() : screen())->availableGeometry().center());
    move(place.topLeft());
}

QString HighScoreNameDialog::ask(QWidget *owner)
{
    HighScoreNameDialog window(owner);
    window.exec();
    return window.name();
}

void HighScoreNameDialog::acceptName()
{
    if (m_nameEdit->text().isEmpty())
        m_nameEdit->setText(QStringLiteral("J. Doe"));
    m_name = m_nameEdit->text();
    accept();
}
