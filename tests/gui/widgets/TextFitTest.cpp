// No text of any window is cut: every label, button and frame title of
// each window, as it opens, has the room its font needs, lies inside its
// parent, and a frame's controls stay clear of the frame's top line. The
// ctest run repeats this with a font DPI of 144 (a large-font desktop).
#include "core/record/LearningRecord.h"
#include "gui/about/AboutDialog.h"
#include "gui/network/QtHttpFetcher.h"
#include "gui/record/ProgressDialog.h"
#include "gui/scores/HighScoreNameDialog.h"
#include "gui/scores/HighScoresDialog.h"
#include "gui/update/UpdateDialog.h"
#include "gui/widgets/AppStyle.h"
#include "support/CaseName.h"
#include "support/MainHarness.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>

#include <functional>

namespace {

QString nameOf(const QWidget *w)
{
    return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                     : w->objectName();
}

// Where a control's text begins, in its parent: a label's text may sit
// lower in its box than the box's top.
int textTop(const QWidget *c)
{
    const auto *l = qobject_cast<const QLabel *>(c);
    if (!l)
        return c->y();
    const int spare = c->height() - l->sizeHint().height();
    return c->y() + (l->alignment() & Qt::AlignVCenter  ? spare / 2
                     : l->alignment() & Qt::AlignBottom ? spare
                                                        : 0);
}

// What each control's text needs, measured from its font, against what it has.
QStringList clippedTexts(const QWidget *window)
{
    QStringList found;
    for (const QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(window) || qobject_cast<const AnswerButton *>(w))
            continue; // an answer button wraps its caption itself
        const QFontMetrics fm(w->font());
        QSize need;
        if (const auto *l = qobject_cast<const QLabel *>(w)) {
            if (l->text().isEmpty())
                continue;
            int longestWord = 0;
            for (const QString &word : l->text().split(QRegularExpression(QStringLiteral("\\s"))))
                longestWord = std::max(longestWord, fm.horizontalAdvance(word));
            need = l->wordWrap()
                       ? QSize(longestWord + 2 * l->frameWidth(), l->heightForWidth(l->width()))
                       : l->sizeHint();
        } else if (const auto *b = qobject_cast<const QPushButton *>(w)) {
            QString caption = b->text();
            caption.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(QLatin1Char('&'));
            need = QSize(fm.horizontalAdvance(caption) + 8, fm.height() + 4);
        } else if (const auto *g = qobject_cast<const QGroupBox *>(w)) {
            need = QSize(fm.horizontalAdvance(g->title()) + 16, 0);
            for (const QWidget *c : g->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
                if (c->isVisibleTo(window) && !g->layout() &&
                    textTop(c) <= AppStyle::groupBoxFrameTop(g))
                    found << nameOf(c) + " lies on the top line of " + nameOf(g);
        } else {
            continue;
        }
        if (need.width() > w->width() || need.height() > w->height())
            found << QStringLiteral("%1 needs %2x%3, has %4x%5")
                         .arg(nameOf(w))
                         .arg(need.width())
                         .arg(need.height())
                         .arg(w->width())
                         .arg(w->height());
        if (!w->parentWidget()->rect().contains(w->geometry()))
            found << nameOf(w) + " sticks out of " + nameOf(w->parentWidget());
    }
    return found;
}

// What the windows are made from: a started main window, fakes, a record.
struct Parts {
    Parts()
    {
        h.writeBank(10);
        EXPECT_TRUE(h.start());
        record.open();
    }
    MainHarness h;
    NoSystemInfo none;
    MemorySettings store;
    QtHttpFetcher fetcher;
    LearningRecord record{h.dir.file(QStringLiteral("record.sqlite"))};
};

struct WindowCase {
    const char *name;
    std::function<QWidget *(Parts &)> open; // none, or giving none: the main window
};
class TextFit : public ::testing::TestWithParam<WindowCase> {};

TEST_P(TextFit, EveryTextHasItsRoom)
{
#ifdef Q_OS_WIN
    // Qt's offscreen platform on Windows measures with a font database of
    // its own, not the one a window on the desktop gets, so its sizes say
    // nothing about what a user sees there; the Windows check runs this
    // walker on the desktop platform instead.
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        GTEST_SKIP() << "text sizes of the offscreen platform are not those of the desktop";
#endif
    Parts parts;
    std::unique_ptr<QWidget> own;
    QWidget *window = parts.h.main.get();
    if (GetParam().open)
        own.reset(GetParam().open(parts));
    if (own)
        window = own.get();
    window->show();
    QApplication::processEvents();
    EXPECT_EQ(clippedTexts(window), QStringList());
}

const WindowCase kWindows[] = {
    {"main_standard", nullptr},
    {"main_timed",
     [](Parts &p) -> QWidget * {
         p.h.child<QAction>(QStringLiteral("timedAction"))->trigger();
         return nullptr;
     }},
    {"about",
     [](Parts &p) -> QWidget * { return new AboutDialog(p.none, p.none, p.h.fakes.boxes); }},
    {"update",
     [](Parts &p) -> QWidget * { return new UpdateDialog(p.h.dir.path(), p.fetcher, nullptr); }},
    {"high_scores",
     [](Parts &p) -> QWidget * {
         return new HighScoresDialog(std::nullopt, p.store, p.h.fakes.boxes, nullptr,
                                     [](QWidget *) { return QStringLiteral("Zed"); });
     }},
    {"high_score_name", [](Parts &) -> QWidget * { return new HighScoreNameDialog(nullptr); }},
    {"progress",
     [](Parts &p) -> QWidget * { return new ProgressDialog(p.record, p.h.fakes.boxes); }},
};
INSTANTIATE_TEST_SUITE_P(Windows, TextFit, ::testing::ValuesIn(kWindows), CaseName());

} // namespace
