#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QTcpServer>
#include <QUrl>

class QTcpSocket;

// A tiny web server on 127.0.0.1 for the browser pane: answers every request with one fixed
// page and remembers each request line, such as "GET /show.php".
class TPageServer : public QObject {
    Q_OBJECT

public:
    explicit TPageServer(QByteArray page = "<html><body></body></html>",
                         QByteArray contentType = "text/html");

    QUrl Url(const QString& path) const;
    int CountOf(const QByteArray& requestLine) const;
    QList<QByteArray> RequestLines() const { return Requests; }

private:
    void Read(QTcpSocket* socket);

    QByteArray Page;
    QByteArray ContentType;
    QHash<QTcpSocket*, QByteArray> Pending;
    QList<QByteArray> Requests;
    // Last, so that it goes first: the sockets it deletes report their disconnection to the
    // members above.
    QTcpServer Server;
};
