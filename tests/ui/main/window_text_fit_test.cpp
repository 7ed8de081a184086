#include "main_window_fixture.h"

#include "ui/main/intro_window.h"
#include "ui/setup/association_dialog.h"
#include "ui/setup/management_window.h"
#include "ui/wizard/tariff_editor.h"

#include "controls/flat_button.h"
#include "controls/link_label.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QTest>
#include <QTranslator>
#include <QVersionNumber>

namespace zrt::test {
namespace {

int widestLine(const QFontMetrics& metrics, const QString& text)
{
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

// The room a widget's text takes and the room it has, or nothing for a
// widget whose text wraps, elides on purpose or is not text.
std::optional<std::pair<int, int>> textRoom(const QWidget& widget)
{
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        if (label->wordWrap() || label->text().isEmpty() || Qt::mightBeRichText(label->text()))
            return std::nullopt;
        const int margins = 2 * label->margin() + std::max(label->indent(), 0);
        return std::pair{widestLine(label->fontMetrics(), label->text()), label->contentsRect().width() - margins};
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget))
        return button->text().isEmpty() ? std::nullopt
                                        : std::optional(std::pair{button->sizeHint().width(), button->width()});
    if (const auto* flat = qobject_cast<const FlatButton*>(&widget)) {
        if (flat->caption().isEmpty() || flat->captionDirection() != FlatButton::CaptionDirection::Horizontal)
            return std::nullopt;
        return std::pair{widestLine(flat->fontMetrics(), flat->caption()), flat->width()};
    }
    if (const auto* link = qobject_cast<const LinkLabel*>(&widget))
        return std::pair{link->fontMetrics().horizontalAdvance(link->caption()), link->width()};
    return std::nullopt;
}

QString shownText(const QWidget& widget)
{
    if (const auto* label = qobject_cast<const QLabel*>(&widget))
        return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget))
        return button->text();
    if (const auto* flat = qobject_cast<const FlatButton*>(&widget))
        return flat->caption();
    if (const auto* link = qobject_cast<const LinkLabel*>(&widget))
        return link->caption();
    return {};
}

// "lblConn \"Selected:  \" needs 80 px, has 60" for each shown text cut off.
QStringList clippedTexts(const QWidget& window)
{
    QStringList clipped;
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&window))
            continue;
        if (const auto room = textRoom(*widget); room && room->first > room->second)
            clipped.append(QStringLiteral("%1 \"%2\" needs %3 px, has %4")
                               .arg(widget->objectName(), shownText(*widget))
                               .arg(room->first)
                               .arg(room->second));
    }
    return clipped;
}

struct Language {
    const char* name;
    const char* translation; // nullptr: the windows' own Italian
};

void PrintTo(const Language& language, std::ostream* out)
{
    *out << language.name;
}

// Every window, as the user meets it, in each language the program speaks.
class WindowTextFit : public MainWindowTest, public testing::WithParamInterface<Language> {
protected:
    void SetUp() override
    {
        if (!GetParam().translation)
            return;
        ASSERT_TRUE(translator_.load(QString::fromLatin1(GetParam().translation),
                                     QStringLiteral(ZRT_TRANSLATIONS_DIR)));
        QCoreApplication::installTranslator(&translator_);
    }
    void TearDown() override { QCoreApplication::removeTranslator(&translator_); }

    void expectFits(QWidget& shown, const char* what)
    {
        shown.show();
        QCoreApplication::processEvents();
        EXPECT_EQ(clippedTexts(shown), QStringList()) << what << " in " << GetParam().name;
    }

    QTranslator translator_;
};

TEST_P(WindowTextFit, MainStripAndIntroShowTheirTextsWhole)
{
    expectFits(loaded(), "main window");
    IntroWindow intro(QVersionNumber(1, 0, 7));
    expectFits(intro, "intro window");
}

TEST_P(WindowTextFit, EveryManagementPageShowsItsTextsWhole)
{
    ManagementWindow management(scratch.path(), QStringLiteral("/usr/bin/zrtellix"), autostart, settings, dialogs);
    management.buildAssociationList({QStringLiteral("Casa")});
    for (int page = 0; page < kSetupPageCount; ++page) {
        management.choosePage(SetupPage(page));
        expectFits(management, pageCaption(SetupPage(page)).toUtf8().constData());
    }
    AssociationDialog dialog(scratch.path(), QStringLiteral("Casa"), dialogs);
    expectFits(dialog, "association dialog");
}

TEST_P(WindowTextFit, EveryTariffEditorPageShowsItsTextsWhole)
{
    TariffEditor editor(scratch.path(), dialogs);
    expectFits(editor, "company page");
    auto* next = editor.findChild<FlatButton*>(QStringLiteral("fltAvanti"));
    ASSERT_NE(next, nullptr);
    QTest::mouseClick(next, Qt::LeftButton);
    expectFits(editor, "description page");
    QTest::keyClicks(editor.findChild<QLineEdit*>(QStringLiteral("Text1")), QStringLiteral("Urbana"));
    for (const char* page : {"weekday bands", "Saturday bands", "holiday bands"}) {
        QTest::mouseClick(next, Qt::LeftButton);
        expectFits(editor, page);
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, WindowTextFit,
                         testing::Values(Language{"Italian", nullptr}, Language{"English", "zrtellix_en"}),
                         [](const testing::TestParamInfo<Language>& language) { return std::string(language.param.name); });

} // namespace
} // namespace zrt::test
