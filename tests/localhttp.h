#pragma once
// A scripted HTTP server on 127.0.0.1 that runs in the caller's own event loop: for each
// request path it sends prepared bytes and closes, closes without a word, or keeps the
// connection open and never answers.

#include <QByteArray>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>

#include <functional>
#include <map>

namespace tarvenik::test {

class LocalHttpServer {
public:
    enum class Action { Send, Drop, Hang };
    struct Answer {
        Action action = Action::Send;
        QByteArray bytes;
    };

    LocalHttpServer() {
        m_server.listen(QHostAddress::LocalHost);
        QObject::connect(&m_server, &QTcpServer::newConnection, &m_server, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection()) {
                QObject::connect(socket, &QTcpSocket::readyRead, socket,
                                 [this, socket] { serve(socket); });
                QObject::connect(socket, &QTcpSocket::disconnected, socket, [this, socket] {
                    m_pending.erase(socket);
                    socket->deleteLater();
                });
            }
        });
    }

    // A complete answer with the given status line, extra header lines and body.
    static QByteArray response(const QByteArray& body, const QByteArray& status = "200 OK",
                               const QByteArray& headers = {}) {
        return "HTTP/1.1 " + status + "\r\nContent-Length: " + QByteArray::number(body.size()) +
               "\r\nConnection: close\r\n" + headers + "\r\n" + body;
    }

    void answer(const QByteArray& path, Answer answer) { m_answers[path] = std::move(answer); }
    void send(const QByteArray& path, const QByteArray& bytes) {
        answer(path, {Action::Send, bytes});
    }

    // "http://127.0.0.1:<port>/"
    QString site() const {
        return QStringLiteral("http://127.0.0.1:%1/").arg(m_server.serverPort());
    }
    int requests() const { return m_requests; }
    // Runs when a request has arrived, before it is answered.
    std::function<void(const QByteArray& path)> onRequest;

private:
    void serve(QTcpSocket* socket) {
        QByteArray& request = m_pending[socket];
        request += socket->readAll();
        if (!request.contains("\r\n\r\n")) {
            return;
        }
        const QByteArray path = request.split(' ').value(1);
        m_pending.erase(socket);
        socket->disconnect(socket, &QTcpSocket::readyRead, nullptr, nullptr); // one per connection
        ++m_requests;
        if (onRequest) {
            onRequest(path);
        }
        const auto found = m_answers.find(path);
        const Answer answer = found != m_answers.end()
                                  ? found->second
                                  : Answer{Action::Send, response("", "404 Not Found")};
        switch (answer.action) {
        case Action::Send:
            socket->write(answer.bytes);
            socket->disconnectFromHost();
            break;
        case Action::Drop:
            socket->abort();
            break;
        case Action::Hang:
            break;
        }
    }

    QTcpServer m_server;
    std::map<QByteArray, Answer> m_answers;
    std::map<QTcpSocket*, QByteArray> m_pending;
    int m_requests = 0;
};

} // namespace tarvenik::test
