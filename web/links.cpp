#include "web/links.h"

#include <QDesktopServices>
#include <QUrl>

namespace lunetide::web {
namespace {

QString HelpSiteUrl(const QString& path)
{
    return QStringLiteral("http://") + QLatin1String(kHelpSiteHost) + path;
}

} // namespace

QString MainSiteUrl(const QString& path)
{
    return QStringLiteral("http://") + QLatin1String(kMainSiteHost) + path;
}

QString UrlOf(LinkRole role)
{
    switch (role) {
    case LinkRole::HomePage:
        return MainSiteUrl({});
    case LinkRole::OnlineHelp:
        return MainSiteUrl(QStringLiteral("/lunetide/lunetide-help.html"));
    case LinkRole::Download:
        return MainSiteUrl(QStringLiteral("/lunetide/download-lunetide.html"));
    case LinkRole::SoftwareCatalogue:
        return MainSiteUrl(QStringLiteral("/veyrholtsoftwares"));
    case LinkRole::Donate:
        return HelpSiteUrl(QStringLiteral("/donate.html"));
    case LinkRole::FullyBranded:
        return HelpSiteUrl(QStringLiteral("/fully-branded.html"));
    case LinkRole::CoBrand:
        return HelpSiteUrl(QStringLiteral("/co-brand.html"));
    }
    return {};
}

void LinkLauncher(const QString& url)
{
    // TolerantMode keeps the text as the builder made it; openUrl hands it to the desktop's URL
    // handler without waiting for the browser, and its result is deliberately ignored.
    QDesktopServices::openUrl(QUrl(url, QUrl::TolerantMode));
}

void LinkHomePage()
{
    LinkLauncher(UrlOf(LinkRole::HomePage));
}
void LinkOnlineHelp()
{
    LinkLauncher(UrlOf(LinkRole::OnlineHelp));
}
void LinkDownload()
{
    LinkLauncher(UrlOf(LinkRole::Download));
}
void LinkSoftwareCatalogue()
{
    LinkLauncher(UrlOf(LinkRole::SoftwareCatalogue));
}
void LinkDonate()
{
    LinkLauncher(UrlOf(LinkRole::Donate));
}
void LinkFullyBranded()
{
    LinkLauncher(UrlOf(LinkRole::FullyBranded));
}
void LinkCoBrand()
{
    LinkLauncher(UrlOf(LinkRole::CoBrand));
}

} // namespace lunetide::web
