#include "options_page.h"

#include "setup_widgets.h"

#include "ui/common/settings.h"
#include "ui/common/user_messages.h"
#include "ui/common/news_address.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

namespace zrt {

OptionsPage::OptionsPage(Settings& settings, UserMessages& messages, QWidget* parent)
    : QWidget(parent), settings_(settings), messages_(messages), newsAddressEdit_(new QLineEdit(this))
{
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

    connect(newsAddressEdit_, &QLineEdit::editingFinished, this, &OptionsPage::storeNewsAddress);
    reload();
}

void OptionsPage::reload()
{
    newsAddressEdit_->setText(settings_.newsUrl());
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
