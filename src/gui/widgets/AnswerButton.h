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

    // An invalid colour gives the style's own face back.
    void setBackground(const QColor &colour);
    QColor background() const;

    // The caption's colour on the face: the palette's, except on a
    // coloured face of a disabled button, where the style's grey would be
    // unreadable; there it is whichever of the palette's text colour,
    // black and white stands out most (at least 4.5:1 on any face).
    QColor captionColour() const;
    // The contrast ratio of two colours by their relative luminance, from
    // 1 (the same) to 21 (black on white).
    static double contrast(const QColor &a, const QColor &b);

    QSize sizeHint() const override;

    // The style's frame around the flat face, in pixels.
    static constexpr int FrameWidth = 2;

  protected:
    void paintEvent(QPaintEvent *event) override;

  private:
    int m_number;
    QString m_caption;
    bool m_coloured = false;
};
