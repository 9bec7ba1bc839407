#include "SplashScreen.h"

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

SplashScreen::SplashScreen(QWidget *owner) : QWidget(owner, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("SplashScreen"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(Twips::px(6735), Twips::px(5250));
    setFocusPolicy(Qt::StrongFocus);
    setWindowIcon(AppIcon::icon());

    m_versionLabel =
        DesignWidgets::label(this, QStringLiteral("versionLabel"), QStringLiteral("Version 1.0.0"),
                             Twips::rect(4560, 4920, 2070, 405), Qt::AlignLeft | Qt::AlignVCenter);
    m_versionLabel->setFont(DesignWidgets::font(QStringLiteral("Arial"), 12, true));
    DesignWidgets::setTextColour(m_versionLabel, Qt::white);
    m_versionLabel->installEventFilter(this);

    m_closeTimer = new QTimer(this);
    m_closeTimer->setObjectName(QStringLiteral("closeTimer"));
    m_closeTimer->setInterval(1000);
    connect(m_closeTimer, &QTimer::timeout, this, &SplashScreen::secondTicked);
    m_closeTimer->start();

    const QScreen *screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    if (screen)
        move(screen->geometry().center() - rect().center());
    if (owner) {
        // The owner's window exists before this one does, so that the
        // window system knows this one belongs to it and keeps it above.
        owner->winId();
        owner->installEventFilter(this);
    }
}

Result<> SplashScreen::load(const QString &folder)
{
    const QString path = folder + QStringLiteral("/zel2.jpg");
    if (!QFileInfo(path).isFile())
        return failure(ErrorNumber::FileNotFound);
    // Named as a JPEG, read as one first: guessing the format from the
    // content loads every image plugin Qt has. Another kind of picture
    // under the name still loads.
    QImageReader jpeg(path, "jpeg");
    jpeg.setAutoDetectImageFormat(false);
    QImage image = jpeg.read();
    if (image.isNull())
        image = QImageReader(path).read();
    if (image.isNull())
        return failure(ErrorNumber::InvalidPicture);
    m_picture = QPixmap::fromImage(image);
    m_versionLabel->setText(QStringLiteral("Version ") + AppInfo::versionText());
    m_versionLabel->setAccessibleName(m_versionLabel->text());
    update();
    return {};
}

void SplashScreen::secondTicked()
{
    ++m_secondsShown;
    if (m_secondsShown == 10) {
        m_closeTimer->stop();
        close();
    }
}

void SplashScreen::paintEvent(QPaintEvent *)
{
    // Drawn from the top-left corner at its own size, as the picture was
    // made for the window.
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
}

void SplashScreen::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    close();
}

void SplashScreen::keyPressEvent(QKeyEvent *event)
{
    event->accept();
    close();
}

bool SplashScreen::eventFilter(QObject *watched, QEvent *event)
{
    // The owner shown later goes on top of this window; raised in the
    // owner's show event, this window would be raised before the owner
    // reaches the screen, and stay beneath it. Its first paint is on the
    // screen, so this window goes back on top (and takes the keys) the
    // turn after.
    if (watched == parentWidget() && event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        QTimer::singleShot(0, this, [this] {
            raise();
            activateWindow();
        });
    }
    if (watched == m_versionLabel && event->type() == QEvent::MouseButtonPress) {
        close();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
