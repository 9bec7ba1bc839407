// The program's style reads two of the base style's pictures itself; what
// it paints must be what the base style paints.
#include "gui/widgets/AppStyle.h"

#include <QGroupBox>
#include <QStyleFactory>

#include <gtest/gtest.h>

#include <memory>

TEST(AppStyle, PaintsGroupBoxesAndTheMenuArrowAsTheBaseStyle)
{
    AppStyle app;
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    for (const QString &title : {QString(), QStringLiteral("Credits")}) {
        SCOPED_TRACE(title.toStdString());
        QImage painted[2];
        for (int i = 0; i < 2; ++i) {
            QGroupBox box(title);
            box.setStyle(i == 0 ? static_cast<QStyle *>(&app) : fusion.get());
            box.resize(200, 100);
            painted[i] = box.grab().toImage();
        }
        EXPECT_EQ(painted[0], painted[1]);
    }
    for (auto arrow :
         {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton}) {
        const QIcon ours = app.standardIcon(arrow);
        EXPECT_EQ(ours.availableSizes(), fusion->standardIcon(arrow).availableSizes());
        EXPECT_EQ(ours.pixmap(16).toImage(), fusion->standardIcon(arrow).pixmap(16).toImage());
    }
}
