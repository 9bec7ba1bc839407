// What the user sees of an answer button's colour: the painted pixels, on
// every style the program may run under, enabled or not, with the focus.
#include "gui/widgets/AnswerButton.h"
#include "support/CaseName.h"

#include <QImage>
#include <QStyle>
#include <QStyleFactory>

#include <gtest/gtest.h>

#include <memory>

struct FaceCase {
    const char *name;
    QColor colour; // invalid: the style's own button face
    bool enabled, focused;
};
class AnswerButtonFace : public ::testing::TestWithParam<FaceCase> {};

TEST_P(AnswerButtonFace, IsOneFlatColourOnEveryStyle)
{
    const FaceCase &c = GetParam();
    for (const QString &key : QStyleFactory::keys()) {
        SCOPED_TRACE(key.toStdString());
        const std::unique_ptr<QStyle> style(QStyleFactory::create(key));
        QWidget window;
        window.setStyle(style.get());
        AnswerButton button(1, &window);
        button.setGeometry(0, 0, 265, 49);
        button.setCaption("A long answer that wraps over two lines of the button");
        const QColor face =
            c.colour.isValid() ? c.colour : button.palette().color(QPalette::Button);
        button.setBackground(face);
        button.setEnabled(c.enabled);
        window.show();
        if (c.focused)
            button.setFocus();
        // Away from the frame, the focus frame and the centred caption.
        const QImage image = button.grab().toImage();
        for (int x = 4; x < 10; ++x)
            for (int y : {4, 12, 24, 36, 44})
                ASSERT_EQ(QColor(image.pixel(x, y)).name(), face.name()) << x << "," << y;
    }
}

const FaceCase kFaceCases[] = {{"red", QColor(255, 128, 128), true, false},
                               {"green_focused", QColor(128, 255, 128), true, true},
                               {"red_disabled", QColor(255, 128, 128), false, false},
                               {"style_face_focused", QColor(), true, true}};
INSTANTIATE_TEST_SUITE_P(Colours, AnswerButtonFace, ::testing::ValuesIn(kFaceCases), CaseName());
