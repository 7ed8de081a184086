#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace zrt::test {
namespace {

struct Message {
    QString context;
    QString source;
    QString translation;
    QString type; // "unfinished", "vanished", "obsolete", or empty when done
};

QList<Message> messagesOf(const QString& tsPath)
{
    QFile file(tsPath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Message> messages;
    QString context;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("message"))
            messages.append({context, {}, {}, {}});
        else if (xml.name() == QLatin1String("source") && !messages.isEmpty())
            messages.last().source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation") && !messages.isEmpty()) {
            messages.last().type = xml.attributes().value(QLatin1String("type")).toString();
            messages.last().translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        }
    }
    EXPECT_FALSE(xml.hasError()) << tsPath.toStdString() << ": " << xml.errorString().toStdString();
    return messages;
}

QSet<QString> placeholders(const QString& text)
{
    static const QRegularExpression marker(QStringLiteral("%\\d+"));
    QSet<QString> found;
    for (const QRegularExpressionMatch& match : marker.globalMatch(text))
        found.insert(match.captured());
    return found;
}

std::string described(const Message& message)
{
    return (message.context + QStringLiteral(": \"") + message.source + QLatin1Char('"')).toStdString();
}

// The .ts file, refreshed by lupdate from today's sources in a scratch
// copy: a text added, changed or dropped in the code shows there as an
// unfinished or vanished entry.
class TranslationFile : public testing::TestWithParam<const char*> {
protected:
    QList<Message> refreshedMessages()
    {
        const QString name = QString::fromLatin1(GetParam());
        const QString copy = scratch_.filePath(name + QStringLiteral(".ts"));
        EXPECT_TRUE(QFile::copy(QStringLiteral(ZRT_TS_SOURCE_DIR "/") + name + QStringLiteral(".ts"), copy));
        QProcess lupdate;
        lupdate.start(QStringLiteral(ZRT_LUPDATE_PATH),
                      {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                       QStringLiteral("@" ZRT_TS_LIST_DIR "/") + name + QStringLiteral(".lst"), QStringLiteral("-ts"),
                       copy});
        EXPECT_TRUE(lupdate.waitForFinished(60000));
        EXPECT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();
        return messagesOf(copy);
    }

    QTemporaryDir scratch_;
};

TEST_P(TranslationFile, TranslatesEveryTextOfTheSourcesAndNoOther)
{
    const QList<Message> messages = refreshedMessages();
    ASSERT_FALSE(messages.isEmpty());
    for (const Message& message : messages) {
        EXPECT_TRUE(message.type.isEmpty()) << message.type.toStdString() << " " << described(message);
        EXPECT_FALSE(message.translation.isEmpty()) << "no translation for " << described(message);
    }
}

// A translation that loses or invents a %1 shows the wrong value, or none.
TEST_P(TranslationFile, KeepsEveryPlaceholderOfTheSource)
{
    for (const Message& message : messagesOf(QStringLiteral(ZRT_TS_SOURCE_DIR "/") + QString::fromLatin1(GetParam())
                                             + QStringLiteral(".ts")))
        EXPECT_EQ(placeholders(message.translation), placeholders(message.source)) << described(message);
}

INSTANTIATE_TEST_SUITE_P(Programs, TranslationFile, testing::Values("zrtellix_en", "zrtellixctl_it"));

} // namespace
} // namespace zrt::test
