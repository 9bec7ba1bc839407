// A practice exam of 600 questions: starting it (the draw and the exam page
// filled and shown) and moving between questions (Next, Previous and a
// jump from the list, each rendered and painted). Prints medians; run:
// build with -DZELQUIZ_BENCH=ON, then QT_QPA_PLATFORM=offscreen bin/bench_exam.
#include "core/exam/Exam.h"
#include "core/quiz/BankLoader.h"
#include "core/quiz/RandomSource.h"
#include "gui/exam/ExamPage.h"
#include "gui/platform/MessageBoxes.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QPushButton>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int Questions = 600;

class NoBoxes final : public MessageBoxes {
    Answer show(QWidget *, const QString &, const QString &, Buttons, Icon) override
    {
        return Answer::Yes;
    }
    Answer confirm(QWidget *, const QString &, const QString &, const QString &) override
    {
        return Answer::Yes;
    }
};

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

QuestionBank bank()
{
    QStringList texts;
    QStringList entries;
    for (int i = 1; i <= Questions; ++i) {
        texts << QStringLiteral("Subject or answer %1, about as long as a real one").arg(i);
        entries << QStringLiteral("%1|%2|%3|%4|%5|%6|%7|")
                       .arg(i % 8 + 1)
                       .arg(i)
                       .arg(i % Questions + 1)
                       .arg((i + 1) % Questions + 1)
                       .arg((i + 2) % Questions + 1)
                       .arg((i + 3) % Questions + 1)
                       .arg((i + 4) % Questions + 1);
    }
    return BankLoader::buildBank(texts, entries, standardWordings());
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QuestionBank b = bank();
    MersenneRandom random(1, false);
    NoBoxes boxes;
    ExamPage page(b, boxes, nullptr);
    page.resize(554, 370);
    page.show();
    QApplication::processEvents();
    ExamSettings settings;
    settings.questions = Questions;

    auto *next = page.findChild<QPushButton *>(QStringLiteral("examNextButton"));
    auto *previous = page.findChild<QPushButton *>(QStringLiteral("examPreviousButton"));
    auto *list = page.findChild<QListWidget *>(QStringLiteral("questionList"));
    std::vector<double> starts;
    std::vector<double> moves;
    QElapsedTimer t;
    for (int run = 0; run < 31; ++run) {
        t.start();
        page.begin(Exam::draw(b, random, settings));
        page.repaint();
        starts.push_back(double(t.nsecsElapsed()) / 1e6);
        for (int step = 0; step < 30; ++step) {
            t.start();
            if (step % 3 == 0)
                next->click();
            else if (step % 3 == 1)
                previous->click();
            else
                list->setCurrentRow((step * 97) % Questions);
            page.repaint();
            moves.push_back(double(t.nsecsElapsed()) / 1e6);
        }
    }
    std::printf("start a %d-question exam (draw, page filled and painted): median %.2f ms, "
                "max %.2f ms\n",
                Questions, median(starts), *std::max_element(starts.begin(), starts.end()));
    std::printf("move to another question (Next, Previous, jump; painted):  median %.2f ms, "
                "max %.2f ms\n",
                median(moves), *std::max_element(moves.begin(), moves.end()));
    return 0;
}
