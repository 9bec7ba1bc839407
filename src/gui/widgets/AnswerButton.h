#pragma once

#include <QPushButton>

// An answer button: its background colour shows right and wrong, and its
// caption wraps over several lines, since answers are often sentences.
class AnswerButton : public QPushButton {
    Q_OBJECT
  public:
    AnswerButton(int number, QWidget *parent);

    int number() const { return m_number; }

    // The bank text exactly as it should read; "&" is not an access key.
    void setCaption(const QString &text);
    const QString &caption() const { return m_caption; }

    void setBackground(const QColor &colour);
    QColor background() const;

    QSize sizeHint() const override;

    // The style's frame around the flat face, in pixels.
    static constexpr int FrameWidth = 2;

  protected:
    void paintEvent(QPaintEvent *event) override;

  private:
    int m_number;
    QString m_caption;
};
