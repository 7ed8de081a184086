#include "options_page.h"

#include "setup_widgets.h"

#include "database/spending_limit_store.h"
#include "ui/common/database_operation.h"
#include "ui/common/settings.h"
#include "ui/common/user_messages.h"
#include "ui/common/news_address.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

#include <optional>
#include <utility>

namespace zrt {

OptionsPage::OptionsPage(Settings& settings, QString databasePath, UserMessages& messages, QWidget* parent)
    : QWidget(parent)
    , settings_(settings)
    , databasePath_(std::move(databasePath))
    , messages_(messages)
    , newsAddressEdit_(new QLineEdit(this))
    , spendingLimitEdit_(new QLineEdit(this))
{
    spendingLimitEdit_->setObjectName(QStringLiteral("txtLimiteMensile"));
    spendingLimitEdit_->setPlaceholderText(tr("nessun limite"));
    newsAddressEdit_->setObjectName(QStringLiteral("txtNewsUrl"));
    newsAddressEdit_->setPlaceholderText(tr("solo la pagina locale"));
    QLabel* hint = setupLabel(QStringLiteral("lblNewsUrl"),
                              tr("Nome di un sito (es. www.esempio.it) o indirizzo http:// o https:// della pagina "
                                 "di notizie mostrata sotto la barra durante le connessioni. Vuoto: solo la pagina "
                                 "locale news.htm."),
                              this);
    hint->setWordWrap(true);

    auto* form = new QFormLayout(this);
    form->addRow(setupLabel(QStringLiteral("lblIndirizzoNotizie"), tr("Indirizzo notizie"), this), newsAddressEdit_);
    form->addRow(hint);
    form->addRow(setupLabel(QStringLiteral("lblLimiteMensile"), tr("Limite di spesa mensile (Lire)"), this),
                 spendingLimitEdit_);

    connect(newsAddressEdit_, &QLineEdit::editingFinished, this, &OptionsPage::storeNewsAddress);
    connect(spendingLimitEdit_, &QLineEdit::editingFinished, this, &OptionsPage::storeSpendingLimit);
    reload();
}

void OptionsPage::reload()
{
    newsAddressEdit_->setText(settings_.newsUrl());
    showSpendingLimit();
}

void OptionsPage::showSpendingLimit()
{
    std::optional<qint64> limit;
    readDatabase(databasePath_, "The spending limit",
                 [&limit](Database& database) { limit = SpendingLimitStore(database).limit(); });
    shownLimit_ = limit ? QString::number(*limit) : QString();
    spendingLimitEdit_->setText(shownLimit_);
}

void OptionsPage::storeSpendingLimit()
{
    const QString typed = spendingLimitEdit_->text().trimmed();
    if (typed == shownLimit_)
        return;
    bool number = false;
    const qint64 lire = typed.toLongLong(&number);
    if (!typed.isEmpty() && (!number || !isValidSpendingLimit(lire))) {
        showSpendingLimit();
        messages_.warn(this, tr("\"%1\" non è un limite di spesa: scrivere un numero intero di Lire da 1 a "
                                "1.000.000.000.000, o niente per nessun limite.")
                                 .arg(typed));
        return;
    }
    writeDatabase(databasePath_, tr("Il limite di spesa non è stato cambiato."), messages_, this,
                  [&typed, lire](Database& database) {
                      SpendingLimitStore store(database);
                      if (typed.isEmpty())
                          store.clearLimit();
                      else
                          store.setLimit(lire);
                  });
    showSpendingLimit();
}

void OptionsPage::storeNewsAddress()
{
    const QString address = newsAddressEdit_->text().trimmed();
    if (address == settings_.newsUrl())
        return;
    if (!address.isEmpty() && !newsPageUrl(address).isValid()) {
        reload();
        messages_.warn(this, tr("\"%1\" non è un indirizzo di notizie: scrivere il nome di un sito o un indirizzo "
                                "che inizia con http:// o https://.")
                                 .arg(address));
        return;
    }
    settings_.setNewsUrl(address);
    newsAddressEdit_->setText(address);
}

} // namespace zrt
