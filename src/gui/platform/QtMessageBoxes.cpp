#include "QtMessageBoxes.h"

#include "NativeWindow.h"
#include "core/common/AppInfo.h"
#include "core/common/DisplayText.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include <cstdio>

namespace {

// Room beside a title for the title bar's icon and buttons.
constexpr int TitleBarExtras = 150;

void setUp(QMessageBox &box, const QString &text, const QString &title)
{
    box.setWindowModality(Qt::ApplicationModal);
    box.setWindowTitle(title.isEmpty() ? AppInfo::title() : title);
    box.setTextFormat(Qt::PlainText);
    box.setText(DisplayText::lines(text));
    // A window manager elides a title wider than its window ("Level 1
    // Com..."): a box with a short text is made as wide as its title needs.
    if (auto *label = box.findChild<QLabel *>(QStringLiteral("qt_msgbox_label")))
        label->setMinimumWidth(box.fontMetrics().horizontalAdvance(box.windowTitle()) +
                               TitleBarExtras);
}

// A box the window system cannot make would block in its own event loop
// for ever: its text goes to the error output instead, and the caller
// takes the answer that changes nothing.
bool shown(QMessageBox &box)
{
    box.winId();
    if (NativeWindow::exists(box))
        return true;
    std::fprintf(stderr, "%s: %s\n", qPrintable(box.windowTitle()), qPrintable(box.text()));
    std::fflush(stderr);
    return false;
}

} // namespace

MessageBoxes::Answer QtMessageBoxes::show(QWidget *owner, const QString &text, const QString &title,
                                          Buttons buttons, Icon icon)
{
    QMessageBox box(owner);
    setUp(box, text, title);
    box.setIcon(icon == Icon::Information ? QMessageBox::Information : QMessageBox::NoIcon);
    if (buttons != Buttons::Ok) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(buttons == Buttons::YesNo ? QMessageBox::Yes : QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
    }
    if (!shown(box))
        return buttons == Buttons::Ok ? Answer::Ok : Answer::No;
    const int pressed = box.exec();
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    return pressed == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

MessageBoxes::Answer QtMessageBoxes::confirm(QWidget *owner, const QString &text,
                                             const QString &title, const QString &action)
{
    QMessageBox box(owner);
    setUp(box, text, title);
    QPushButton *act = box.addButton(action, QMessageBox::DestructiveRole);
    act->setObjectName(QStringLiteral("actionButton"));
    QPushButton *cancel = box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(cancel);
    box.setEscapeButton(cancel);
    if (!shown(box))
        return Answer::No;
    box.exec();
    return box.clickedButton() == act ? Answer::Yes : Answer::No;
}
