#include "screenreader.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>

namespace kerbu {

namespace {

const QString busService = QStringLiteral("org.a11y.Bus");
const QString busPath = QStringLiteral("/org/a11y/bus");
const QString properties = QStringLiteral("org.freedesktop.DBus.Properties");
const QString status = QStringLiteral("org.a11y.Status");
const QString enabled = QStringLiteral("ScreenReaderEnabled");

} // namespace

void ScreenReaderStatus::follow() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    // Qt D-Bus connects a bus signal to a slot by its signature only.
    bus.connect(busService, busPath, properties, QStringLiteral("PropertiesChanged"), this,
                SLOT(changed(QString, QVariantMap, QStringList)));
    QDBusMessage get =
        QDBusMessage::createMethodCall(busService, busPath, properties, QStringLiteral("Get"));
    get << status << enabled;
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(get), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        const QDBusPendingReply<QDBusVariant> reply = *w;
        if (!reply.isError())
            on_ = reply.value().variant().toBool();
        w->deleteLater();
    });
}

void ScreenReaderStatus::changed(const QString& interface, const QVariantMap& values,
                                 const QStringList&) {
    if (interface == status && values.contains(enabled))
        on_ = values.value(enabled).toBool();
}

} // namespace kerbu
