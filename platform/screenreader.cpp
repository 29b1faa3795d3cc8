#include "screenreader.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>

namespace kerbu {

bool ScreenReaderStatus::on() {
    ask();
    return on_;
}

void ScreenReaderStatus::ask() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (asking_ || !bus.isConnected())
        return;
    QDBusMessage get = QDBusMessage::createMethodCall(
        QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << QStringLiteral("org.a11y.Status") << QStringLiteral("ScreenReaderEnabled");
    asking_ = true;
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(get), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        const QDBusPendingReply<QDBusVariant> reply = *w;
        if (!reply.isError())
            on_ = reply.value().variant().toBool();
        asking_ = false;
        w->deleteLater();
    });
}

} // namespace kerbu
