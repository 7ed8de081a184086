#pragma once

#include "tests/support/recording_messages.h"

#include "controls/link_opener.h"
#include "ui/network/network_page_fetcher.h"
#include "ui/common/autostart.h"

#include <QBuffer>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <map>
#include <ostream>

// Lets test failures show texts as texts.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace zrt::test {

class FakeAutostart final : public Autostart {
public:
    bool switchOn(const QString& name, const QString& executablePath) override
    {
        registered.append(name + QLatin1Char('=') + executablePath);
        return succeeds;
    }
    bool switchOff() override { return true; }
    bool isOn() const override { return !registered.isEmpty(); }

    bool succeeds = true;
    QStringList registered;
};


class RecordingLinks final : public LinkOpener {
public:
    bool open(const QString& address) override
    {
        opened.append(address);
        return true;
    }
    QStringList opened;
};

// A reply that delivers a fixed body, or fails, once the event loop runs.
class FakeReply final : public QNetworkReply {
public:
    FakeReply(const QUrl& url, const std::optional<QByteArray>& body, QObject* parent) : QNetworkReply(parent)
    {
        setUrl(url);
        body_.setData(body.value_or(QByteArray()));
        body_.open(QIODevice::ReadOnly);
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
        if (!body)
            setError(HostNotFoundError, QStringLiteral("no such host"));
        QTimer::singleShot(0, this, [this] {
            setFinished(true);
            emit finished();
        });
    }
    // The fetcher ignores a reply it has given up, so there is nothing to stop.
    void abort() override {}

protected:
    qint64 readData(char* data, qint64 most) override { return body_.read(data, most); }

private:
    QBuffer body_;
};

// Serves the pages it was given; any other address has no host.
class FakeNetwork final : public QNetworkAccessManager {
public:
    std::map<QString, QByteArray> pages;
    QStringList requested;

protected:
    QNetworkReply* createRequest(Operation, const QNetworkRequest& request, QIODevice*) override
    {
        requested.append(request.url().toString());
        const auto page = pages.find(requested.last());
        return new FakeReply(request.url(), page == pages.end() ? std::nullopt : std::optional(page->second), this);
    }
};

} // namespace zrt::test
