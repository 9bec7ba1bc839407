#include "ModalDriver.h"

#include <QApplication>
#include <QDialog>

ModalDriver::ModalDriver()
{
    QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
    m_timer.start(5);
}

void ModalDriver::poll()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (++m_polls > 2000) { // ten seconds: close one window at each poll
        timedOut = true;
        if (auto *d = qobject_cast<QDialog *>(modal))
            d->done(QDialog::Rejected);
        return;
    }
    // Marked by a property, not known by its address: a window made on the
    // stack may reuse the address of the one before it.
    if (!modal || !modal->isVisible() || modal->property("answeredByDriver").toBool())
        return;
    const auto step = m_steps.find(modal->objectName());
    if (step == m_steps.end())
        return;
    modal->setProperty("answeredByDriver", true);
    answered.push_back(step->first);
    // Run outside the poll, so the step may open windows of its own.
    QTimer::singleShot(0, modal, [run = step->second, modal] { run(modal); });
}
