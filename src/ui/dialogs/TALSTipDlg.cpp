#include "ui/dialogs/TALSTipDlg.h"

#include "ui/platform/SharedPictures.h"
#include "ui/platform/GameText.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

namespace lettrava {

namespace {
const QColor kTipColour(255, 255, 225);
}

TALSTipDlg::TALSTipDlg(std::vector<std::string> tips, bool inOrder, QWidget* parent)
    : QDialog(parent), tips_(std::move(tips), inOrder)
{
    setObjectName(QStringLiteral("TipDialog"));
    setWindowTitle(tr("Lettrava Tip of the Day"));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kTipColour);
    pal.setColor(QPalette::Base, kTipColour);
    setPalette(pal);
    setAutoFillBackground(true);

    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    auto* picture = new QLabel(this);
    picture->setPixmap(SharedPictures::instance().appIcon.pixmap(48, 48));
    top->addWidget(picture, 0, Qt::AlignTop);
    auto* body = new QVBoxLayout;
    auto* title = new QLabel(tr("Did you know..."), this);
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSize(titleFont.pointSize() + 4);
    title->setFont(titleFont);
    body->addWidget(title);
    txtTip_ = new QTextEdit(this);
    txtTip_->setObjectName(QStringLiteral("txtTip"));
    txtTip_->setReadOnly(true);
    txtTip_->setFrameShape(QFrame::NoFrame);
    QFont tipFont(QStringLiteral("Comic Sans MS"));
    tipFont.setPixelSize(13);
    txtTip_->setFont(tipFont);
    txtTip_->setFixedSize(340, 130);
    body->addWidget(txtTip_);
    top->addLayout(body, 1);
    layout->addLayout(top);

    auto* bottom = new QHBoxLayout;
    chkShowTips_ = new QCheckBox(tr(" &Show tips at startup"), this);
    chkShowTips_->setObjectName(QStringLiteral("chkShowTips"));
    chkShowTips_->setChecked(true);
    bottom->addWidget(chkShowTips_);
    bottom->addStretch(1);
    btnPrevious_ = new QPushButton(tr("&Previous Tip"), this);
    btnPrevious_->setObjectName(QStringLiteral("btnPrevious"));
    btnNext_ = new QPushButton(tr("&Next Tip"), this);
    btnNext_->setObjectName(QStringLiteral("btnNext"));
    auto* ok = new QPushButton(tr("&OK"), this);
    ok->setObjectName(QStringLiteral("btnOK"));
    ok->setDefault(true);
    for (QPushButton* b : {btnPrevious_, btnNext_, ok})
        bottom->addWidget(b);
    layout->addLayout(bottom);

    btnPrevious_->setVisible(tips_.inOrder());
    btnPrevious_->setEnabled(tips_.canGoBack());
    btnNext_->setEnabled(tips_.canGoForward());
    connect(btnNext_, &QPushButton::clicked, this, &TALSTipDlg::nextTip);
    connect(btnPrevious_, &QPushButton::clicked, this, &TALSTipDlg::previousTip);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    showCurrent();
}

bool TALSTipDlg::showAtStartup() const { return chkShowTips_->isChecked(); }
void TALSTipDlg::setShowAtStartup(bool on) { chkShowTips_->setChecked(on); }
QString TALSTipDlg::tipText() const { return txtTip_->toPlainText(); }
bool TALSTipDlg::tipHasScrollBar() const { return txtTip_->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn; }

void TALSTipDlg::nextTip()
{
    tips_.next();
    showCurrent();
}

void TALSTipDlg::previousTip()
{
    tips_.previous();
    showCurrent();
}

void TALSTipDlg::showCurrent()
{
    const TipOfTheDay::Shown shown = tips_.current();
    txtTip_->setPlainText(toQt(shown.text));
    txtTip_->setVerticalScrollBarPolicy(shown.scrollBar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

} // namespace lettrava
