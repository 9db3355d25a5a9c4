#include "ui/net/TChatPanel.h"

#include "ui/net/TMemberList.h"

#include <algorithm>

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>

namespace lettrava {

namespace {

QToolButton* chatButton(const QString& name, const QString& hint, QWidget* parent)
{
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setToolTip(hint);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

} // namespace

TChatPanel::TChatPanel(Place place, QWidget* parent) : QWidget(parent), place_(place)
{
    setObjectName(place == Place::MainWindow ? QStringLiteral("pnlChat") : QStringLiteral("pnlRRChat"));

    mmoChat_ = new QPlainTextEdit(this);
    mmoChat_->setObjectName(QStringLiteral("mmoChat"));
    mmoChat_->setReadOnly(true);
    mmoChat_->setMaximumBlockCount(kMaxLines);
    mmoChat_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    mmoChat_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    QPalette pal = mmoChat_->palette();
    pal.setColor(QPalette::Base, kChatColour);
    pal.setColor(QPalette::Text, Qt::black);
    mmoChat_->setPalette(pal);

    lbxMembers_ = new TMemberListBox(this);
    lbxMembers_->setFixedWidth(140);
    connect(lbxMembers_, &QListView::clicked, this, [this] { emit memberListClicked(); });
    connect(lbxMembers_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        // A right click selects the member under the mouse first.
        const QModelIndex i = lbxMembers_->indexAt(at);
        if (i.isValid())
            lbxMembers_->setCurrentIndex(i);
        emit memberListClicked();
        emit memberMenuRequested(lbxMembers_->viewport()->mapToGlobal(at));
    });

    edtChat_ = new QLineEdit(this);
    edtChat_->setObjectName(QStringLiteral("edtChat"));
    connect(edtChat_, &QLineEdit::returnPressed, this, &TChatPanel::send);

    sbtSend_ = chatButton(QStringLiteral("sbtSend"), tr("Send text"), this);
    sbtSend_->setText(tr("Send"));
    connect(sbtSend_, &QToolButton::clicked, this, &TChatPanel::send);

    sbtHideMemberList_ = chatButton(QStringLiteral("sbtHideMemberList"), QString(), this);
    sbtHideMemberList_->setIconSize(QSize(16, 16));
    connect(sbtHideMemberList_, &QToolButton::clicked, this, [this] {
        setMemberListShown(!memberListShown_);
        emit memberListToggled(memberListShown_);
    });

    auto* inputRow = inputRow_ = new QHBoxLayout;
    inputRow->setContentsMargins(0, 0, 0, 0);
    inputRow->setSpacing(2);
    inputRow->addWidget(edtChat_, 1);
    inputRow->addWidget(sbtSend_);
    if (place == Place::MainWindow) {
        sbtAddPlayer_ = chatButton(QStringLiteral("sbtAddPlayer"), tr("Add selected individual to game"), this);
        sbtAddPlayer_->setIcon(QIcon(QStringLiteral(":/pictures/add_player.png")));
        sbtAddPlayer_->setIconSize(QSize(16, 16));
        sbtAddPlayer_->setEnabled(false);
        connect(sbtAddPlayer_, &QToolButton::clicked, this, [this] { emit addPlayerClicked(); });
        inputRow->addWidget(sbtAddPlayer_);
        sbtDebug_ = chatButton(QStringLiteral("SpeedButton1"),
                               tr("DEBUG ONLY: this will simulate your disconnection if you are not the host"),
                               this);
        sbtDebug_->setText(QStringLiteral("D"));
        // A developer's tool: players see it only when they ask for it.
        sbtDebug_->setVisible(qEnvironmentVariable("LETTRAVA_DEBUG") == QLatin1String("1"));
        connect(sbtDebug_, &QToolButton::clicked, this, [this] { emit debugClicked(); });
        inputRow->addWidget(sbtDebug_);
    }
    inputRow->addWidget(sbtHideMemberList_);

    auto* top = new QHBoxLayout;
    top->setContentsMargins(0, 0, 0, 0);
    top->setSpacing(2);
    top->addWidget(mmoChat_, 1);
    top->addWidget(lbxMembers_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    layout->addLayout(top, 1);
    layout->addLayout(inputRow);
    setMinimumHeight(90);
    setMemberListShown(true);
}

void TChatPanel::send()
{
    const QString text = edtChat_->text();
    edtChat_->clear();
    emit textEntered(text);
}

void TChatPanel::appendLine(const QString& line)
{
    QScrollBar* bar = mmoChat_->verticalScrollBar();
    const bool atEnd = bar->value() >= bar->maximum() - 2;
    mmoChat_->appendPlainText(line);
    if (atEnd)
        bar->setValue(bar->maximum());
}

QStringList TChatPanel::lines() const
{
    QStringList out;
    for (QTextBlock b = mmoChat_->document()->firstBlock(); b.isValid(); b = b.next())
        out << b.text();
    // An empty memo still has its one empty block.
    if (out.size() == 1 && out.front().isEmpty())
        out.clear();
    return out;
}

int TChatPanel::heightForLines(int count) const
{
    const int text = count * mmoChat_->fontMetrics().lineSpacing() +
                     2 * static_cast<int>(mmoChat_->document()->documentMargin());
    const int frame = 2 * mmoChat_->frameWidth();
    const QMargins m = layout()->contentsMargins();
    const int input = inputRow_->sizeHint().height();
    return m.top() + text + frame + layout()->spacing() + input + m.bottom();
}

int TChatPanel::visibleLines() const
{
    const int text = mmoChat_->viewport()->height() - 2 * static_cast<int>(mmoChat_->document()->documentMargin());
    return std::max(0, text / mmoChat_->fontMetrics().lineSpacing());
}

void TChatPanel::takeLinesFrom(const TChatPanel& other)
{
    mmoChat_->setPlainText(other.mmoChat_->toPlainText());
    mmoChat_->moveCursor(QTextCursor::End);
    mmoChat_->verticalScrollBar()->setValue(mmoChat_->verticalScrollBar()->maximum());
}

void TChatPanel::clearLines() { mmoChat_->clear(); }

void TChatPanel::setMemberModel(TMemberListModel* model) { lbxMembers_->setModel(model); }

void TChatPanel::setMemberListShown(bool shown)
{
    memberListShown_ = shown;
    lbxMembers_->setVisible(shown);
    sbtHideMemberList_->setIcon(
        QIcon(shown ? QStringLiteral(":/pictures/member_hide.png") : QStringLiteral(":/pictures/member_show.png")));
    sbtHideMemberList_->setToolTip(shown ? tr("Hide member list") : tr("Show member list"));
}

} // namespace lettrava
