#pragma once

#include "ServiceProcess.h"

#include <QTcpSocket>

// One switch of a cvservice child's monitor fault injection ("drop", …), as its
// control page takes it. Returns whether the service took it.
inline bool setMonitorFault(const ServiceProcess& service, const char* name, bool on)
{
    const QByteArray body = QByteArray("{\"token\":\"") + service.faultToken() + "\",\"monitor\":{\"" + name
        + "\":" + (on ? "true" : "false") + "}}";
    QTcpSocket http;
    http.connectToHost(QStringLiteral("127.0.0.1"), static_cast<quint16>(service.httpPort().toUInt()));
    if (!http.waitForConnected(5000))
        return false;
    http.write("POST /_control/faults HTTP/1.0\r\nHost: 127.0.0.1\r\nContent-Type: application/json\r\n"
               "Content-Length: "
        + QByteArray::number(body.size()) + "\r\n\r\n" + body);
    QByteArray reply;
    while (http.waitForReadyRead(5000))
        reply += http.readAll();
    reply += http.readAll();
    return reply.startsWith("HTTP/1.0 200") || reply.startsWith("HTTP/1.1 200");
}
