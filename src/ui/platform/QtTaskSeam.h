#pragma once

#include "core/platform/TaskSeam.h"

#include <QObject>

namespace lettrava {

// Hands tasks to the user-interface thread through Qt's event loop: each task
// is a queued call on a context object that lives on that thread. Tasks
// posted after the context is gone are dropped.
class QtTaskSeam final : public TaskSeam {
public:
    QtTaskSeam();
    ~QtTaskSeam() override;
    void post(std::function<void()> task) override;
    bool onUiThread() const override;

private:
    QObject* context_;
};

} // namespace lettrava
