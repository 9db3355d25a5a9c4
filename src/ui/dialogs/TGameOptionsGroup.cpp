#include "ui/dialogs/TGameOptionsGroup.h"

#include "ui/dialogs/TPlayerInfoDlg.h"
#include "ui/platform/GameText.h"
#include "ui/platform/Settings.h"
#include "ui/widgets/TUpDown.h"

#include <QCoreApplication>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QSpinBox>

namespace lettrava {

namespace {

QLabel* caption(const QString& text, QWidget* parent)
{
    auto* l = new QLabel(text, parent);
    l->setTextFormat(Qt::PlainText);
    return l;
}

// A duration field's number as it is stored: the number typed, or the
// given value when the text is not one.
int durationNumber(const QString& text, int otherwise)
{
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    return ok && v >= 0 ? v : otherwise;
}

QString twoDigits(int v) { return v < 10 && v >= 0 ? QStringLiteral("0") + QString::number(v) : QString::number(v); }

} // namespace

TGameOptionsGroup::TGameOptionsGroup(bool readOnly, QWidget* parent)
    : QGroupBox(tr("Game Options"), parent), readOnly_(readOnly)
{
    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(7);
    int row = 0;

    updMinimumWordLength_ = new TUpDown(3, 18, this);
    updMinimumWordLength_->setObjectName(QStringLiteral("updMinimumWordLength"));
    updMinimumWordLength_->setAccessibleName(tr("Shortest word"));
    updMaximumWordLength_ = new TUpDown(3, 18, this);
    updMaximumWordLength_->setObjectName(QStringLiteral("updMaximumWordLength"));
    updMaximumWordLength_->setAccessibleName(tr("Longest word"));
    updMaximumWordLength_->setValue(18);
    grid->addWidget(caption(tr("Allowable Word Length:"), this), row++, 0, 1, 2);
    auto* lengths = new QHBoxLayout();
    auto* minLabel = caption(tr("Min"), this);
    minLabel->setBuddy(updMinimumWordLength_);
    auto* maxLabel = caption(tr("Max"), this);
    maxLabel->setBuddy(updMaximumWordLength_);
    lengths->addWidget(minLabel);
    lengths->addWidget(updMinimumWordLength_);
    lengths->addSpacing(10);
    lengths->addWidget(maxLabel);
    lengths->addWidget(updMaximumWordLength_);
    lengths->addStretch(1);
    grid->addLayout(lengths, row++, 0, 1, 2);

    updGridPorosity_ = new QSpinBox(this);
    updGridPorosity_->setObjectName(QStringLiteral("updGridPorosity"));
    updGridPorosity_->setRange(0, 60);
    updGridPorosity_->setSuffix(QString());
    auto* porosity = caption(tr("Grid Porosity (% blank):"), this);
    porosity->setBuddy(updGridPorosity_);
    grid->addWidget(porosity, row, 0);
    grid->addWidget(updGridPorosity_, row++, 1, Qt::AlignLeft);

    chkBonusWordEnabled_ = new QCheckBox(tr("&Bonus Word Enabled"), this);
    chkBonusWordEnabled_->setObjectName(QStringLiteral("chkBonusWordEnabled"));
    chkBonusWordEnabled_->setChecked(true);
    grid->addWidget(chkBonusWordEnabled_, row++, 0, 1, 2);
    chkAllowLetterReuse_ = new QCheckBox(tr("Allow Letter &Reuse"), this);
    chkAllowLetterReuse_->setObjectName(QStringLiteral("chkAllowLetterReuse"));
    chkAllowLetterReuse_->setChecked(true);
    grid->addWidget(chkAllowLetterReuse_, row++, 0, 1, 2);

    cmbGridSizeOrder_ = new QComboBox(this);
    cmbGridSizeOrder_->setObjectName(QStringLiteral("cmbGridSizeOrder"));
    for (const char* o : TPlayerInfoDlg::kGridSizeOrders)
        cmbGridSizeOrder_->addItem(QCoreApplication::translate("lettrava::TPlayerInfoDlg", o));
    auto* order = caption(tr("Grid Size Order:"), this);
    order->setBuddy(cmbGridSizeOrder_);
    grid->addWidget(order, row++, 0, 1, 2);
    grid->addWidget(cmbGridSizeOrder_, row++, 0, 1, 2);

    updRoundsPerGame_ = new TUpDown(1, 20, this);
    updRoundsPerGame_->setObjectName(QStringLiteral("updRoundsPerGame"));
    updRoundsPerGame_->setValue(10);
    auto* rounds = caption(tr("Rounds Per Game:"), this);
    rounds->setBuddy(updRoundsPerGame_);
    grid->addWidget(rounds, row, 0);
    grid->addWidget(updRoundsPerGame_, row++, 1, Qt::AlignLeft);

    cmbRoundDuration_ = new QComboBox(this);
    cmbRoundDuration_->setObjectName(QStringLiteral("cmbRoundDuration"));
    for (const char* d : TPlayerInfoDlg::kDurations)
        cmbRoundDuration_->addItem(QCoreApplication::translate("lettrava::TPlayerInfoDlg", d));
    auto* duration = caption(tr("Round Duration:"), this);
    duration->setBuddy(cmbRoundDuration_);
    grid->addWidget(duration, row++, 0, 1, 2);
    grid->addWidget(cmbRoundDuration_, row++, 0, 1, 2);

    lblRoundDuration_ = caption(tr("Round Duration (M:SS):"), this);
    auto* digits = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,2}")), this);
    edtRoundDurationMinutes_ = new QLineEdit(this);
    edtRoundDurationMinutes_->setObjectName(QStringLiteral("edtRoundDurationMinutes"));
    edtRoundDurationMinutes_->setAccessibleName(tr("Round minutes"));
    edtRoundDurationSeconds_ = new QLineEdit(this);
    edtRoundDurationSeconds_->setObjectName(QStringLiteral("edtRoundDurationSeconds"));
    edtRoundDurationSeconds_->setAccessibleName(tr("Round seconds"));
    for (QLineEdit* e : {edtRoundDurationMinutes_, edtRoundDurationSeconds_}) {
        e->setValidator(digits);
        e->setMaxLength(2);
        e->setMaximumWidth(40);
        e->setAlignment(Qt::AlignCenter);
    }
    lblRoundDuration_->setBuddy(edtRoundDurationMinutes_);
    auto* time = new QHBoxLayout();
    time->addWidget(lblRoundDuration_);
    time->addWidget(edtRoundDurationMinutes_);
    time->addWidget(caption(QStringLiteral(":"), this));
    time->addWidget(edtRoundDurationSeconds_);
    time->addStretch(1);
    grid->addLayout(time, row++, 0, 1, 2);

    // Typed digits are taken as well as the arrows, kept within each range.
    for (TUpDown* u : {updMinimumWordLength_, updMaximumWordLength_, updRoundsPerGame_})
        u->setTypingAllowed(!readOnly_);

    connect(updMinimumWordLength_, &QSpinBox::valueChanged, this, [this] { wordLengthsChanged(); });
    connect(updMaximumWordLength_, &QSpinBox::valueChanged, this, [this] { wordLengthsChanged(); });
    connect(updRoundsPerGame_, &QSpinBox::valueChanged, this, [this] {
        wordLengthsChanged();
        emit roundsPerGameChanged();
    });
    connect(cmbGridSizeOrder_, &QComboBox::currentIndexChanged, this, [this] { emit gridSizeOrderChanged(); });
    connect(cmbRoundDuration_, &QComboBox::currentIndexChanged, this, [this] { durationChoiceChanged(); });
}

int TGameOptionsGroup::roundsPerGame() const { return updRoundsPerGame_->value(); }

int TGameOptionsGroup::gridSizeOrder() const { return cmbGridSizeOrder_->currentIndex(); }

void TGameOptionsGroup::wordLengthsChanged()
{
    if (updMaximumWordLength_->value() < updMinimumWordLength_->value()) {
        QApplication::beep();
        updMaximumWordLength_->setValue(updMinimumWordLength_->value());
    }
}

void TGameOptionsGroup::durationChoiceChanged()
{
    const bool manual = cmbRoundDuration_->currentIndex() == 1 && !readOnly_;
    lblRoundDuration_->setEnabled(manual);
    edtRoundDurationMinutes_->setEnabled(manual);
    edtRoundDurationSeconds_->setEnabled(manual);
}

// ------------------------------------------------------------------ filling and results

void TGameOptionsGroup::restoreStoredChoices()
{
    cmbGridSizeOrder_->setCurrentIndex(std::clamp(SettingsStore::read(settings::GridSizeOrder), 0, 3));
    cmbRoundDuration_->setCurrentIndex(std::clamp(SettingsStore::read(settings::RoundDuration), 0, 1));
    edtRoundDurationMinutes_->setText(QString::number(std::clamp(SettingsStore::read(settings::RoundDurationMin), 0, 99)));
    edtRoundDurationSeconds_->setText(twoDigits(std::clamp(SettingsStore::read(settings::RoundDurationSec), 0, 99)));
    chkBonusWordEnabled_->setChecked(SettingsStore::read(settings::BonusEnabled));
    updMinimumWordLength_->setValue(std::clamp(SettingsStore::read(settings::MinimumWL), 3, 18));
    updMaximumWordLength_->setValue(std::clamp(SettingsStore::read(settings::MaximumWL), 3, 18));
    updRoundsPerGame_->setValue(std::clamp(SettingsStore::read(settings::RoundsPG), 1, 20));
    updGridPorosity_->setValue(std::clamp(SettingsStore::read(settings::GridPorosity), 0, 60));
    chkAllowLetterReuse_->setChecked(SettingsStore::read(settings::LetterReuse));
}

void TGameOptionsGroup::fillFromSetup(const GameSetup& s)
{
    cmbGridSizeOrder_->setCurrentIndex(std::clamp(s.gridSizeOrder, 0, 3));
    cmbRoundDuration_->setCurrentIndex(s.automaticDuration ? 0 : 1);
    edtRoundDurationMinutes_->setText(toQt(s.minutesText));
    edtRoundDurationSeconds_->setText(twoDigits(durationNumber(toQt(s.secondsText), 0)));
    chkBonusWordEnabled_->setChecked(s.bonusWordEnabled);
    chkAllowLetterReuse_->setChecked(s.allowLetterReuse);
    updMinimumWordLength_->setValue(std::clamp(s.minWordLength, 3, 18));
    updMaximumWordLength_->setValue(std::clamp(s.maxWordLength, 3, 18));
    updRoundsPerGame_->setValue(std::clamp(s.roundsPerGame, 1, 20));
    updGridPorosity_->setValue(std::clamp(s.gridPorosity, 0, 60));
}

void TGameOptionsGroup::lock()
{
    cmbGridSizeOrder_->setEnabled(false);
    updRoundsPerGame_->setEnabled(false);
}

void TGameOptionsGroup::writeTo(GameSetup& s) const
{
    s.automaticDuration = cmbRoundDuration_->currentIndex() == 0;
    s.minutesText = toBytes(edtRoundDurationMinutes_->text());
    s.secondsText = toBytes(edtRoundDurationSeconds_->text());
    s.bonusWordEnabled = chkBonusWordEnabled_->isChecked();
    s.allowLetterReuse = chkAllowLetterReuse_->isChecked();
    s.gridPorosity = updGridPorosity_->value();
    s.minWordLength = updMinimumWordLength_->value();
    s.maxWordLength = updMaximumWordLength_->value();
}

void TGameOptionsGroup::storeChoices() const
{
    SettingsStore::write(settings::GridSizeOrder, cmbGridSizeOrder_->currentIndex());
    SettingsStore::write(settings::RoundDuration, cmbRoundDuration_->currentIndex());
    SettingsStore::write(settings::RoundDurationMin, durationNumber(edtRoundDurationMinutes_->text(), 2));
    SettingsStore::write(settings::RoundDurationSec, durationNumber(edtRoundDurationSeconds_->text(), 0));
    SettingsStore::write(settings::BonusEnabled, chkBonusWordEnabled_->isChecked());
    SettingsStore::write(settings::LetterReuse, chkAllowLetterReuse_->isChecked());
    SettingsStore::write(settings::MinimumWL, updMinimumWordLength_->value());
    SettingsStore::write(settings::MaximumWL, updMaximumWordLength_->value());
    SettingsStore::write(settings::RoundsPG, updRoundsPerGame_->value());
    SettingsStore::write(settings::GridPorosity, updGridPorosity_->value());
}

} // namespace lettrava
