#pragma once

#include "core/platform/TextLabel.h"
#include "ui/platform/GameText.h"

#include <QLabel>
#include <QPointer>

namespace lettrava {

// A window label as the engine writes it: a player's name or score.
class QtTextLabel final : public TextLabel {
public:
    QtTextLabel() = default;
    explicit QtTextLabel(QLabel* label) : label_(label) {}
    void attach(QLabel* label) { label_ = label; }
    QLabel* label() const { return label_; }
    void setText(const std::string& text) override
    {
        if (label_)
            label_->setText(toQt(text));
    }

private:
    QPointer<QLabel> label_;
};

} // namespace lettrava
