#include "ui/dialogs/TResultsMenus.h"

#include "core/game/Player.h"
#include "core/views/ResultsRules.h"
#include "core/words/Dictionary.h"
#include "ui/dialogs/THelpForm.h"
#include "ui/dialogs/TRRForm.h"
#include "ui/platform/GameText.h"
#include "ui/platform/WordLookup.h"
#include "ui/widgets/TWordListBox.h"

#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

namespace lettrava {

namespace {

constexpr const char* kOrderNames[4] = {QT_TRANSLATE_NOOP("Word order", "Input Order"), QT_TRANSLATE_NOOP("Word order", "Alphabetically"), QT_TRANSLATE_NOOP("Word order", "Length Ascending"), QT_TRANSLATE_NOOP("Word order", "Length Descending")};

QString menuCaption(const std::string& name) { return toQt(name).replace(QLatin1Char('&'), QStringLiteral("&&")); }

} // namespace

TResultsMenus::TResultsMenus(TRRForm& form) : QObject(&form), form_(form)
{
    mnuMain_ = new QMenuBar(&form_);
    mnuMain_->setObjectName(QStringLiteral("mnuMain"));
    QMenu* wordList = mnuMain_->addMenu(tr("&Word List"));
    for (int i = 0; i < 4; ++i) {
        PlayerMenu& pm = playerMenus_[static_cast<std::size_t>(i)];
        pm.menu = wordList->addMenu(tr("Player %1").arg(i + 1));
        QMenu* lookup = pm.menu->addMenu(tr("Lookup"));
        pm.lookupLocal =
            lookup->addAction(tr("Local"), this, [this, i] { form_.lookUpLocally(form_.playerList(i)); });
        pm.lookupInternet = lookup->addAction(tr("Internet"), this,
                                              [this, i] { form_.lookUpOnInternet(form_.playerList(i)); });
        pm.addWord = pm.menu->addAction(tr("Add Word"), this, [this, i] { form_.addWord(i); });
        pm.addWord->setEnabled(false);
        pm.menu->addSeparator();
        pm.menu->addAction(tr("View Stats"), this, [this, i] { form_.viewStats(i); });
        QMenu* sort = pm.menu->addMenu(tr("Sort Order"));
        for (int order = 0; order < 4; ++order)
            sort->addAction(QCoreApplication::translate("Word order", kOrderNames[order]), this, [this, i, order] { form_.sortPlayerList(i, order); });
    }
    QMenu* solution = wordList->addMenu(tr("Solution"));
    actSolutionShow_ =
        solution->addAction(tr("Hide"), this, [this] { form_.setSolutionShown(!form_.solutionShown()); });
    solution->addSeparator();
    mnuSolutionLookup_ = solution->addMenu(tr("Lookup"));
    mnuSolutionLookup_->addAction(tr("Local"), this, [this] { form_.lookUpLocally(form_.solutionList()); });
    mnuSolutionLookup_->addAction(tr("Internet"), this,
                                  [this] { form_.lookUpOnInternet(form_.solutionList()); });
    solution->addSeparator();
    mnuSolutionSort_ = solution->addMenu(tr("Sort Order"));
    for (int order = 1; order < 4; ++order)
        mnuSolutionSort_->addAction(QCoreApplication::translate("Word order", kOrderNames[order]), this,
                                    [this, order] { form_.setSolutionSortOrder(order); });

    mnuMain_->addAction(tr("&Return to Game"), this, [this] { form_.accept(); });
    mnuMain_->addAction(tr("&Help"), this, [] { showHelpTopic(QStringLiteral("RoundResults.htm")); });
}

void TResultsMenus::buildPopup()
{
    popup_ = new QMenu(&form_);
    popup_->setObjectName(QStringLiteral("popWords"));
    mnuPopupLookup_ = popup_->addMenu(tr("Lookup"));
    popLocal_ = mnuPopupLookup_->addAction(tr("Local Dictionary"), this, [this] {
        WordLookup::instance().lookUpLocally(toQt(form_.popupWord(popupSource_)));
    });
    popPage1_ = mnuPopupLookup_->addAction(QString(), this, [this] {
        WordLookup::instance().lookUpOnDictionaryPage(toQt(form_.popupWord(popupSource_)), 1);
    });
    popPage2_ = mnuPopupLookup_->addAction(QString(), this, [this] {
        WordLookup::instance().lookUpOnDictionaryPage(toQt(form_.popupWord(popupSource_)), 2);
    });
    popAddWord_ = popup_->addAction(tr("Add Word"), this, [this] {
        if (const int slot = form_.slotOf(popupSource_); slot >= 0)
            form_.addWord(slot);
    });
    popSeparator_ = popup_->addSeparator();
    popViewStats_ = popup_->addAction(tr("View Stats"), this, [this] {
        if (const int slot = form_.slotOf(popupSource_); slot >= 0)
            form_.viewStats(slot);
    });
    QMenu* sort = popup_->addMenu(tr("Sort Order"));
    popSort_ = sort->menuAction();
    for (int order = 0; order < 4; ++order) {
        popOrders_[static_cast<std::size_t>(order)] = sort->addAction(QCoreApplication::translate("Word order", kOrderNames[order]), this, [this, order] {
            if (const int slot = form_.slotOf(popupSource_); slot >= 0)
                form_.sortPlayerList(slot, order);
            else if (popupSource_ == form_.solutionList())
                form_.setSolutionSortOrder(order);
        });
    }
}

void TResultsMenus::showPlayer(int slot, const Player* player)
{
    QMenu* menu = playerMenus_[static_cast<std::size_t>(slot)].menu;
    menu->menuAction()->setVisible(player != nullptr);
    if (player)
        menu->setTitle(menuCaption(player->name));
}

void TResultsMenus::showLookups(const Dictionary& d)
{
    popLocal_->setVisible(d.localLookup());
    popPage1_->setText(menuCaption(d.lookupPage1Name()));
    popPage1_->setVisible(!d.lookupPage1Name().empty());
    popPage2_->setText(menuCaption(d.lookupPage2Name()));
    popPage2_->setVisible(!d.lookupPage2Name().empty());
}

void TResultsMenus::setSolutionShown(bool shown)
{
    actSolutionShow_->setText(shown ? tr("Hide") : tr("Show"));
    mnuSolutionLookup_->setEnabled(shown);
    mnuSolutionSort_->setEnabled(shown);
}

QMenu* TResultsMenus::preparePopup(QWidget* source)
{
    popupSource_ = source;
    auto* list = qobject_cast<TWordListBox*>(source);
    if (!list) {
        mnuPopupLookup_->menuAction()->setEnabled(true);
        for (QAction* a : {popAddWord_, popViewStats_, popSort_, popSeparator_})
            a->setVisible(false);
        return popup_;
    }
    const bool playerList = form_.slotOf(list) >= 0;
    const LVWord* w = list->selectedWord();
    mnuPopupLookup_->menuAction()->setEnabled(w != nullptr);
    popViewStats_->setVisible(playerList);
    popOrders_[0]->setVisible(playerList);
    popAddWord_->setVisible(true);
    popAddWord_->setEnabled(playerList && w && ResultsRules::mayAddWord(*w, Dictionary::instance()));
    popSort_->setVisible(true);
    popSeparator_->setVisible(true);
    return popup_;
}

} // namespace lettrava
