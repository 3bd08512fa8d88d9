#pragma once

#include "ServiceProcess.h"

#include <QByteArray>
#include <QTcpSocket>

// The fault switches of a cvservice child, as its control page takes them: members of
// the JSON request besides the token, for example "\"reply\":\"http500\"" or
// "\"monitor\":{\"drop\":true}". Returns whether the service took them.
inline bool setServiceFaults(const ServiceProcess& service, const QByteArray& switches)
{
    const QByteArray body = "{\"token\":\"" + service.faultToken() + "\"," + switches + "}";
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

// Every switch off: replies on time and whole, the monitor as it should be.
inline bool clearServiceFaults(const ServiceProcess& service)
{
    return setServiceFaults(service,
        "\"reply\":\"none\",\"delayMs\":0,"
        "\"monitor\":{\"drop\":false,\"split\":false,\"merge\":false,\"garbage\":false}");
}
