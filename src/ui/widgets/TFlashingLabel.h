#pragma once

#include <QLabel>
#include <QTimer>

namespace lettrava {

// A label that can flash: while flashing it is hidden and shown in turn at the
// flash rate, and it is shown again when flashing stops. It keeps its place in
// a layout while hidden. A click on it is reported by clicked().
class TFlashingLabel : public QLabel {
    Q_OBJECT
public:
    explicit TFlashingLabel(QWidget* parent = nullptr);

    void setFlashing(bool on);
    bool isFlashing() const { return timer_.isActive(); }
    void setFlashRate(int milliseconds);
    int flashRate() const { return timer_.interval(); }

signals:
    void clicked();

protected:
    void mousePressEvent(class QMouseEvent* event) override;

private:
    QTimer timer_;
};

} // namespace lettrava
