#include "frmSplash.h"

#include "core/common/AppInfo.h"
#include "core/common/Error.h"
#include "gui/widgets/AppIcon.h"
#include "gui/widgets/DesignWidgets.h"
#include "gui/widgets/Twips.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

frmSplash::frmSplash(const QString &appPath, QWidget *owner)
    : QWidget(owner, Qt::Window | Qt::FramelessWindowHint), m_appPath(appPath)
{
    setObjectName(QStringLiteral("frmSplash"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(Twips::px(6735), Twips::px(5250));
    setFocusPolicy(Qt::StrongFocus);
    setWindowIcon(AppIcon::icon());

    lblVersion =
        DesignWidgets::label(this, QStringLiteral("lblVersion"), QStringLiteral("Version 1.0.0"),
                             Twips::rect(4560, 4920, 2070, 405), Qt::AlignLeft | Qt::AlignVCenter);
    lblVersion->setFont(DesignWidgets::font(QStringLiteral("Arial"), 12, true));
    DesignWidgets::setTextColour(lblVersion, Qt::white);
    lblVersion->installEventFilter(this);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &frmSplash::Timer1_Timer);
    Timer1->start();

    const QScreen *screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    if (screen)
        move(screen->geometry().center() - rect().center());
}

void frmSplash::Form_Load()
{
    const QString path = m_appPath + QStringLiteral("/zel2.jpg");
    if (!QFileInfo(path).isFile())
        throw Error(ErrorNumber::FileNotFound);
    // Named as a JPEG, read as one first: guessing the format from the
    // content loads every image plugin Qt has. Another kind of picture
    // under the name still loads.
    QImageReader jpeg(path, "jpeg");
    jpeg.setAutoDetectImageFormat(false);
    QImage image = jpeg.read();
    if (image.isNull())
        image = QImageReader(path).read();
    if (image.isNull())
        throw Error(ErrorNumber::InvalidPicture);
    m_picture = QPixmap::fromImage(image);
    lblVersion->setText(QStringLiteral("Version ") + AppInfo::versionText());
    lblVersion->setAccessibleName(lblVersion->text());
    update();
}

void frmSplash::Timer1_Timer()
{
    ++Ticks;
    if (Ticks == 10) {
        Timer1->stop();
        close();
    }
}

void frmSplash::paintEvent(QPaintEvent *)
{
    // Drawn from the top-left corner at its own size, as the picture was
    // made for the window.
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
}

void frmSplash::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    Form_Click();
}

void frmSplash::keyPressEvent(QKeyEvent *event)
{
    event->accept();
    Form_KeyPress();
}

bool frmSplash::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lblVersion && event->type() == QEvent::MouseButtonPress) {
        lblVersion_Click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
