// What the user sees of an answer button's colour: the painted pixels, on
// every style the program may run under, enabled or not, with the focus.
#include "gui/widgets/AnswerButton.h"

#include <QImage>
#include <QStyle>
#include <QStyleFactory>

#include <gtest/gtest.h>

#include <memory>

namespace {

struct ColourCase {
    const char *name;
    QColor colour; // invalid: the style's own button face
    bool enabled;
    bool focused;
};

class AnswerButtonColours : public ::testing::TestWithParam<ColourCase> {};

TEST_P(AnswerButtonColours, FaceIsOneFlatColourOnEveryStyle)
{
    const ColourCase &c = GetParam();
    for (const QString &key : QStyleFactory::keys()) {
        SCOPED_TRACE(key.toStdString());
        std::unique_ptr<QStyle> style(QStyleFactory::create(key));
        QWidget window;
        window.setStyle(style.get());
        AnswerButton button(1, &window);
        button.setStyle(style.get());
        button.setGeometry(0, 0, 265, 49);
        button.setCaption(QStringLiteral("A long answer that wraps over two lines of the button"));
        const QColor expected =
            c.colour.isValid() ? c.colour : button.palette().color(QPalette::Button);
        button.setBackground(expected);
        button.setEnabled(c.enabled);
        window.show();
        if (c.focused)
            button.setFocus();
        const QImage image = button.grab().toImage();
        // Away from the frame, the focus frame and the centred caption.
        for (int x = 4; x < 10; ++x)
            for (int y : {4, 12, 24, 36, 44})
                ASSERT_EQ(QColor(image.pixel(x, y)).name(), expected.name()) << x << "," << y;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Faces, AnswerButtonColours,
    ::testing::Values(ColourCase{"wrong", QColor(255, 128, 128), true, false},
                      ColourCase{"revealed", QColor(128, 255, 128), true, true},
                      ColourCase{"wrong_disabled", QColor(255, 128, 128), false, false},
                      ColourCase{"face", QColor(), true, false},
                      ColourCase{"face_focused", QColor(), true, true}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
