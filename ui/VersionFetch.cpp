#include "ui/VersionFetch.h"

#include "data/versioninfo.h"
#include "ui/qtext.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkInformation>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QScopeGuard>
#include <QTimer>

#include <optional>

namespace tarvenik {

bool internetConnected() {
    using Info = QNetworkInformation;
    // Loading again is cheap once a backend is in place; it then follows the system itself.
    if (!Info::loadBackendByFeatures(Info::Feature::Reachability) || !Info::instance()) {
        return true;
    }
    return Info::instance()->reachability() != Info::Reachability::Disconnected;
}

namespace {

// The network's failures in the user's words; Qt's own texts are English.
QString networkProblem(QNetworkReply::NetworkError error) {
    using E = QNetworkReply::NetworkError;
    switch (error) {
    case E::ConnectionRefusedError:
        return QStringLiteral("server odmítl spojení");
    case E::RemoteHostClosedError:
        return QStringLiteral("server ukončil spojení předčasně");
    case E::HostNotFoundError:
        return QStringLiteral("server nebyl nalezen");
    case E::TimeoutError:
        return QStringLiteral("spojení vypršelo");
    case E::SslHandshakeFailedError:
        return QStringLiteral("zabezpečené spojení se nepodařilo navázat");
    case E::TemporaryNetworkFailureError:
    case E::NetworkSessionFailedError:
        return QStringLiteral("síť není dostupná");
    case E::TooManyRedirectsError:
        return QStringLiteral("příliš mnoho přesměrování");
    case E::InsecureRedirectError:
        return QStringLiteral("přesměrování na nezabezpečenou adresu");
    default:
        break;
    }
    if (error >= E::ProxyConnectionRefusedError && error <= E::UnknownProxyError) {
        return QStringLiteral("chyba proxy serveru");
    }
    return QStringLiteral("chyba sítě (kód %1)").arg(int(error));
}

// Why a finished reply brings no version file, or nothing when it does: only a 200 answer.
std::optional<QString> answerProblem(const QNetworkReply& reply) {
    const QVariant status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute);
    const int code = status.toInt();
    if (code == 404) {
        return QStringLiteral("soubor na serveru není (HTTP 404)");
    }
    // A redirect not followed ends with its own 3xx answer; the network's error says why.
    if (code >= 300 && code < 400 && reply.error() != QNetworkReply::NoError) {
        return networkProblem(reply.error());
    }
    if (status.isValid() && code != 200) {
        return QStringLiteral("server odpověděl kódem HTTP %1").arg(code);
    }
    if (reply.error() != QNetworkReply::NoError) {
        return networkProblem(reply.error());
    }
    if (!status.isValid()) {
        return QStringLiteral("odpověď serveru není HTTP");
    }
    return std::nullopt;
}

} // namespace

QUrl versionFileAddress(const QString& site) {
    QUrl base(site);
    if (!base.path().endsWith(QLatin1Char('/'))) {
        base.setPath(base.path() + QLatin1Char('/'));
    }
    return base.resolved(QUrl(QString::fromLatin1(kVersionFileName)));
}

Result<std::string> fetchVersionFile(const QUrl& address, const QString& tempFolder,
                                     std::chrono::milliseconds timeout) {
    const QString target = QDir(tempFolder).filePath(QString::fromLatin1(kVersionFileName));
    const auto fileError = [&target](const QFile& file) {
        return Error{fromQ(target), fromQ(file.errorString())};
    };
    // A leftover of an earlier run goes first; creating the file anew (never opening an
    // existing one) means nothing is written through a link someone else put there.
    QFile::remove(target);
    QFile file(target);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        return fileError(file);
    }
    const auto removeFile = qScopeGuard([&file] { file.remove(); });

    QNetworkAccessManager network;
    QNetworkRequest request(address);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(kMaxRedirects);
    // Plain bytes only: a compressed answer could inflate far past the limit before it is
    // counted.
    request.setRawHeader("Accept-Encoding", "identity");
    QNetworkReply* reply = network.get(request);

    std::optional<Error> stopped; // why we ended the transfer ourselves
    const auto stop = [&](Error why) {
        if (!stopped) {
            stopped = std::move(why);
            reply->abort();
        }
    };
    const auto refuse = [&](const QString& reason) {
        stop(Error{fromQ(address.toString()), fromQ(reason)});
    };
    const auto limit = static_cast<qint64>(kMaxVersionFileBytes);
    const QString tooLong =
        QStringLiteral("soubor je příliš velký (nejvýš %1 KB)").arg(limit / 1024);
    qint64 received = 0;
    const auto takeBody = [&] {
        const QByteArray chunk = reply->readAll();
        received += chunk.size();
        if (received > limit) {
            refuse(tooLong);
        } else if (file.write(chunk) != chunk.size()) {
            stop(fileError(file));
        }
    };
    QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, [&] {
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && length.toLongLong() > limit) {
            refuse(tooLong);
        }
    });
    QObject::connect(reply, &QNetworkReply::readyRead, reply, takeBody);
    // Qt's own limit lets one redirect more through than it is set to, so they are
    // counted here as well; past the limit the answer is refused even if it came.
    int redirects = 0;
    QObject::connect(reply, &QNetworkReply::redirected, reply, [&] {
        if (++redirects > kMaxRedirects) {
            refuse(QStringLiteral("víc než %1 přesměrování").arg(kMaxRedirects));
        }
    });

    QTimer deadline;
    deadline.setSingleShot(true);
    deadline.setTimerType(Qt::PreciseTimer);
    QObject::connect(&deadline, &QTimer::timeout, reply, [&] {
        refuse(QStringLiteral("server neposlal celou odpověď do %1 ms").arg(timeout.count()));
    });
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    deadline.start(timeout);
    if (!reply->isFinished()) {
        loop.exec();
    }
    if (!stopped && reply->error() == QNetworkReply::NoError) {
        takeBody(); // whatever arrived after the last readyRead
    }
    if (stopped) {
        return *stopped;
    }
    if (const auto problem = answerProblem(*reply)) {
        return Error{fromQ(address.toString()), fromQ(*problem)};
    }

    if (!file.flush()) {
        return fileError(file);
    }
    file.close();
    if (!file.open(QIODevice::ReadOnly)) {
        return fileError(file);
    }
    const QByteArray body = file.readAll();
    return std::string(body.constData(), static_cast<std::size_t>(body.size()));
}

} // namespace tarvenik
