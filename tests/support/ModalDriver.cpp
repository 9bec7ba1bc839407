#include "ModalDriver.h"

#include <QApplication>
#include <QDialog>
#include <QWidget>

namespace {
constexpr int kPollMilliseconds = 5;
constexpr int kLimitPolls = 2000; // ten seconds
} // namespace

ModalDriver::ModalDriver()
{
    m_timer.setInterval(kPollMilliseconds);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
    m_timer.start();
}

ModalDriver::~ModalDriver()
{
    m_timer.stop();
}

void ModalDriver::on(const QString &objectName, Step step)
{
    m_steps.push_back({objectName, std::move(step)});
}

void ModalDriver::poll()
{
    if (++m_polls > kLimitPolls) {
        timedOut = true;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (auto *d = qobject_cast<QDialog *>(w); d && d->isVisible())
                d->done(QDialog::Rejected);
        }
        return;
    }
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible())
        return;
    // A property, not the address: a window made on the stack may reuse
    // the address of the one before it.
    if (modal->property("answeredByDriver").toBool())
        return;
    for (const Entry &e : m_steps) {
        if (e.name == modal->objectName()) {
            modal->setProperty("answeredByDriver", true);
            answered.push_back(e.name);
            // Run outside the poll, so the step may open windows of its own.
            QTimer::singleShot(0, modal, [step = e.step, modal] { step(modal); });
            return;
        }
    }
}
