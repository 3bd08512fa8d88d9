#include "core/conference/MonitorSocket.h"

#include "core/conference/MonitorMessageDecoder.h"
#include "core/conference/MonitorTexts.h"
#include "core/session/SessionState.h"

#include "cvsrv/CUtility.h"
#include "cvsrv/ServiceConfig.h"

#include <QTcpSocket>

#include <algorithm>
#include <optional>
#include <utility>

namespace {

constexpr qint64 kReadChunk = 16 * 1024;
constexpr int kMaxDoublings = 30;

void trace(const std::string& text)
{
    Log(MonitorSocket::kLogFile, text.c_str());
}

} // namespace

MonitorSocket::MonitorSocket(const SessionState& session, QObject* parent)
    : MonitorSocket(session, Timing {}, parent)
{
}

MonitorSocket::MonitorSocket(const SessionState& session, Timing timing, QObject* parent)
    : QObject(parent)
    , m_session(session)
    , m_timing(timing)
{
    for (QTimer* timer : { &m_connectTimer, &m_sendTimer, &m_retryTimer })
        timer->setSingleShot(true);
    connect(&m_connectTimer, &QTimer::timeout, this, [this] { onTimedOut("Connect timeout"); });
    connect(&m_sendTimer, &QTimer::timeout, this, [this] { onTimedOut("Send timeout"); });
    connect(&m_retryTimer, &QTimer::timeout, this, &MonitorSocket::connectNow);
}

MonitorSocket::~MonitorSocket()
{
    dropSocket();
}

void MonitorSocket::open(const std::string& conferenceId)
{
    close();
    m_conferenceId = conferenceId;
    m_attempt = 0;
    m_resyncPending = false;
    setState(State::Connecting);
    connectNow();
}

void MonitorSocket::close()
{
    m_retryTimer.stop();
    dropSocket();
    setState(State::Closed);
}

int MonitorSocket::retryDelayMs(const Timing& timing, int attempt)
{
    long long delay = std::max(timing.firstRetryMs, 1);
    for (int i = 0; i < attempt && delay < timing.maxRetryMs; ++i)
        delay *= 2;
    return static_cast<int>(std::min<long long>(delay, timing.maxRetryMs));
}

void MonitorSocket::connectNow()
{
    dropSocket();
    m_connected = false;
    m_verified = false;
    m_refused = false;
    m_splitter = corvana::JsonObjectSplitter(kMaxMessageBytes);

    auto* socket = new QTcpSocket(this);
    m_socket = socket;
    // Read as it arrives; a peer flooding the connection cannot fill memory meanwhile.
    socket->setReadBufferSize(4 * kReadChunk);
    connect(socket, &QTcpSocket::connected, this, &MonitorSocket::onConnected);
    connect(socket, &QTcpSocket::readyRead, this, &MonitorSocket::onReadyRead);
    connect(socket, &QTcpSocket::bytesWritten, this, &MonitorSocket::onBytesWritten);
    connect(socket, &QTcpSocket::disconnected, this, &MonitorSocket::onSocketLost);
    connect(socket, &QTcpSocket::errorOccurred, this, &MonitorSocket::onSocketLost);

    const cvsrv::MonitorConfig config = cvsrv::MonitorConfig::fromEnvironment();
    m_connectTimer.start(m_timing.connectTimeoutMs);
    const bool validPort = config.port > 0 && config.port <= 65535;
    socket->connectToHost(QString::fromStdString(config.host), validPort ? static_cast<quint16>(config.port) : 0);
}

void MonitorSocket::onConnected()
{
    m_connectTimer.stop();
    m_connected = true;
    const CUtility utility;
    char stamp[32] = {};
    utility.GetTimeStamp(stamp);
    // Signed exactly as the service calls are: account and password in the library's
    // code page.
    const std::string verify = MonitorTexts::verify(
        utility.Utf8toAnsi(m_session.regphoneid().c_str()), utility.Utf8toAnsi(m_session.password().c_str()), stamp);
    const std::uint64_t connection = m_connection;
    send(verify);
    if (connection != m_connection)
        return;
    trace(verify);
    if (m_state != State::Reconnecting)
        setState(State::Verifying);
}

void MonitorSocket::onReadyRead()
{
    if (!m_socket)
        return;
    trace("OnReceive nErrorCode = 0");
    const std::uint64_t connection = m_connection;
    while (connection == m_connection && m_socket->bytesAvailable() > 0) {
        const QByteArray bytes = m_socket->read(kReadChunk);
        trace(bytes.toStdString());
        if (!m_splitter.append(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())))) {
            // The stream's framing cannot be trusted any more; a fresh connection starts
            // with a whole member list.
            trace("OnReceive message too long");
            lose(static_cast<int>(QAbstractSocket::DatagramTooLargeError), false);
            return;
        }
        while (connection == m_connection) {
            const std::optional<std::string> object = m_splitter.next();
            if (!object)
                break;
            handle(MonitorMessageDecoder::decode(*object));
        }
    }
}

void MonitorSocket::onBytesWritten()
{
    if (!m_socket)
        return;
    if (m_socket->bytesToWrite() == 0)
        m_sendTimer.stop();
    else
        m_sendTimer.start(m_timing.sendTimeoutMs); // progress: the rest gets its own time
}

void MonitorSocket::onSocketLost()
{
    if (!m_socket)
        return;
    // What arrived with the hang-up comes first: the server's last message may end the
    // conference or carry an error, and then nothing is to be reopened.
    const std::uint64_t connection = m_connection;
    if (m_socket->bytesAvailable() > 0) {
        onReadyRead();
        if (connection != m_connection)
            return;
    }
    lose(static_cast<int>(m_socket->error()), !m_connected);
}

void MonitorSocket::onTimedOut(const char* what)
{
    if (!m_socket)
        return;
    trace(what);
    lose(static_cast<int>(QAbstractSocket::SocketTimeoutError), !m_connected);
}

void MonitorSocket::handle(const MonitorMessage& message)
{
    if (const auto* answer = std::get_if<MonitorVerifyAnswer>(&message)) {
        if (m_verified || m_refused)
            return;
        if (!answer->accepted()) {
            m_refused = true;
            setState(State::Verifying);
            return;
        }
        m_verified = true;
        const std::string request
            = MonitorTexts::monitorRequest(CUtility().Utf8toAnsi(m_session.regphoneid().c_str()), m_conferenceId);
        const std::uint64_t connection = m_connection;
        send(request);
        if (connection != m_connection)
            return;
        trace(request);
        m_attempt = 0;
        setState(State::Monitoring);
    } else if (const auto* status = std::get_if<MonitorStatus>(&message)) {
        const QString list = QString::fromStdString(status->phoneList);
        if (status->ended()) {
            close();
            emit conferenceEnded(list);
            return;
        }
        emit memberListReceived(list, std::exchange(m_resyncPending, false));
    } else if (const auto* error = std::get_if<MonitorError>(&message)) {
        close();
        emit serverError(QString::fromStdString(error->text));
    }
}

void MonitorSocket::send(const std::string& text)
{
    trace("Send");
    if (!m_sendTimer.isActive())
        m_sendTimer.start(m_timing.sendTimeoutMs);
    m_socket->write(text.data(), static_cast<qint64>(text.size()));
}

void MonitorSocket::lose(int errorCode, bool connectFailed)
{
    trace(connectFailed ? std::string(kConnectErrorText) : "OnClose nErrorCode = " + std::to_string(errorCode));
    const bool refused = m_refused;
    dropSocket();
    if (refused) {
        setState(State::Closed);
        return;
    }
    m_resyncPending = true;
    m_retryTimer.start(retryDelayMs(m_timing, m_attempt));
    m_attempt = std::min(m_attempt + 1, kMaxDoublings);
    setState(State::Reconnecting);
}

void MonitorSocket::dropSocket()
{
    m_connectTimer.stop();
    m_sendTimer.stop();
    if (!m_socket)
        return;
    ++m_connection;
    QTcpSocket* socket = m_socket;
    m_socket = nullptr;
    socket->disconnect(this);
    socket->abort();
    socket->deleteLater();
}

void MonitorSocket::setState(State state)
{
    if (state == m_state)
        return;
    m_state = state;
    emit stateChanged(state);
}
