#include "new_company_panel.h"

#include "wizard_widgets.h"

#include "controls/fltbutton.h"
#include "engine/tariff.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace zrt {

namespace {

QString meteringName(std::string_view latin1)
{
    return QString::fromLatin1(latin1.data(), static_cast<qsizetype>(latin1.size()));
}

} // namespace

NewCompanyPanel::NewCompanyPanel(QWidget* parent)
    : QFrame(parent), Text3_(new QLineEdit(this)), cboTar_(new QComboBox(this)),
      fltOK_(makeFlatButton(QStringLiteral("OK"), QStringLiteral("fltOK"), this))
{
    setObjectName(QStringLiteral("Picture1"));
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Raised);
    Text3_->setObjectName(QStringLiteral("Text3"));
    cboTar_->setObjectName(QStringLiteral("cboTar"));
    cboTar_->addItems({meteringName(kMinuteMetering), meteringName(kPulseMetering)});
    fltOK_->setEnabled(false);
    fltbutton* fltbutton4 = makeFlatButton(QStringLiteral("Annulla"), QStringLiteral("fltbutton4"), this);

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("Nome"), Text3_);
    fields->addRow(QStringLiteral("Tipo tariffazione"), cboTar_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(fltOK_);
    buttons->addWidget(fltbutton4);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(makeHeading(QStringLiteral("Inserisci le informazioni della nuova compagnia telefonica"),
                                  QStringLiteral("lblNuovaCompagnia"), this));
    layout->addLayout(fields);
    layout->addStretch();
    layout->addLayout(buttons);

    connect(Text3_, &QLineEdit::textChanged, this, &NewCompanyPanel::nameChanged);
    connect(fltOK_, &fltbutton::Click, this,
            [this] { emit confirmed(Text3_->text().trimmed(), cboTar_->currentText()); });
    connect(fltbutton4, &fltbutton::Click, this, &NewCompanyPanel::cancelled);
}

void NewCompanyPanel::prepare()
{
    cboTar_->setCurrentIndex(0);
    Text3_->setFocus();
}

void NewCompanyPanel::companySaved()
{
    Text3_->setText(QStringLiteral("0"));
}

void NewCompanyPanel::nameChanged(const QString& text)
{
    fltOK_->setEnabled(!text.trimmed().isEmpty());
}

} // namespace zrt
