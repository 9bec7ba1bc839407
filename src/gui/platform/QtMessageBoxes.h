#pragma once

#include "MessageBoxes.h"

class QtMessageBoxes final : public MessageBoxes {
  public:
    Answer show(QWidget *owner, const QString &text, const QString &title, Buttons buttons,
                Icon icon) override;
    Answer confirm(QWidget *owner, const QString &text, const QString &title,
                   const QString &action) override;
};
