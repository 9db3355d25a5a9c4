#include "ui/platform/QtTaskSeam.h"

#include <QMetaObject>
#include <QThread>

namespace lettrava {

QtTaskSeam::QtTaskSeam() : context_(new QObject) {}

QtTaskSeam::~QtTaskSeam() { delete context_; }

void QtTaskSeam::post(std::function<void()> task)
{
    QMetaObject::invokeMethod(context_, std::move(task), Qt::QueuedConnection);
}

bool QtTaskSeam::onUiThread() const { return QThread::currentThread() == context_->thread(); }

} // namespace lettrava
