#include "panel/notices/desktop_notifier.h"

#include "ui/look/moon_pictures.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QImage>

namespace {

// The picture hint of a notification, (iiibiiay): non-premultiplied RGBA, 8 bits a channel.
struct NotificationImage {
    int width = 0;
    int height = 0;
    int rowStride = 0;
    bool hasAlpha = true;
    int bitsPerSample = 8;
    int channels = 4;
    QByteArray data;
};

QDBusArgument& operator<<(QDBusArgument& argument, const NotificationImage& image)
{
    argument.beginStructure();
    argument << image.width << image.height << image.rowStride << image.hasAlpha
             << image.bitsPerSample << image.channels << image.data;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, NotificationImage& image)
{
    argument.beginStructure();
    argument >> image.width >> image.height >> image.rowStride >> image.hasAlpha >>
        image.bitsPerSample >> image.channels >> image.data;
    argument.endStructure();
    return argument;
}

} // namespace

Q_DECLARE_METATYPE(NotificationImage)

namespace {

constexpr int kPictureSide = 64;
constexpr int kReplyTimeoutMs = 2000;

NotificationImage ImageOf(const lunetide::MoonShape& shape)
{
    const QImage image = lunetide::ui::MoonSquare(shape, kPictureSide, 1.0)
                             .toImage()
                             .convertToFormat(QImage::Format_RGBA8888);
    return {image.width(),
            image.height(),
            int(image.bytesPerLine()),
            true,
            8,
            4,
            QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes())};
}

// Servers that show markup read the body as markup: its own &, < and > are escaped.
QString PlainBody(const QString& body)
{
    QString text = body;
    return text.replace(u'&', QStringLiteral("&amp;"))
        .replace(u'<', QStringLiteral("&lt;"))
        .replace(u'>', QStringLiteral("&gt;"));
}

} // namespace

bool SendDesktopNotification(const lunetide::PhaseNotice& notice)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        qWarning("lunetide-panel: no desktop notification, no session bus: %s",
                 qUtf8Printable(bus.lastError().message()));
        return false;
    }
    qDBusRegisterMetaType<NotificationImage>();
    QDBusMessage message = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"),
        QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    const QVariantMap hints{
        {QStringLiteral("image-data"), QVariant::fromValue(ImageOf(notice.shape))},
        {QStringLiteral("desktop-entry"), QStringLiteral("com.veyrholt.Lunetide")}};
    message << QStringLiteral("Lunetide") << 0u << QString() << notice.title
            << PlainBody(notice.body) << QStringList() << hints << -1;
    const QDBusMessage reply = bus.call(message, QDBus::Block, kReplyTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage) {
        qWarning("lunetide-panel: the desktop notification was not taken: %s",
                 qUtf8Printable(reply.errorMessage()));
        return false;
    }
    return true;
}
