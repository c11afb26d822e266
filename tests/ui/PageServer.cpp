#include "PageServer.h"

#include <QTcpSocket>

TPageServer::TPageServer(QByteArray page, QByteArray contentType)
    : Page(std::move(page)), ContentType(std::move(contentType)) {
    if (!Server.listen(QHostAddress::LocalHost)) {
        qFatal("test web server cannot listen on 127.0.0.1");
    }
    connect(&Server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = Server.nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { Read(socket); });
            connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
                Pending.remove(socket);
                socket->deleteLater();
            });
        }
    });
}

QUrl TPageServer::Url(const QString& path) const {
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(Server.serverPort()).arg(path));
}

int TPageServer::CountOf(const QByteArray& requestLine) const {
    return int(Requests.count(requestLine));
}

// Answers once the request's head is complete; the bodies of these requests are never needed.
void TPageServer::Read(QTcpSocket* socket) {
    QByteArray& head = Pending[socket];
    head += socket->readAll();
    if (!head.contains("\r\n\r\n")) {
        return;
    }
    const QList<QByteArray> words = head.left(head.indexOf("\r\n")).split(' ');
    Requests.append(words.mid(0, 2).join(' '));
    head.clear();
    socket->write("HTTP/1.1 200 OK\r\nContent-Type: " + ContentType + "\r\nContent-Length: " +
                  QByteArray::number(Page.size()) + "\r\nConnection: close\r\n\r\n" + Page);
    socket->disconnectFromHost();
}
